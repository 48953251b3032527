// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessavundo {

// Where a magnifier shown as a window of its own goes: below and to the right of the pointer,
// to the left or above it where the monitor ends, never within `clearance` physical pixels of
// the pointer on either axis, so that neither the pixels the view shows nor the pointer's own
// image lie under it. On a monitor too small for either side it takes the side with more room
// and stays on the monitor. Everything is in physical pixels of the virtual desktop.
QPoint MagnifierWindowPlace(QPoint pointer, QSize view, const QRect& monitor, int clearance);

} // namespace tessavundo
