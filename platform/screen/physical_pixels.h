// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

class QScreen;

namespace tessavundo {

// Qt gives each screen a logical geometry with the screen's native top-left and its size
// divided by the screen's scale factor; these functions undo that, rounding as Qt does, so a
// window Qt placed maps back onto the exact physical pixels it covers.
QRect LogicalToPhysical(const QRect& logicalRect, const QScreen& screen);

// Converts on the screen that holds the rectangle's centre (or its top-left, or else the
// primary screen). Without any screen the rectangle comes back unchanged.
QRect LogicalToPhysical(const QRect& logicalRect);

bool IsOnAnyScreen(QPoint physicalPoint);

} // namespace tessavundo
