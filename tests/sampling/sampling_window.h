// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// A shown picker window over a fake screen that reports it as the active window, for driving
// the eyedropper with real clicks and keys.

#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "tests/support/form_harness.h"
#include "tests/support/picker_state.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace tessavundo::testing {

// What the clipboard holds before a test, so that "untouched" can be told from "emptied".
inline const QString kClipboardBefore = QStringLiteral("held before sampling");

// Each screen pixel its own color, not a gray (the locate routine renders the field for it):
// red from x, green from y, blue fixed.
inline PackedColor ScreenPattern(QPoint point) {
    return (point.x() & 0xFF) + 256 * (point.y() & 0xFF) + 65536 * 0x40;
}

inline QString ClipboardText() {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

// The ways a user ends sampling.
enum class Ending {
    ToggleClicked,
    Escape,
    Space,
    Tab,                 // to the next control
    ClickOnControl,      // a click on a control, named by its object name
    ClickOnBackground,   // a click on the window between its controls
    AnotherWindowActive, // another application's window activated, as a window manager does
    WindowClosed,
};

// Between the rainbow bar and the preview, on no control.
constexpr QPoint kBackground(290, 140);

struct SamplingWindow {
    FormHarness harness;
    Form1* form = nullptr;

    // Starts, shows and activates the window; false when the platform never activates it.
    bool Open() {
        if (!harness.StartWindow())
            return false;
        form = harness.form.get();
        harness.screen.SetActiveWindow(form->winId());
        harness.screen.SetPixelFunction(ScreenPattern);
        QGuiApplication::clipboard()->setText(kClipboardBefore, QClipboard::Clipboard);
        return true;
    }

    // Places the pointer over a point of the window's client area, in logical pixels.
    void PointAtClient(QPoint client) { harness.screen.SetCursorPos(form->mapToGlobal(client)); }

    // Places the pointer on a screen pixel outside the window, in logical pixels.
    void PointAtScreen(QPoint screen) { harness.screen.SetCursorPos(screen); }

    PackedColor ColorAtClient(QPoint client) const {
        return ScreenPattern(form->mapToGlobal(client));
    }

    void ClickToggle() { QTest::mouseClick(form->Check1, Qt::LeftButton); }

    // A screen pixel below and to the right of the window's frame.
    QPoint AwayFromWindow() const {
        const QRect frame = form->frameGeometry();
        return QPoint(frame.right() + 40, frame.bottom() + 30);
    }

    // Points at a screen pixel, presses the toggle and waits until the window shows `color`,
    // the pixel's color; false when it never does.
    bool StartSamplingAt(QPoint screen, PackedColor color) {
        PointAtScreen(screen);
        ClickToggle();
        return QTest::qWaitFor([&] { return Shows(color); });
    }

    bool Sampling() const { return form->Check1->Value() == 1 && form->Timer1->Enabled(); }
    bool Off() const { return form->Check1->Value() == 0 && !form->Timer1->Enabled(); }

    // True when every place that shows the current color shows `color`.
    bool Shows(PackedColor color) const {
        return form->Picture3->BackColor() == color && form->Text1->Text() == RgbText(color) &&
               form->Text2->Text() == HexText(color);
    }

    // Waits for `count` more ticks of the sampling timer; false when they never come.
    bool WaitForTicks(int count) {
        QSignalSpy ticks(form->Timer1, &Timer::Tick);
        return QTest::qWaitFor([&] { return ticks.count() >= count; });
    }

    // Does what ends sampling one way, with the real clicks and keys, checking where the focus
    // goes; the caller then checks what the end left. `control` names the control of
    // ClickOnControl, `background` the point of ClickOnBackground. A failure here fails the
    // test: callers return when QTest::currentTestFailed().
    void End(Ending ending, const QString& control = {}, QPoint background = kBackground) {
        switch (ending) {
        case Ending::ToggleClicked:
            ClickToggle();
            break;
        case Ending::Escape:
            QTest::keyClick(form->Check1, Qt::Key_Escape);
            break;
        case Ending::Space:
            QTest::keyClick(form->Check1, Qt::Key_Space);
            break;
        case Ending::Tab:
            QTest::keyClick(form->Check1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), form->Picture2);
            break;
        case Ending::ClickOnControl: {
            auto* target = form->findChild<QWidget*>(control);
            QVERIFY2(target, qPrintable(control));
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
            QCOMPARE(QApplication::focusWidget(), target);
            break;
        }
        case Ending::ClickOnBackground:
            QVERIFY2(!form->childAt(background), "the point lies on a control");
            QTest::mouseClick(form, Qt::LeftButton, Qt::NoModifier, background);
            QCOMPARE(QApplication::focusWidget(), form->Check1);
            break;
        case Ending::AnotherWindowActive:
            otherWindow = std::make_unique<QWidget>();
            otherWindow->show();
            QVERIFY(QTest::qWaitForWindowActive(otherWindow.get()));
            // Losing the activation is no focus move inside the window: only the tick ends
            // sampling, once the screen reports the other window.
            QVERIFY(WaitForTicks(2));
            QVERIFY(Sampling());
            harness.screen.SetActiveWindow(otherWindow->winId());
            QVERIFY(WaitForTicks(1));
            break;
        case Ending::WindowClosed:
            QVERIFY(form->close());
            break;
        }
    }

    // The other application's window of Ending::AnotherWindowActive.
    std::unique_ptr<QWidget> otherWindow;
};

} // namespace tessavundo::testing
