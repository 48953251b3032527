// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <spa/param/video/raw.h>
#include <string_view>

namespace tessavundo::test {

// A 32-bit SHM video format as the test producer writes it: the byte of each channel, written
// out here on its own rather than taken from the code under test.
struct PatternFormat {
    std::string_view name;
    std::uint32_t spaFormat = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr std::array kPatternFormats = {
    PatternFormat{"BGRx", SPA_VIDEO_FORMAT_BGRx, 2, 1, 0},
    PatternFormat{"BGRA", SPA_VIDEO_FORMAT_BGRA, 2, 1, 0},
    PatternFormat{"RGBx", SPA_VIDEO_FORMAT_RGBx, 0, 1, 2},
    PatternFormat{"RGBA", SPA_VIDEO_FORMAT_RGBA, 0, 1, 2},
    PatternFormat{"xRGB", SPA_VIDEO_FORMAT_xRGB, 1, 2, 3},
    PatternFormat{"xBGR", SPA_VIDEO_FORMAT_xBGR, 3, 2, 1},
};

inline std::optional<PatternFormat> PatternFormatNamed(std::string_view name) {
    for (const PatternFormat& format : kPatternFormats)
        if (format.name == name)
            return format;
    return std::nullopt;
}

// The channels of pattern `seed` at pixel (x, y): each differs from its neighbours', so a pixel
// read one column, row or channel off shows.
inline std::uint8_t PatternRed(int seed, int x, int y) {
    return static_cast<std::uint8_t>(x * 7 + y + seed * 13);
}
inline std::uint8_t PatternGreen(int seed, int x, int y) {
    return static_cast<std::uint8_t>(y * 11 + x * 3 + seed * 29);
}
inline std::uint8_t PatternBlue(int seed, int x, int y) {
    return static_cast<std::uint8_t>(x + y * 5 + seed * 47 + 100);
}

// What the unused byte of a pixel and the padding of a row hold: a value no channel is read as.
inline constexpr std::uint8_t kFillerByte = 0xab;

// Byte `column` of row `y` of a frame of pattern `seed` whose rows are `width` pixels long.
inline std::uint8_t PatternByte(const PatternFormat& format, int width, int seed, int column,
                                int y) {
    const int x = column / 4;
    const int channel = column % 4;
    if (x >= width)
        return kFillerByte;
    if (channel == format.red)
        return PatternRed(seed, x, y);
    if (channel == format.green)
        return PatternGreen(seed, x, y);
    if (channel == format.blue)
        return PatternBlue(seed, x, y);
    return kFillerByte;
}

// The pattern's pixel packed as the eyedropper packs colors: red, green * 256, blue * 65536.
inline std::int32_t PatternColor(int seed, int x, int y) {
    return PatternRed(seed, x, y) + 256 * PatternGreen(seed, x, y) +
           65536 * PatternBlue(seed, x, y);
}

} // namespace tessavundo::test
