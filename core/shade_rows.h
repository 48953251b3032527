// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

// The shade field row by row, in the instructions of one processor family: the per-pixel part
// of the rendering, which the renderer runs in the fastest set the processor supports.
namespace tessavundo {

// Bit position of each shade within a pixel's 32-bit word (PixelByteShift of its byte).
struct ShadeShifts {
    std::uint32_t max = 0;
    std::uint32_t min = 0;
    std::uint32_t mid = 0;
};

struct ShadeRows {
    // mids[x] = floor(columnFactors[x] * brightness / 255), each operation rounded in double
    // precision as written, for the 256 columns of one row; -1 where that is negative or not a
    // number. With `noneNegative` the caller vouches that no factor is negative or NaN.
    void (*computeMids)(const double* columnFactors, double brightness, bool noneNegative,
                        std::int32_t* mids);
    // Writes one row of pixels: max = brightness, min = floor((255 - x) * brightness / 255) and
    // mid = mids[x] (each 0..255), keeping the fourth byte of every pixel.
    void (*storeRow)(const std::int32_t* mids, std::uint32_t brightness, ShadeShifts shifts,
                     std::uint8_t* row);
};

enum class ShadeFieldPath;

// The rows of a path; see shade_field_paths.h. A path not built here gives the portable rows.
const ShadeRows& ShadeRowsFor(ShadeFieldPath path);

// A path compiled into this build, and whether the processor it runs on can take it.
struct BuiltShadeRows {
    ShadeFieldPath path;
    const ShadeRows* rows;
    bool (*isSupported)();
};

// The vector paths this build's processor family has (one source per family, chosen by the
// build), fastest first; the portable rows, always there, are not listed.
std::span<const BuiltShadeRows> BuiltShadeRowsHere();

// Plain C++ for any processor; it keeps the division, as a fused multiply-add without the
// instruction would be emulated in software.
extern const ShadeRows kPortableShadeRows;
// x86-64 only: for processors with AVX2 and FMA, and with AVX-512 (foundation and byte/word
// instructions).
extern const ShadeRows kAvx2FmaShadeRows;
extern const ShadeRows kAvx512ShadeRows;
// arm64 only: the vector unit of every ARMv8-A processor.
extern const ShadeRows kNeonShadeRows;

} // namespace tessavundo
