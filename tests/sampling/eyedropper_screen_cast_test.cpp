// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The eyedropper where the screen can only be read through the desktop's screen cast (a fake
// one here): the toggle starts a session, the ticks follow the stream's pointer, every end closes
// the session, and each way the screen cast is missing or fails falls back to the desktop's
// one-shot color picker.
#include "tests/sampling/sampling_window.h"
#include "ui/control_descriptions.h"

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// The desktop's layout of the tests: one monitor of 1600x1200 whose frames are that size.
const QRect kDesktop(0, 0, 1600, 1200);

// A window on a screen that cannot be read, with a screen cast offered.
struct CastWindow : SamplingWindow {
    FakeScreenCastPortal& cast() { return harness.screenCast; }

    bool Open() {
        harness.screen.SetCanReadContinuously(false);
        harness.offersScreenCast = true;
        return SamplingWindow::Open();
    }

    // Presses the toggle and lets the desktop start a session of `monitors`.
    bool Cast(const std::vector<FakeScreenCastPortal::Monitor>& monitors) {
        ClickToggle();
        if (!cast().Pending())
            return false;
        cast().AnswerStarted(monitors);
        return form->Timer1->Enabled();
    }

    bool CastOneMonitor() { return Cast({{kDesktop, kDesktop.size()}}); }

    // Casts one monitor whose pointer is at `point`, and waits until the window shows its pixel.
    bool SampleOneMonitorAt(QPoint point) {
        if (!CastOneMonitor())
            return false;
        cast().Stream(0).Publish(point, ScreenPattern(point));
        return QTest::qWaitFor([&] { return Shows(ScreenPattern(point)); });
    }

    // Nothing of the screen cast is left: no session, none pending, no stream.
    bool Closed() {
        return !cast().Pending() && cast().Monitors().empty() && cast().LiveStreams() == 0;
    }
};

} // namespace

class EyedropperScreenCastTest : public QObject {
    Q_OBJECT

private slots:
    void samplingFollowsTheStream();
    void streamPixelsMapIntoTheDesktopsLayout_data();
    void streamPixelsMapIntoTheDesktopsLayout();
    void theMonitorHoldingThePointerIsRead();
    void everyEndClosesTheSession_data();
    void everyEndClosesTheSession();
    void noScreenCastFallsBackToOneColor_data();
    void noScreenCastFallsBackToOneColor();
    void anEndedStreamFallsBackToOneColor();
    void toggleUpBeforeTheDesktopAnswers();
};

void EyedropperScreenCastTest::samplingFollowsTheStream() {
    CastWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    // Nothing is shared before the toggle goes down.
    QCOMPARE(window.cast().Starts(), 0);
    QVERIFY(window.CastOneMonitor());
    QCOMPARE(window.cast().Starts(), 1);
    QCOMPARE(window.cast().LastParent(), form.winId());
    QCOMPARE(window.harness.portal.Requests(), 0);

    const QPoint away = window.AwayFromWindow();
    FakeScreenCastStream& stream = window.cast().Stream(0);
    stream.Publish(away, ScreenPattern(away));
    QTRY_VERIFY(window.Shows(ScreenPattern(away)));
    QCOMPARE(form.CursorPoint, away);
    const QPoint further = away + QPoint(7, 3);
    stream.Publish(further, ScreenPattern(further));
    QTRY_VERIFY(window.Shows(ScreenPattern(further)));

    // Over the shade field the pointer samples nothing, as on a screen read directly.
    const QPoint overField = form.mapToGlobal(form.Picture1->geometry().center());
    stream.Publish(overField, 0x112233);
    QVERIFY(window.WaitForTicks(5));
    QVERIFY(window.Shows(ScreenPattern(further)));
    QVERIFY(window.Sampling());
    // The X screen itself is never read.
    QCOMPARE(window.harness.screen.PixelReads(), 0);
}

void EyedropperScreenCastTest::streamPixelsMapIntoTheDesktopsLayout_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("desktopPoint");
    // clang-format off
    QTest::newRow("scale 1") << QRect(0, 0, 1600, 1200) << QSize(1600, 1200) << QPoint(1500, 1100)
        << QPoint(1500, 1100);
    QTest::newRow("scale 2: frames of twice the layout's size") << QRect(0, 0, 1600, 1200)
        << QSize(3200, 2400) << QPoint(3001, 2201) << QPoint(1500, 1100);
    QTest::newRow("a monitor left of and above the origin") << QRect(-1600, -100, 1600, 1200)
        << QSize(3200, 2400) << QPoint(3000, 2400 - 2) << QPoint(-100, 1099);
    QTest::newRow("frame size not yet known: unscaled") << QRect(0, 0, 1600, 1200) << QSize(0, 0)
        << QPoint(1500, 1100) << QPoint(1500, 1100);
    // clang-format on
}

void EyedropperScreenCastTest::streamPixelsMapIntoTheDesktopsLayout() {
    QFETCH(QRect, area);
    QFETCH(QSize, frame);
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, desktopPoint);
    CastWindow window;
    QVERIFY(window.Open());
    QVERIFY(window.Cast({{area, frame}}));
    window.cast().Stream(0).Publish(pixel, 0x2A7F3C);
    QTRY_VERIFY(window.Shows(0x2A7F3C));
    QCOMPARE(window.form->CursorPoint, desktopPoint);
}

