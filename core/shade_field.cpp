// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/shade_field.h"

#include "core/pixel_bytes.h"
#include "core/shade_field_paths.h"
#include "core/shade_rows.h"
#include "core/shade_segment.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tessavundo {
namespace {

// A mid shade that is not stored (-1) takes the row's last stored one; in a row without any,
// the pixel keeps the mid byte it had.
void HoldUnstoredMids(int midByte, const std::uint8_t* row, std::int32_t* mids) {
    std::int32_t lastStored = -1;
    for (int x = 0; x < kShadeFieldSize; ++x)
        if (mids[x] >= 0)
            lastStored = mids[x];
        else
            mids[x] = lastStored >= 0 ? lastStored : row[x * 4 + midByte];
}

} // namespace

void RenderShadeField(float huePosition, ShadeFieldPixels pixels, ShadeFieldPath path) {
    const auto segment = ShadeSegmentAt(huePosition);
    if (!segment)
        return;

    // The steps of the mid shade up to e depend on the column only.
    const double a = 255 - double{segment->d};
    alignas(64) std::array<double, kShadeFieldSize> e{};
    for (int x = 0; x < kShadeFieldSize; ++x) {
        const double b = a * x;
        const double c = b / 255;
        e[x] = 255 - c;
    }

    // A mid shade is stored exactly where its column's e is at or above 0: f = e * (255 - y)
    // keeps the sign of e, except in the bottom row, where every shade is 0 (and so is the one
    // a fill repeats). e only falls from left to right, so the shades not stored are the same
    // right-hand columns in every row, and take the last stored shade in one fill.
    const auto isStored = [](double factor) {
        return factor >= 0;
    };
    const auto firstUnstored = std::find_if_not(e.begin(), e.end(), isStored);
    const bool noneNegative = firstUnstored == e.end();
    const auto heldColumn = firstUnstored - e.begin();
    const bool heldToTheRight = heldColumn > 0 && std::none_of(firstUnstored, e.end(), isStored);

    const ShadeRows& rows = ShadeRowsFor(path);
    const ShadeShifts shifts{PixelByteShift(segment->maxByte), PixelByteShift(segment->minByte),
                             PixelByteShift(segment->midByte)};
    alignas(64) std::array<std::int32_t, kShadeFieldSize> mids{};
    for (int y = 0; y < kShadeFieldSize; ++y) {
        std::uint8_t* const row = pixels.data() + std::size_t(y) * kShadeFieldSize * 4;
        const auto brightness = static_cast<std::uint32_t>(255 - y);
        rows.computeMids(e.data(), brightness, noneNegative, mids.data());
        if (!noneNegative && heldToTheRight)
            std::fill(mids.begin() + heldColumn, mids.end(), mids[heldColumn - 1]);
        else if (!noneNegative)
            HoldUnstoredMids(segment->midByte, row, mids.data());
        rows.storeRow(mids.data(), brightness, shifts, row);
    }
}

void RenderShadeField(float huePosition, ShadeFieldPixels pixels) {
    RenderShadeField(huePosition, pixels, FastestShadeFieldPath());
}

} // namespace tessavundo
