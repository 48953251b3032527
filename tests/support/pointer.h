// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace tessavundo::testing {

// A mouse that goes through the window system layer, as a real one does: the press grabs the
// pointer for the control under it, every move carries the buttons held, and positions outside
// the control or even outside the window still reach the control that was pressed. A press or
// release elsewhere than the last position first moves there, as a real mouse must. Each event
// is delivered before the call returns and nothing else is processed meanwhile, so a timer armed
// by a move cannot tick before the caller looks. (QTest's own mouse functions process events
// after each one and warn about positions outside the window.)
class Pointer {
public:
    // Positions are in pixels of `control`, which lies in a shown window.
    void Press(QWidget& control, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        GoTo(control, at);
        held_ |= button;
        Send(control, at, button, QEvent::MouseButtonPress);
    }

    void Move(QWidget& control, QPoint at) { Send(control, at, Qt::NoButton, QEvent::MouseMove); }

    void Release(QWidget& control, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        GoTo(control, at);
        held_ &= ~Qt::MouseButtons(button);
        Send(control, at, button, QEvent::MouseButtonRelease);
        // Far apart in time, so that the next press is never taken for a double click.
        QTest::lastMouseTimestamp += 1000;
    }

    void Click(QWidget& control, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Press(control, at, button);
        Release(control, at, button);
    }

private:
    void GoTo(QWidget& control, QPoint at) {
        if (control.mapToGlobal(at) != last_)
            Move(control, at);
    }

    void Send(QWidget& control, QPoint at, Qt::MouseButton button, QEvent::Type type) {
        QWindow* window = control.window()->windowHandle();
        QTEST_ASSERT(window);
        const QPoint global = control.mapToGlobal(at);
        last_ = global;
        qt_handleMouseEvent(window, window->mapFromGlobal(global), global, held_, button, type,
                            Qt::NoModifier, ++QTest::lastMouseTimestamp);
    }

    Qt::MouseButtons held_;
    QPoint last_{-1, -1};
};

} // namespace tessavundo::testing
