// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The picker started as a Wayland desktop starts it, in a Weston session with XWayland (run by
// tests/e2e/with-weston). Left to itself the toolkit would open a Wayland window there, which
// can neither be placed at the saved position nor tell where it is; the picker asks for the
// X11 platform instead, so its window is an X11 window of XWayland.
#include "tests/e2e/picker_session.h"

using namespace tessavundo::e2e;

class XWaylandSessionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowIsAnX11Window();
};

void XWaylandSessionTest::initTestCase() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs a Wayland session with XWayland: run through ctest, which starts Weston");
}

void XWaylandSessionTest::windowIsAnX11Window() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    picker.UnsetEnvironment(QStringLiteral("QT_QPA_PLATFORM"));
    QVERIFY2(picker.Start(), "no X11 window titled Tessavundo appeared on XWayland");
    QCOMPARE(picker.Process().state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(XWaylandSessionTest)
#include "xwayland_session_test.moc"
