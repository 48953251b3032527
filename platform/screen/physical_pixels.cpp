// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/physical_pixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace tessavundo {

QRect LogicalToPhysical(const QRect& logicalRect, const QScreen& screen) {
    const qreal factor = screen.devicePixelRatio();
    const QPoint origin = screen.geometry().topLeft();
    const QPoint topLeft = origin + (QPointF(logicalRect.topLeft() - origin) * factor).toPoint();
    return QRect(topLeft, logicalRect.size() * factor);
}

QRect LogicalToPhysical(const QRect& logicalRect) {
    const QScreen* screen = QGuiApplication::screenAt(logicalRect.center());
    if (!screen)
        screen = QGuiApplication::screenAt(logicalRect.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? LogicalToPhysical(logicalRect, *screen) : logicalRect;
}

bool IsOnAnyScreen(QPoint physicalPoint) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [physicalPoint](const QScreen* screen) {
        return LogicalToPhysical(screen->geometry(), *screen).contains(physicalPoint);
    });
}

} // namespace tessavundo
