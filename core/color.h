// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tessavundo {

// The platform's color value: red + 256 * green + 65536 * blue. Signed, because stored
// settings and system color references (such as 0x80000005) can be negative.
using PackedColor = std::int32_t;

// A packed color's green and blue weights: one step of green is 256 reds, of blue 65536.
inline constexpr PackedColor kGreenWeight = 256;
inline constexpr PackedColor kBlueWeight = 65536;

// Packs three channels of 0..255; the caller has clamped them.
constexpr PackedColor PackBytes(int red, int green, int blue) {
    return red + kGreenWeight * green + kBlueWeight * blue;
}

inline constexpr PackedColor kBlack = PackBytes(0, 0, 0);
inline constexpr PackedColor kWhite = PackBytes(255, 255, 255);
inline constexpr PackedColor kRed = PackBytes(255, 0, 0);
inline constexpr PackedColor kGreen = PackBytes(0, 255, 0);
inline constexpr PackedColor kBlue = PackBytes(0, 0, 255);
inline constexpr PackedColor kCyan = PackBytes(0, 255, 255);
inline constexpr PackedColor kMagenta = PackBytes(255, 0, 255);
inline constexpr PackedColor kYellow = PackBytes(255, 255, 0);

struct ChannelTriple {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;

    friend bool operator==(const ChannelTriple&, const ChannelTriple&) = default;
};

// Packs three channels; a channel above 255 counts as 255. A negative channel cannot be
// packed, so the caller skips whatever it meant to do with the color.
std::optional<PackedColor> PackColor(std::int16_t red, std::int16_t green, std::int16_t blue);

// Takes any 32-bit value apart. The divisions truncate toward zero rather than shift, so -1
// splits into red 255, green 0, blue 0.
ChannelTriple SplitColor(PackedColor color);

// "rgb(255,0,0)"
std::string FormatRgbText(ChannelTriple channels);

// "#FF0000"; a channel above 255 keeps all its digits.
std::string FormatHexText(ChannelTriple channels);

} // namespace tessavundo
