// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/color.h"

#include "core/hex_digits.h"

#include <algorithm>

namespace tessavundo {

std::optional<PackedColor> PackColor(std::int16_t red, std::int16_t green, std::int16_t blue) {
    if (red < 0 || green < 0 || blue < 0)
        return std::nullopt;
    const auto byte = [](std::int16_t channel) {
        return PackedColor{std::min<std::int16_t>(channel, 255)};
    };
    return PackBytes(byte(red), byte(green), byte(blue));
}

ChannelTriple SplitColor(PackedColor color) {
    // Truncating division, not a shift, so that -1 splits into red 255, green 0, blue 0 as
    // the platform's own colors do.
    const auto channel = [](PackedColor part) {
        return static_cast<std::int16_t>(part & 255);
    };
    return {channel(color), channel(color / kGreenWeight), channel(color / kBlueWeight)};
}

std::string FormatRgbText(ChannelTriple channels) {
    return "rgb(" + std::to_string(channels.red) + "," + std::to_string(channels.green) + "," +
           std::to_string(channels.blue) + ")";
}

std::string FormatHexText(ChannelTriple channels) {
    // A negative channel, which no packed color yields, is written as its 16-bit pattern.
    const auto piece = [](std::int16_t channel) {
        return HexDigits(static_cast<std::uint16_t>(channel));
    };
    std::string text = "#";
    text += piece(channels.red);
    text += piece(channels.green);
    text += piece(channels.blue);
    return text;
}

} // namespace tessavundo
