// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace tessavundo {

namespace {

// About the height of a title bar; all of it must be on a screen to be grabbed.
constexpr int kTitleBandHeight = 20;

qint64 OverlapArea(const QRect& a, const QRect& b) {
    const QRect overlap = a.intersected(b);
    return overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
}

// The least move of `start` along one axis that puts [start, start + length) inside
// [first, first + room); the start edge wins when the window is larger than the room.
int Clamp(int start, int length, int first, int room) {
    return std::max(first, std::min(start, first + room - length));
}

} // namespace

QPoint PlaceRestoredWindow(const QRect& frame, const QList<ScreenArea>& screens) {
    if (screens.isEmpty())
        return frame.topLeft();
    const QRect titleBand(frame.topLeft(), QSize(frame.width(), kTitleBandHeight));
    for (const ScreenArea& screen : screens)
        if (screen.available.contains(titleBand))
            return frame.topLeft();
    const ScreenArea* target = &screens.front();
    qint64 largest = 0;
    for (const ScreenArea& screen : screens) {
        const qint64 overlap = OverlapArea(frame, screen.geometry);
        if (overlap > largest) {
            largest = overlap;
            target = &screen;
        }
    }
    const QRect& area = target->available;
    return {Clamp(frame.x(), frame.width(), area.x(), area.width()),
            Clamp(frame.y(), frame.height(), area.y(), area.height())};
}

QList<ScreenArea> DesktopScreens() {
    QList<ScreenArea> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    const auto screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        const ScreenArea area{screen->geometry(), screen->availableGeometry()};
        if (screen == primary)
            areas.prepend(area);
        else
            areas.append(area);
    }
    return areas;
}

} // namespace tessavundo
