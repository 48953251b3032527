// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

namespace tessavundo {

// A color as three channels 0..255 in the sRGB space of the screen.
struct ScreenRgb {
    int red;
    int green;
    int blue;
};

// The relative luminance of a screen color, 0 for black to 1 for white, as the accessibility
// guidelines define it.
double RelativeLuminance(ScreenRgb color);

// How far apart two colors are for the eye, from 1 (the same) to 21 (black on white). A control
// needs 3 against what surrounds it to be seen by people with low vision.
double ContrastRatio(ScreenRgb a, ScreenRgb b);

inline constexpr double kLeastControlContrast = 3.0;

} // namespace tessavundo
