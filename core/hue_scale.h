// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <optional>

// The hue scale of the rainbow bar: positions 0 (top) to 1535 (bottom) in six segments of 256,
// red -> magenta -> blue -> cyan -> green -> yellow -> red.
namespace tessavundo {

inline constexpr int kHuePositionCount = 1536;

// The segment of a (possibly fractional or out-of-range) position: the first of the tests
// p < 256, 255 < p < 512, 511 < p < 768, ... that holds. Positions below 0 fall in segment 0;
// positions of 1536 and above, and NaN, fall in none.
std::optional<int> HueSegment(float position);

// The pure color of a whole position 0..1535.
ChannelTriple PureHueColor(int position);

} // namespace tessavundo
