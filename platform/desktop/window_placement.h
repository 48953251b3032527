// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace tessavundo {

// A screen as window placement sees it: all of it, and the part windows may cover (without
// panels and docks).
struct ScreenArea {
    QRect geometry;
    QRect available;
};

// Where a window goes whose frame would stand at `frame`, restored from an earlier run. The
// position is kept exactly when the frame's title band (its top 20 pixels, its whole width)
// lies wholly inside one screen's available area, so that the window can be grabbed there.
// Otherwise the window moves the least distance that puts its whole frame inside the available
// area of the screen it overlaps most, or of the first (primary) screen when it overlaps none:
// under a panel it moves just below it, past a monitor that is gone it comes back onto one
// that is left, and one that grew with the display scale is pulled fully onto its screen.
QPoint PlaceRestoredWindow(const QRect& frame, const QList<ScreenArea>& screens);

// The screens of the running desktop, the primary one first.
QList<ScreenArea> DesktopScreens();

} // namespace tessavundo
