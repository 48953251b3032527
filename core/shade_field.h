// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The shade field: every saturation and brightness of one hue on a 256 x 256 square, white at
// the top left, the pure hue at the top right, black along the bottom.
namespace tessavundo {

inline constexpr int kShadeFieldSize = 256;
inline constexpr std::size_t kShadeFieldBytes = std::size_t{kShadeFieldSize} * kShadeFieldSize * 4;

// Pixels as a 32-bit image delivers them: rows top to bottom, 4 bytes per pixel in the order
// blue, green, red, unused. The byte of channel c at (x, y) is at (y * 256 + x) * 4 + c.
using ShadeFieldPixels = std::span<std::uint8_t, kShadeFieldBytes>;

// Computes the field for a hue position into `pixels`, in the fastest instructions this
// processor has. The fourth byte of every pixel is kept. A position in no hue segment (1536
// and above, NaN) leaves the buffer untouched.
void RenderShadeField(float huePosition, ShadeFieldPixels pixels);

} // namespace tessavundo