void EyedropperScreenCastTest::theMonitorHoldingThePointerIsRead() {
    CastWindow window;
    QVERIFY(window.Open());
    const QRect right(1600, 0, 1280, 1024);
    QVERIFY(window.Cast({{kDesktop, kDesktop.size()}, {right, right.size()}}));
    // The left monitor's last frame showed the pointer leave it to the right.
    window.cast().Stream(0).Publish(QPoint(1700, 40), 0x0000FF);
    window.cast().Stream(1).Publish(QPoint(100, 40), 0x00FF00);
    QTRY_VERIFY(window.Shows(0x00FF00));
    QCOMPARE(window.form->CursorPoint, QPoint(1700, 40));
    // Back on the left one.
    window.cast().Stream(0).Publish(QPoint(1500, 40), 0x2A7F3C);
    window.cast().Stream(1).Publish(QPoint(-100, 40), 0x00FF00);
    QTRY_VERIFY(window.Shows(0x2A7F3C));
    QCOMPARE(window.form->CursorPoint, QPoint(1500, 40));
}

void EyedropperScreenCastTest::everyEndClosesTheSession_data() {
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("copiesHexText");
    QTest::newRow("toggle clicked again") << Ending::ToggleClicked << false;
    QTest::newRow("Esc") << Ending::Escape << true;
    QTest::newRow("Space") << Ending::Space << true;
    QTest::newRow("Tab to the next control") << Ending::Tab << true;
    QTest::newRow("click on the background") << Ending::ClickOnBackground << false;
    QTest::newRow("another window active") << Ending::AnotherWindowActive << true;
    QTest::newRow("window closed") << Ending::WindowClosed << false;
}

void EyedropperScreenCastTest::everyEndClosesTheSession() {
    QFETCH(Ending, ending);
    QFETCH(bool, copiesHexText);
    CastWindow window;
    QVERIFY(window.Open());
    const QPoint away = window.AwayFromWindow();
    QVERIFY(window.SampleOneMonitorAt(away));
    QCOMPARE(window.cast().LiveStreams(), 1);

    window.End(ending);
    if (QTest::currentTestFailed())
        return;

    QVERIFY(window.Off());
    QVERIFY(window.Closed());
    QCOMPARE(window.cast().Stops(), 1);
    QCOMPARE(ClipboardText(), copiesHexText ? HexText(ScreenPattern(away)) : kClipboardBefore);
    // The one-shot picker is not asked when sampling ends as the user meant it to.
    QCOMPARE(window.harness.portal.Requests(), 0);
}

void EyedropperScreenCastTest::noScreenCastFallsBackToOneColor_data() {
    QTest::addColumn<ScreenCastFailure>("failure");
    QTest::newRow("no screen cast with the pointer (wlroots)") << ScreenCastFailure::Unavailable;
    QTest::newRow("the user refused") << ScreenCastFailure::Refused;
    QTest::newRow("the desktop failed") << ScreenCastFailure::Failed;
}

void EyedropperScreenCastTest::noScreenCastFallsBackToOneColor() {
    QFETCH(ScreenCastFailure, failure);
    CastWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    window.ClickToggle();
    QVERIFY(window.cast().Pending());

    window.cast().AnswerFailed(failure);

    // At once, the toggle still down: the desktop's picker is asked, no stream is open.
    QCOMPARE(window.harness.portal.Requests(), 1);
    QVERIFY(window.harness.portal.Pending());
    QCOMPARE(form.Check1->Value(), std::int16_t{1});
    QVERIFY(!form.Timer1->Enabled());
    QVERIFY(window.Closed());

    // Its color ends sampling as on any desktop without a screen cast.
    window.harness.portal.Answer(0x2A7F3C);
    QVERIFY(window.Off());
    QVERIFY(window.Shows(0x2A7F3C));
    QCOMPARE(ClipboardText(), HexText(0x2A7F3C));

    // No picker either: the toggle comes up and says why.
    window.ClickToggle();
    window.cast().AnswerFailed(failure);
    window.harness.portal.ReportUnavailable();
    QVERIFY(window.Off());
    QVERIFY(form.Check1->toolTip() != EyedropperToolTip());
}

void EyedropperScreenCastTest::anEndedStreamFallsBackToOneColor() {
    CastWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    const QPoint away = window.AwayFromWindow();
    QVERIFY(window.SampleOneMonitorAt(away));

    window.cast().Stream(0).End();

    QTRY_VERIFY(window.harness.portal.Pending());
    QVERIFY(window.Closed());
    QCOMPARE(form.Check1->Value(), std::int16_t{1});
    QVERIFY(!form.Timer1->Enabled());
    QCOMPARE(window.harness.screen.TakenContexts(), 0);
    // The user lets the toggle up: the picker's request is dropped, nothing else was open.
    window.ClickToggle();
    QVERIFY(window.Off());
    QCOMPARE(window.harness.portal.Cancels(), 1);
    QCOMPARE(window.cast().Stops(), 1);
}

void EyedropperScreenCastTest::toggleUpBeforeTheDesktopAnswers() {
    CastWindow window;
    QVERIFY(window.Open());
    window.ClickToggle();
    QVERIFY(window.cast().Pending());
    window.ClickToggle();
    QVERIFY(window.Off());
    QCOMPARE(window.cast().Stops(), 1);
    QVERIFY(window.Closed());

    // A desktop that answers all the same, too late, starts nothing.
    window.cast().AnswerStarted({{kDesktop, kDesktop.size()}});
    window.cast().AnswerFailed(ScreenCastFailure::Refused);
    QVERIFY(window.Off());
    QCOMPARE(window.harness.portal.Requests(), 0);
}

QTEST_MAIN(EyedropperScreenCastTest)
#include "eyedropper_screen_cast_test.moc"
