// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The screen-cast client through the real xdg-desktop-portal frontend in a headless mutter
// session (run by tests/wayland/with-mutter), the tests' backend taking its stream from mutter's
// own ScreenCast service: the PipeWire consumer receives the compositor's frames over the remote
// the frontend opened, and closing the session ends mutter's recording.
#include "platform/portal/desktop_screen_cast_portal.h"
#include "tests/portal/portal_stack.h"

#include <QSignalSpy>

using namespace tessavundo;
using namespace tessavundo::testing;

class ScreenCastPortalMutterTest : public QObject {
    Q_OBJECT

private slots:
    void mutterStreamsThroughThePortal();
};

void ScreenCastPortalMutterTest::mutterStreamsThroughThePortal() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        QSKIP("needs a mutter session: run through ctest, which starts one");
    PortalStack stack;
    if (const QString why = stack.StartOnMutter(); !why.isEmpty())
        QSKIP(qPrintable(why));
    DesktopScreenCastPortal portal(
        stack.Bus(),
        RestoreTokenFile(stack.StateFolder().toStdString() + "/tessavundo/screen-cast-token"),
        &OpenPipeWireStream);
    QSignalSpy started(&portal, &ScreenCastPortal::Started);
    QSignalSpy failed(&portal, &ScreenCastPortal::Failed);

    portal.Start(0);

    QVERIFY(QTest::qWaitFor([&] { return started.count() + failed.count() > 0; }, 20000));
    QCOMPARE(started.count(), 1);
    QCOMPARE(portal.Monitors().size(), std::size_t{1});
    const QRect area = portal.Monitors()[0].area;
    QVERIFY2(!area.isEmpty(), "mutter gave the monitor no size");
    const ScreenCastStream& stream = *portal.Monitors()[0].stream;
    // The compositor's frames come through the remote the frontend opened.
    QTRY_COMPARE_WITH_TIMEOUT(stream.State(), StreamState::Streaming, 15000);

    portal.Stop();
    QTRY_COMPARE_WITH_TIMEOUT(stack.CallsOf(QStringLiteral("mutter.Stop")).size(), 1, 10000);
}

QTEST_GUILESS_MAIN(ScreenCastPortalMutterTest)
#include "screen_cast_portal_mutter_test.moc"
