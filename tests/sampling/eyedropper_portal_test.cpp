// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The eyedropper where the screen cannot be read continuously: the toggle asks the desktop's
// color picker (a fake portal here) for one color, and every way of ending is driven by real
// clicks and keys while the request is pending.
#include "core/locate.h"
#include "tests/sampling/sampling_window.h"
#include "ui/control_descriptions.h"

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// A window whose screen cannot be read continuously, with the toggle pressed: the desktop has
// been asked.
struct PortalWindow : SamplingWindow {
    bool OpenAndAsk() {
        harness.screen.SetCanReadContinuously(false);
        if (!Open())
            return false;
        ClickToggle();
        return harness.portal.Pending();
    }

    // Down, the desktop asked, and no screen read started.
    bool Waiting() const {
        return form->Check1->Value() == 1 && harness.portal.Pending() && !form->Timer1->Enabled() &&
               harness.screen.TakenContexts() == 0;
    }
};

} // namespace

class EyedropperPortalTest : public QObject {
    Q_OBJECT

private slots:
    void theDesktopsColorIsOneSample_data();
    void theDesktopsColorIsOneSample();
    void cancelledPickEndsLikeABackgroundClick();
    void endingWhileTheDesktopPicks_data();
    void endingWhileTheDesktopPicks();
    void missingPortalLetsTheToggleUp_data();
    void missingPortalLetsTheToggleUp();
    void windowWorksOnWhileTheDesktopPicks();
    void closingWhileTheDesktopPicks();
    void aReadableScreenNeverAsksTheDesktop();
};

void EyedropperPortalTest::theDesktopsColorIsOneSample_data() {
    QTest::addColumn<PackedColor>("color");
    QTest::newRow("a hue") << PackedColor{0x2A7F3C};
    QTest::newRow("a gray") << PackedColor{0x808080};
    QTest::newRow("pure blue") << PackedColor{0xFF0000};
}

void EyedropperPortalTest::theDesktopsColorIsOneSample() {
    QFETCH(PackedColor, color);
    PortalWindow window;
    QVERIFY(window.OpenAndAsk());
    Form1& form = *window.form;
    const PackedColor swatch = form.Picture4->BackColor();
    QVERIFY(window.Waiting());
    QCOMPARE(window.harness.portal.Requests(), 1);
    QCOMPARE(window.harness.portal.LastParent(), form.winId());

    window.harness.portal.Answer(color);

    QVERIFY(window.Off());
    QVERIFY(window.Shows(color));
    QCOMPARE(ClipboardText(), HexText(color));
    const auto location = LocateColor(RgbText(color).toStdString(), ".");
    QVERIFY(location);
    if (location->huePosition)
        QCOMPARE(form.HuePosition, *location->huePosition);
    QCOMPARE(form.Line1->Y1(), form.HuePosition);
    QCOMPARE(form.Shape1->Left(), location->markerLeft);
    QCOMPARE(form.Shape1->Top(), location->markerTop);
    QCOMPARE(form.Shape1->BorderColor(), location->border);
    QVERIFY(FieldBytes(form) == ExpectedField(form, form.HuePosition));
    // Only a copy button pushes a swatch; the screen was never read.
    QCOMPARE(form.Picture4->BackColor(), swatch);
    QCOMPARE(window.harness.screen.PixelReads(), 0);
    QCOMPARE(window.harness.portal.Cancels(), 0);
    QCOMPARE(form.Check1->toolTip(), EyedropperToolTip());
}

void EyedropperPortalTest::cancelledPickEndsLikeABackgroundClick() {
    PortalWindow window;
    QVERIFY(window.OpenAndAsk());
    Form1& form = *window.form;
    const PickerState before = PickerState::Of(form);

    window.harness.portal.AnswerCancelled();

    QVERIFY(window.Off());
    QCOMPARE(PickerState::Of(form), before);
    QCOMPARE(ClipboardText(), kClipboardBefore);
    QCOMPARE(window.harness.portal.Cancels(), 0);
    QCOMPARE(form.Check1->toolTip(), EyedropperToolTip());

    // The next press asks again.
    window.ClickToggle();
    QVERIFY(window.Waiting());
    QCOMPARE(window.harness.portal.Requests(), 2);
}

void EyedropperPortalTest::endingWhileTheDesktopPicks_data() {
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("copiesHexText");
    QTest::newRow("toggle clicked again") << Ending::ToggleClicked << false;
    QTest::newRow("Esc") << Ending::Escape << true;
    QTest::newRow("Space") << Ending::Space << true;
    QTest::newRow("Tab to the next control") << Ending::Tab << true;
    QTest::newRow("click on the background") << Ending::ClickOnBackground << false;
}

void EyedropperPortalTest::endingWhileTheDesktopPicks() {
    QFETCH(Ending, ending);
    QFETCH(bool, copiesHexText);
    PortalWindow window;
    QVERIFY(window.OpenAndAsk());
    Form1& form = *window.form;
    const PickerState before = PickerState::Of(form);

    window.End(ending);
    if (QTest::currentTestFailed())
        return;

    QVERIFY(window.Off());
    QCOMPARE(window.harness.portal.Cancels(), 1);
    QVERIFY(!window.harness.portal.Pending());
    QCOMPARE(ClipboardText(), copiesHexText ? before.shown.hexText : kClipboardBefore);
    QCOMPARE(PickerState::Of(form), before);

    // The desktop answers all the same, too late: nothing changes.
    window.harness.portal.Answer(0x123456);
    window.harness.portal.AnswerCancelled();
    window.harness.portal.ReportUnavailable();
    QVERIFY(window.Off());
    QCOMPARE(PickerState::Of(form), before);
    QCOMPARE(ClipboardText(), copiesHexText ? before.shown.hexText : kClipboardBefore);
    QCOMPARE(form.Check1->toolTip(), EyedropperToolTip());
}

