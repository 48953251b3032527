#include "core/shade_field.h"

#include "core/shade_segment.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>

namespace tessavundo {
namespace {

static_assert(std::endian::native == std::endian::little,
              "pixels are assembled as 32-bit words with the blue byte lowest");

constexpr std::uint32_t kUnusedByteMask = 0xFF000000;

using ColumnFactors = std::array<double, kShadeFieldSize>;
using RowMids = std::array<std::int32_t, kShadeFieldSize>;

// With every column factor at or above 0 no mid shade is negative or NaN, so each row is
// free of the carry from one pixel to the next and the compiler can vectorize it.
void ComputeRowMids(const ColumnFactors& e, int y, RowMids& mids) {
    const double brightness = 255 - y;
    for (int x = 0; x < kShadeFieldSize; ++x) {
        const double f = e[x] * brightness;
        const double g = f / 255;
        // g lies in 0..255 here, where truncation equals rounding down.
        mids[x] = static_cast<std::int32_t>(g);
    }
}

// The rare rows (positions below a segment's start) where a mid shade can be negative or
// NaN: such a shade is not stored and the pixel repeats the row's last stored one, or keeps
// the byte it had.
void ComputeRowMidsWithHolds(const ColumnFactors& e, int y, int midByte, const std::uint8_t* row,
                             RowMids& mids) {
    const double brightness = 255 - y;
    std::optional<std::int32_t> lastStored;
    for (int x = 0; x < kShadeFieldSize; ++x) {
        const double f = e[x] * brightness;
        const double g = f / 255;
        const double mid = std::floor(g);
        if (mid >= 0) {
            lastStored = static_cast<std::int32_t>(mid);
        }
        mids[x] = lastStored ? *lastStored : row[x * 4 + midByte];
    }
}

void StoreRow(const ShadeSegment& segment, int y, const RowMids& mids, std::uint8_t* row) {
    const auto rowFactor = static_cast<std::uint16_t>(255 - y);
    // In 16 bits, eight columns to a vector: the product is at most 255 * 255.
    std::array<std::uint16_t, kShadeFieldSize> mins;
    for (std::uint16_t x = 0; x < kShadeFieldSize; ++x) {
        const auto product = static_cast<std::uint16_t>((255 - x) * rowFactor);
        mins[x] = static_cast<std::uint16_t>(product / 255);
    }

    const std::uint32_t maxShifted = std::uint32_t{rowFactor} << (8 * segment.maxByte);
    const int minShift = 8 * segment.minByte;
    const int midShift = 8 * segment.midByte;
    for (std::uint32_t x = 0; x < kShadeFieldSize; ++x) {
        std::uint32_t pixel;
        std::memcpy(&pixel, row + x * 4, sizeof pixel);
        pixel = (pixel & kUnusedByteMask) | maxShifted | std::uint32_t{mins[x]} << minShift |
                static_cast<std::uint32_t>(mids[x]) << midShift;
        std::memcpy(row + x * 4, &pixel, sizeof pixel);
    }
}

} // namespace

void RenderShadeField(float huePosition, ShadeFieldPixels pixels) {
    const auto segment = ShadeSegmentAt(huePosition);
    if (!segment) {
        return;
    }

    // The steps of the mid shade up to e depend on the column only.
    const double a = 255 - double{segment->d};
    ColumnFactors e;
    bool everyMidStored = true;
    for (int x = 0; x < kShadeFieldSize; ++x) {
        const double b = a * x;
        const double c = b / 255;
        e[x] = 255 - c;
        everyMidStored = everyMidStored && e[x] >= 0;
    }

    RowMids mids;
    for (int y = 0; y < kShadeFieldSize; ++y) {
        std::uint8_t* const row = pixels.data() + std::size_t(y) * kShadeFieldSize * 4;
        if (everyMidStored) {
            ComputeRowMids(e, y, mids);
        } else {
            ComputeRowMidsWithHolds(e, y, segment->midByte, row, mids);
        }
        StoreRow(*segment, y, mids, row);
    }
}

} // namespace tessavundo
