// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QRect>
#include <vector>
#include <windows.h>

namespace tessavundo {

// The whole virtual desktop in physical pixels (the process is per-monitor DPI aware).
QRect VirtualScreen();

// The description of a 32-bit device-independent bitmap whose rows run from the top down, as
// the blocks here and the images of the toolkit hold them.
BITMAPINFO TopDownBitmapInfo(int width, int height);

// The screen's pixels in `area` (physical pixels of the virtual desktop, inside VirtualScreen()),
// row by row; empty if they cannot be read. They are copied with BitBlt without CAPTUREBLT,
// which leaves layered windows, such as the pick's own capture window, out of the copy.
std::vector<PackedColor> ReadScreenBlock(const QRect& area);

} // namespace tessavundo
