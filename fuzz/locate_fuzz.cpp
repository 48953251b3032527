// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The locate computation on any bytes as the rgb field's text: it fails exactly when a channel
// is no byte, and otherwise keeps the field marker on the field and gives real colors.
#include "core/color_readers.h"
#include "core/locate.h"
#include "fuzz/fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tessavundo;
using tessavundo::fuzzing::Require;

namespace {

bool OnField(float markerCorner) {
    return markerCorner >= -2 && markerCorner <= 253;
}

bool IsRgb(PackedColor color) {
    return color >= 0 && color <= 0xFFFFFF;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view separator = (data[0] & 1) ? "," : ".";
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const auto location = LocateColor(text, separator);
    const auto channels = ReadRgbChannels(text);
    std::optional<std::int16_t> bytes[3];
    for (std::size_t i = 0; i < 3 && i < channels.size(); ++i)
        bytes[i] = ChannelByte(channels[i], separator);
    Require(location.has_value() == (bytes[0] && bytes[1] && bytes[2]),
            "locating fails exactly when a channel is no byte");
    if (!location)
        return 0;

    Require(OnField(location->markerLeft) && OnField(location->markerTop),
            "the field marker stays within -2..253");
    Require(IsRgb(location->preview) && IsRgb(location->border),
            "preview and border are colors 0..0xFFFFFF");
    Require(location->preview == *PackColor(*bytes[0], *bytes[1], *bytes[2]),
            "the preview is the channels rounded to bytes");
    const bool gray = *bytes[0] == *bytes[1] && *bytes[1] == *bytes[2];
    Require(location->huePosition.has_value() != gray, "only a gray keeps the hue position");
    if (location->huePosition)
        Require(std::isfinite(*location->huePosition), "a located hue position is finite");
    return 0;
}
