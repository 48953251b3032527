// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QRgb>

namespace tessavundo {

// A packed color (red in the low byte) as the toolkit's 0xAARRGGBB value, and back.
inline QRgb ToQRgb(PackedColor color) {
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

inline PackedColor FromQRgb(QRgb rgb) {
    return PackBytes(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace tessavundo
