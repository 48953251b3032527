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

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

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
};

} // namespace tessavundo::testing
