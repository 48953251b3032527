// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/create_screen_source.h"
#include "x11_test_support.h"

#include <QTest>

using namespace tessavundo;

// On XWayland the root window shows only the X programs' windows, so the screen is never read
// continuously: not with the Wayland variables, and not when a terminal or a session cleared
// them either.
class XWaylandScreenSourceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void neverReadsContinuously_data();
    void neverReadsContinuously();
};

void XWaylandScreenSourceTest::initTestCase() {
    if (!test::IsOnX11() || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        QSKIP("needs XWayland: run through ctest, which starts Weston with QT_QPA_PLATFORM=xcb");
}

void XWaylandScreenSourceTest::neverReadsContinuously_data() {
    QTest::addColumn<bool>("clearVariables");
    QTest::newRow("as the desktop started it") << false;
    QTest::newRow("with the Wayland variables cleared") << true;
}

void XWaylandScreenSourceTest::neverReadsContinuously() {
    QFETCH(bool, clearVariables);
    const QByteArray waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    const QByteArray sessionType = qgetenv("XDG_SESSION_TYPE");
    if (clearVariables) {
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
    }
    const auto source = CreateScreenSource();
    qputenv("WAYLAND_DISPLAY", waylandDisplay);
    qputenv("XDG_SESSION_TYPE", sessionType);
    QVERIFY(!source->CanReadContinuously());
}

QTEST_MAIN(XWaylandScreenSourceTest)
#include "xwayland_screen_source_test.moc"
