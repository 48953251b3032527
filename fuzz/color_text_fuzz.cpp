// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Any packed color, formatted in both notations, reads back as itself, and locates as itself.
#include "core/color.h"
#include "core/color_readers.h"
#include "core/locate.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

using namespace tessavundo;
using tessavundo::fuzzing::Require;

namespace {

bool IsByte(std::int16_t channel) {
    return channel >= 0 && channel <= 255;
}

void CheckRgbText(const std::string& text, ChannelTriple channels) {
    for (const std::string_view separator : fuzzing::kSeparators) {
        const auto read = ReadRgbChannels(text);
        Require(read.size() == 3, "the rgb notation has three channels");
        Require(ChannelByte(read[0], separator) == channels.red &&
                    ChannelByte(read[1], separator) == channels.green &&
                    ChannelByte(read[2], separator) == channels.blue,
                "the rgb notation reads back as its channels");
    }
}

void CheckLocation(const std::string& text, ChannelTriple channels) {
    const auto location = LocateColor(text, ".");
    Require(location.has_value(), "the rgb notation of a color always locates");
    Require(location->preview == PackColor(channels.red, channels.green, channels.blue),
            "the located preview is the color");
    Require(location->border ==
                PackColor(255 - channels.red, 255 - channels.green, 255 - channels.blue),
            "the located border is the complement");
    Require(location->markerLeft == std::floor(location->markerLeft) &&
                location->markerTop == std::floor(location->markerTop),
            "a whole color puts the marker on a whole field point");
    const bool gray = channels.red == channels.green && channels.green == channels.blue;
    Require(location->huePosition.has_value() != gray, "only a gray keeps the hue position");
    if (location->huePosition) {
        Require(*location->huePosition >= 0 && *location->huePosition <= 1535,
                "a whole color lies on the rainbow bar");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PackedColor color = 0;
    std::memcpy(&color, data, std::min(size, sizeof color));

    const ChannelTriple channels = SplitColor(color);
    Require(IsByte(channels.red) && IsByte(channels.green) && IsByte(channels.blue),
            "every channel split from a packed color is a byte");
    if (color >= 0 && color <= 0xFFFFFF) {
        Require(PackColor(channels.red, channels.green, channels.blue) == color,
                "packing the split channels gives the color back");
    }

    const std::string rgbText = FormatRgbText(channels);
    CheckRgbText(rgbText, channels);
    CheckLocation(rgbText, channels);
    Require(ReadHexChannels(FormatHexText(channels)) == channels,
            "the hex notation reads back as its channels");

    // Typed channels above 255 take the same digits in the hex field as formatted ones.
    for (const std::int16_t channel : {channels.red, channels.green, channels.blue}) {
        const auto typed = static_cast<std::int16_t>(channel * 128 + channel % 128);
        const std::string piece = FormatHexText({typed, 0, 0}).substr(1);
        Require(ChannelHexDigits(std::to_string(typed), ".") == piece.substr(0, piece.size() - 4),
                "typed and formatted channels give the same hex digits");
    }
    return 0;
}
