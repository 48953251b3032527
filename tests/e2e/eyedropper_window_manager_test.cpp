// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The eyedropper under a window manager, which frames the window and activates another one on
// a click: the field and the bar are left out wherever the frame puts them, a click into
// another application ends sampling with its color on the clipboard, and closing while
// sampling keeps the field's color.
#include "tests/e2e/picker_session.h"
#include "tests/e2e/solid_color_window.h"

using namespace tessavundo::e2e;

namespace {

const QPoint kToggle(340, 20);

void Activate(const QString& window) {
    Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
}

// Puts text on the clipboard from another program, which keeps serving it until some other
// program takes the clipboard.
void OfferClipboardText(const QByteArray& text) {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-i")});
    xclip.waitForStarted();
    xclip.write(text);
    xclip.closeWriteChannel();
    xclip.waitForFinished();
}

} // namespace

class EyedropperWindowManagerTest : public QObject {
    Q_OBJECT

private slots:
    void clickIntoAnotherWindowEndsWithItsColor();
    void closingWhileSamplingKeepsTheFieldColor();
};

void EyedropperWindowManagerTest::clickIntoAnotherWindowEndsWithItsColor() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    SetDesktopColor(QStringLiteral("#123456"));
    // Clear of the picker, which the window manager centres on the screen.
    SolidColorWindow other;
    QVERIFY2(other.Show(QStringLiteral("#AB3210"), QPoint(950, 40)),
             "the solid color window never appeared");
    Activate(picker.Window());
    // Once the window has painted itself, for the pixels of its own controls.
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(255, 0, 0));

    picker.Click(kToggle.x(), kToggle.y());
    other.MovePointerOver(QPoint(150, 100));
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0xAB, 0x32, 0x10));
    // The window as it is while sampling: the focus ring has moved to the toggle.
    const QImage before = picker.Grab();

    // Over the shade field, the rainbow bar and the gap between them, edges included, the
    // last sample stays, wherever the window manager's frame has put the window.
    for (const QPoint client : {QPoint(8, 8), QPoint(289, 266), QPoint(128, 128), QPoint(268, 50),
                                QPoint(8, 266), QPoint(289, 8)}) {
        picker.MoveTo(client.x(), client.y());
        // A while for a sample to show: none may come.
        QTest::qWait(100);
        QCOMPARE(PreviewColor(picker), qRgb(0xAB, 0x32, 0x10));
    }
    // Just outside them the window's own pixels are sampled like any others.
    picker.MoveTo(7, 100);
    E2E_TRY_COMPARE(PreviewColor(picker), before.pixel(7, 100));
    picker.MoveTo(8, 7);
    E2E_TRY_COMPARE(PreviewColor(picker), before.pixel(8, 7));

    // Clicking into the other application ends sampling with its color on the clipboard.
    other.MovePointerOver(QPoint(155, 105));
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0xAB, 0x32, 0x10));
    Xdotool({QStringLiteral("click"), QStringLiteral("1")});
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#AB3210"));
    MovePointerTo(QPoint(1100, 100));
    // A while for a sample after the end to show: none may come.
    QTest::qWait(300);
    QCOMPARE(PreviewColor(picker), qRgb(0xAB, 0x32, 0x10));
}

void EyedropperWindowManagerTest::closingWhileSamplingKeepsTheFieldColor() {
    QTemporaryDir configDir;
    {
        PickerSession picker(configDir.path());
        QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
        SetDesktopColor(QStringLiteral("#123456"));
        Activate(picker.Window());
        picker.Click(kToggle.x(), kToggle.y());
        MovePointerTo(QPoint(1000, 600));
        E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0x12, 0x34, 0x56));

        OfferClipboardText("before closing");
        E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("before closing"));
        // A close request to this very window, as its close button sends.
        Run(QStringLiteral("wmctrl"),
            {QStringLiteral("-i"), QStringLiteral("-c"), picker.Window()});
        QVERIFY2(picker.Process().waitForFinished(20000),
                 "not closed; the window manager's windows: " +
                     Run(QStringLiteral("wmctrl"), {QStringLiteral("-l")}));
        QCOMPARE(picker.Process().exitCode(), 0);
        // The picker never took the clipboard: the other program still serves it.
        QCOMPARE(ClipboardText(), QStringLiteral("before closing"));
    }

    // The next start shows the saved color with the eyedropper off.
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared on restart");
    SetDesktopColor(QStringLiteral("#00FF00"));
    Activate(picker.Window());
    MovePointerTo(QPoint(1000, 601));
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0x12, 0x34, 0x56));
    // A while for sampling to start again by itself: it may not.
    QTest::qWait(300);
    QCOMPARE(PreviewColor(picker), qRgb(0x12, 0x34, 0x56));
}

QTEST_GUILESS_MAIN(EyedropperWindowManagerTest)
#include "eyedropper_window_manager_test.moc"