void EyedropperPortalTest::missingPortalLetsTheToggleUp_data() {
    QTest::addColumn<ScreenReading>("reading");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("namesThePortal");
    // clang-format off
    QTest::newRow("Wayland desktop") << ScreenReading::ForbiddenByDesktop
        << QStringLiteral("does not let programs read the screen") << true;
    QTest::newRow("display not supported") << ScreenReading::DisplayNotSupported
        << QStringLiteral("not supported") << false;
    QTest::newRow("screen refuses reads") << ScreenReading::Refused << QStringLiteral("refuses")
        << false;
    // clang-format on
}

// The tooltip says why the eyedropper cannot work: the portal only where the desktop's rules
// are the reason, the display itself where it is.
void EyedropperPortalTest::missingPortalLetsTheToggleUp() {
    QFETCH(ScreenReading, reading);
    QFETCH(QString, reason);
    QFETCH(bool, namesThePortal);
    PortalWindow window;
    QVERIFY(window.OpenAndAsk());
    window.harness.screen.SetReading(reading);
    Form1& form = *window.form;
    const PickerState before = PickerState::Of(form);
    const PackedColor swatch = form.Picture4->BackColor();

    window.harness.portal.ReportUnavailable();

    QVERIFY(window.Off());
    QVERIFY2(form.Check1->toolTip().contains(reason), qPrintable(form.Check1->toolTip()));
    QCOMPARE(form.Check1->toolTip().contains(QStringLiteral("portal")), namesThePortal);
    QCOMPARE(PickerState::Of(form), before);
    QCOMPARE(ClipboardText(), kClipboardBefore);
    QCOMPARE(form.Picture4->BackColor(), swatch);
    QCOMPARE(QApplication::focusWidget(), form.Check1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // A portal that has come since answers the next press, and the tooltip is the usual one.
    window.ClickToggle();
    QVERIFY(window.Waiting());
    window.harness.portal.Answer(0x3264C8);
    QVERIFY(window.Shows(0x3264C8));
    QCOMPARE(ClipboardText(), HexText(0x3264C8));
    QCOMPARE(form.Check1->toolTip(), EyedropperToolTip());
}

void EyedropperPortalTest::windowWorksOnWhileTheDesktopPicks() {
    PortalWindow window;
    QVERIFY(window.OpenAndAsk());
    Form1& form = *window.form;
    const PackedColor current = form.Picture3->BackColor();

    // The desktop's picking interface takes the activation and with it the focus; that is the
    // portal at work, not the user leaving.
    QWidget desktopPicker;
    desktopPicker.show();
    QVERIFY(QTest::qWaitForWindowActive(&desktopPicker));
    window.harness.screen.SetActiveWindow(desktopPicker.winId());
    QVERIFY(window.Waiting());
    desktopPicker.close();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(window.Waiting());
    QCOMPARE(QApplication::focusWidget(), form.Check1);

    // Enter copies the rgb text and the request stays open.
    QTest::keyClick(form.Check1, Qt::Key_Return);
    QCOMPARE(ClipboardText(), RgbText(current));
    QCOMPARE(form.Picture4->BackColor(), current);
    QVERIFY(window.Waiting());

    // The event loop runs on: a timer of the window's thread fires.
    bool fired = false;
    QTimer::singleShot(1, &form, [&fired] { fired = true; });
    QTRY_VERIFY(fired);
    QVERIFY(window.Waiting());

    window.harness.portal.Answer(0x00FF00);
    QVERIFY(window.Off());
    QVERIFY(window.Shows(0x00FF00));
    QCOMPARE(ClipboardText(), QStringLiteral("#00FF00"));
    QCOMPARE(window.harness.portal.Requests(), 1);
}

void EyedropperPortalTest::closingWhileTheDesktopPicks() {
    PortalWindow window;
    QVERIFY(window.OpenAndAsk());
    Form1& form = *window.form;
    const PackedColor fieldColor =
        form.Picture1->Point(form.Shape1->Left() + 2, form.Shape1->Top() + 2);

    QVERIFY(form.close());
    QCOMPARE(window.harness.portal.Cancels(), 1);
    QCOMPARE(window.harness.settings.Value(QStringLiteral("color")), QString::number(fieldColor));
    QCOMPARE(ClipboardText(), kClipboardBefore);

    window.harness.portal.Answer(0x123456);
    QCOMPARE(form.Picture3->BackColor(), fieldColor);
    QCOMPARE(ClipboardText(), kClipboardBefore);
}

void EyedropperPortalTest::aReadableScreenNeverAsksTheDesktop() {
    SamplingWindow window;
    QVERIFY(window.Open());
    const QPoint pointer = window.form->frameGeometry().bottomRight() + QPoint(20, 20);
    QVERIFY(window.StartSamplingAt(pointer, ScreenPattern(pointer)));
    QTest::keyClick(window.form->Check1, Qt::Key_Escape);
    QVERIFY(window.Off());
    QCOMPARE(window.harness.portal.Requests(), 0);
    QCOMPARE(window.harness.portal.Cancels(), 0);
}

QTEST_MAIN(EyedropperPortalTest)
#include "eyedropper_portal_test.moc"
