// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/pixel_bytes.h"
#include "core/shade_rows.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// The loops behind ShadeRows, written once and compiled in one translation unit per
// instruction set, where the compiler vectorizes them for that set.
namespace tessavundo {
// Internal linkage on purpose, as in divide_by_255.h.
namespace {

constexpr int kRowLength = 256;

template <double (*kDivideBy255)(double)>
void ComputeMids(const double* __restrict columnFactors, double brightness, bool noneNegative,
                 std::int32_t* __restrict mids) {
    if (noneNegative) {
        // Every quotient lies in 0..255 here, where truncation is rounding down.
        for (int x = 0; x < kRowLength; ++x) {
            const double f = columnFactors[x] * brightness;
            mids[x] = static_cast<std::int32_t>(kDivideBy255(f));
        }
        return;
    }
    for (int x = 0; x < kRowLength; ++x) {
        const double f = columnFactors[x] * brightness;
        const double g = kDivideBy255(f);
        // floor(g) >= 0 exactly when g >= 0, and a NaN fails the test.
        mids[x] = g >= 0 ? static_cast<std::int32_t>(g) : -1;
    }
}

inline void StoreRow(const std::int32_t* __restrict mids, std::uint32_t brightness,
                     ShadeShifts shifts, std::uint8_t* __restrict row) {
    // In 16 bits the division by 255 becomes a multiply-high, many columns to a vector: the
    // product is at most 255 * 255.
    std::uint16_t mins[kRowLength];
    for (int x = 0; x < kRowLength; ++x) {
        const auto product = static_cast<std::uint16_t>((255 - x) * brightness);
        mins[x] = static_cast<std::uint16_t>(product / 255);
    }

    constexpr std::uint32_t kUnusedByteMask = std::uint32_t{0xFF}
                                              << PixelByteShift(kUnusedPixelByte);
    constexpr std::ptrdiff_t kPixelBytes = 4;
    const std::uint32_t maxPart = brightness << shifts.max;
    for (int x = 0; x < kRowLength; ++x) {
        std::uint32_t pixel;
        std::memcpy(&pixel, row + x * kPixelBytes, sizeof pixel);
        pixel = (pixel & kUnusedByteMask) | maxPart | std::uint32_t{mins[x]} << shifts.min |
                static_cast<std::uint32_t>(mids[x]) << shifts.mid;
        std::memcpy(row + x * kPixelBytes, &pixel, sizeof pixel);
    }
}

template <double (*kDivideBy255)(double)> constexpr ShadeRows MakeShadeRows() {
    return {ComputeMids<kDivideBy255>, StoreRow};
}

} // namespace
} // namespace tessavundo
