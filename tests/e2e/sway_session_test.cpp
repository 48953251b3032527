// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The picker in a headless sway session with XWayland (run by tests/e2e/with-sway), asking the
// real xdg-desktop-portal frontend with a backend that, as wlroots desktops' portal, cannot send
// the pointer's position with its screen cast: the eyedropper makes one PickColor request and
// takes its color, and never starts a screen cast.
#include "tests/e2e/picker_session.h"
#include "tests/portal/portal_stack.h"

#include <QJsonArray>

using namespace tessavundo::e2e;
using namespace tessavundo::testing;

namespace {

const QRect kToggle(296, 8, 89, 25);
// wlroots' portal offers the pointer hidden or drawn into the picture, never as metadata.
constexpr int kWlrootsCursorModes = 3;

} // namespace

class SwaySessionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eyedropperAsksForOneColor();
};

void SwaySessionTest::initTestCase() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs a Wayland session with XWayland: run through ctest, which starts sway");
}

void SwaySessionTest::eyedropperAsksForOneColor() {
    PortalStack stack;
    if (const QString why = stack.Start(kWlrootsCursorModes); !why.isEmpty())
        QSKIP(qPrintable(why));
    QJsonObject config;
    config.insert(QStringLiteral("color"), QJsonArray{0.2, 0.4, 0.6});
    stack.Configure(config);
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    picker.UnsetEnvironment(QStringLiteral("QT_QPA_PLATFORM"));
    picker.SetEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), stack.BusAddress());
    QVERIFY2(picker.Start(), "no X11 window titled Tessavundo appeared on XWayland");
    picker.Focus();

    picker.Click(kToggle.center().x(), kToggle.center().y());

    E2E_TRY_COMPARE_WITH_TIMEOUT(ClipboardText(), QStringLiteral("#336699"), 15000);
    QCOMPARE(stack.CallsOf(QStringLiteral("PickColor")).size(), 1);
    QVERIFY(stack.CallsOf(QStringLiteral("CreateSession")).isEmpty());
    // The desktop's picker is placed over the picker's window.
    QVERIFY(stack.CallsOf(QStringLiteral("PickColor"))[0]
                .value(QStringLiteral("parent"))
                .toString()
                .startsWith(QStringLiteral("x11:")));
}

QTEST_GUILESS_MAIN(SwaySessionTest)
#include "sway_session_test.moc"
