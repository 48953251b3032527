// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QRect>
#include <vector>

namespace tessavundo {

// The whole virtual desktop in physical pixels (the process is per-monitor DPI aware).
QRect VirtualScreen();

// The screen's pixels in `area` (physical pixels of the virtual desktop, inside VirtualScreen()),
// row by row; empty if they cannot be read. They are copied with BitBlt without CAPTUREBLT,
// which leaves layered windows, such as the pick's own capture window, out of the copy.
std::vector<PackedColor> ReadScreenBlock(const QRect& area);

} // namespace tessavundo
