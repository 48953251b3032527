// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <optional>
#include <string_view>

namespace tessavundo {

// Where a color typed as rgb text lies on the rainbow bar and the shade field.
struct ColorLocation {
    // The new hue position; empty for a gray, which lies on the field's left edge for every
    // hue and so keeps the current one.
    std::optional<float> huePosition;
    // Top-left corner of the 4 x 4 field marker, 2 units above and left of the field point.
    // Always within -2..253.
    float markerLeft = 0;
    float markerTop = 0;
    // The color itself and its complement, for the preview and the marker's outline.
    PackedColor preview = 0;
    PackedColor border = 0;
};

// Locates the color of rgb text such as "rgb(200,100,50)". Fails, so that the caller changes
// nothing, unless the first three channel texts all read as bytes 0..255.
std::optional<ColorLocation> LocateColor(std::string_view rgbText,
                                         std::string_view decimalSeparator);

} // namespace tessavundo
