// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

namespace tessavundo::testing {

// Sends one mouse event to a widget as if it came from the window system.
inline void SendMouseEvent(QWidget* widget, QEvent::Type type, QPoint position,
                           Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(widget, &event);
}

// A left double click the way an X server's two clicks reach a widget: press, release,
// double-click, release. The second press arrives only as the double-click event, which
// QTest::mouseDClick (widget overload) sends without the rest.
inline void SendX11DoubleClick(QWidget* widget, QPoint position) {
    SendMouseEvent(widget, QEvent::MouseButtonPress, position, Qt::LeftButton, Qt::LeftButton);
    SendMouseEvent(widget, QEvent::MouseButtonRelease, position, Qt::LeftButton, Qt::NoButton);
    SendMouseEvent(widget, QEvent::MouseButtonDblClick, position, Qt::LeftButton, Qt::LeftButton);
    SendMouseEvent(widget, QEvent::MouseButtonRelease, position, Qt::LeftButton, Qt::NoButton);
}

inline void SendX11DoubleClick(QWidget* widget) {
    SendX11DoubleClick(widget, widget->rect().center());
}

} // namespace tessavundo::testing
