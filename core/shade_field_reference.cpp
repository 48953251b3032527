// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/shade_field_reference.h"

#include "core/shade_segment.h"

#include <cmath>

namespace tessavundo {

void RenderShadeFieldReference(float huePosition, ShadeFieldPixels pixels) {
    const auto segment = ShadeSegmentAt(huePosition);
    if (!segment)
        return;
    for (int y = 0; y < kShadeFieldSize; ++y) {
        std::optional<double> lastStoredMid;
        for (int x = 0; x < kShadeFieldSize; ++x) {
            const double max = 255 - y;
            const double min = std::floor((255 - x) * (255 - y) / 255.0);

            const double a = 255 - double{segment->d};
            const double b = a * x;
            const double c = b / 255;
            const double e = 255 - c;
            const double f = e * (255 - y);
            const double g = f / 255;
            const double mid = std::floor(g);
            if (mid >= 0)
                lastStoredMid = mid;

            std::uint8_t* const pixel = &pixels[(std::size_t(y) * kShadeFieldSize + x) * 4];
            pixel[segment->maxByte] = static_cast<std::uint8_t>(max);
            pixel[segment->minByte] = static_cast<std::uint8_t>(min);
            // A mid shade that is negative or not a number is not stored; the pixel shows
            // the row's last stored one, or what it held before.
            if (lastStoredMid)
                pixel[segment->midByte] = static_cast<std::uint8_t>(*lastStoredMid);
        }
    }
}

} // namespace tessavundo
