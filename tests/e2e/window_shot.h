// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// What a screenshot of the picker's window should show in its shade field and its rainbow bar,
// computed apart from the program, pixel by pixel.

#include "core/hue_scale.h"
#include "core/shade_field_reference.h"

#include <QImage>
#include <QRect>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tessavundo::e2e {

// Client-area origins of the two drawn areas, in logical pixels.
constexpr QPoint kFieldOrigin(9, 9);
constexpr QPoint kBarOrigin(273, 9);
constexpr QSize kFieldSize(256, 256);
constexpr QSize kBarSize(15, 256);

// The pure hue that stays in a pixel row of the bar: the last position drawn into it.
inline QRgb BarRowRgb(int row) {
    int last = 0;
    for (int p = 0; p < kHuePositionCount; ++p)
        if (std::nearbyint(p * 256.0 / 1535) == row)
            last = p;
    const ChannelTriple hue = PureHueColor(last);
    return qRgb(hue.red, hue.green, hue.blue);
}

// Counts the logical pixels of an area whose `scale` x `scale` block on the screenshot is not
// entirely the expected color, leaving out `skipped` (in the area's own coordinates). Alpha is
// not compared: a window's screenshot may or may not carry it.
template <typename Expected>
int DifferingBlocks(const QImage& shot, QPoint logicalOrigin, QSize logicalSize, QRect skipped,
                    Expected expected, int scale = 1) {
    int differing = 0;
    for (int y = 0; y < logicalSize.height(); ++y) {
        for (int x = 0; x < logicalSize.width(); ++x) {
            if (skipped.contains(x, y))
                continue;
            const QRgb want = expected(x, y) | 0xFF000000U;
            bool same = true;
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    same &= (shot.pixel((logicalOrigin.x() + x) * scale + dx,
                                        (logicalOrigin.y() + y) * scale + dy) |
                             0xFF000000U) == want;
                }
            }
            if (!same)
                ++differing;
        }
    }
    return differing;
}

// Logical pixels of the shade field on the screenshot that differ from the field computed for a
// hue position, leaving out `skipped`: the field marker, in field coordinates.
inline int FieldPixelsDiffering(const QImage& shot, float huePosition, QRect skipped,
                                int scale = 1) {
    std::vector<std::uint8_t> field(kShadeFieldBytes, 0xFF);
    RenderShadeFieldReference(huePosition, ShadeFieldPixels(field.data(), kShadeFieldBytes));
    return DifferingBlocks(
        shot, kFieldOrigin, kFieldSize, skipped,
        [&](int x, int y) {
            const std::uint8_t* pixel = &field[(y * kFieldSize.width() + x) * 4];
            return qRgb(pixel[2], pixel[1], pixel[0]);
        },
        scale);
}

// The rainbow bar's rows, but for those of `skipped`, that do not show their pure hue.
inline int BarPixelsDiffering(const QImage& shot, QRect skipped, int scale = 1) {
    return DifferingBlocks(
        shot, kBarOrigin, kBarSize, skipped, [](int, int y) { return BarRowRgb(y); }, scale);
}

} // namespace tessavundo::e2e
