// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The shade field: every saturation and brightness of one hue on a 256 x 256 square, white at
// the top left, the pure hue at the top right, black along the bottom.
//
// The field is rendered on every hue change and every eyedropper sample that changes the hue,
// so it is computed in the widest vector instructions the processor has (shade_field_paths.h
// chooses at run time), and must still come out byte for byte the same in each. A change of
// the formula therefore touches every one of these files:
// - shade_field_reference.cpp: the formula per pixel, written for clarity; the others must
//   match it and the tests compare them with it;
// - shade_segment.cpp: the per-hue constants (which byte takes which shade, the position
//   within the segment);
// - shade_field.cpp: the per-row part shared by every instruction set;
// - shade_row_loops.h: the per-pixel loops, compiled once per instruction set in
//   shade_rows_portable.cpp, shade_rows_avx2_fma.cpp, shade_rows_avx512.cpp and
//   shade_rows_neon.cpp;
// - divide_by_255.h: the division by 255 the fast paths make without a division, whose
//   exactness is argued in docs/shade-field-division.md for this formula only.
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
