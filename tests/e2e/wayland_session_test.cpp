// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The picker started with the variables of a Wayland session, on the test's Xvfb standing in
// for XWayland: its eyedropper asks the desktop's color-picker portal (a fake one on a bus of
// the test's own) instead of reading the screen, and the toggle is driven with real clicks.
#include "tests/e2e/fake_portal_process.h"
#include "tests/e2e/picker_session.h"
#include "tests/support/private_session_bus.h"

using namespace tessavundo::e2e;
using tessavundo::testing::PrivateSessionBus;

namespace {

const QRect kToggle(296, 8, 89, 25);

// What a Wayland desktop hands its programs (no compositor listens there: the picker's window
// is on Xvfb, and the test of a real Wayland session is xwayland_session_test).
void AsWaylandSession(PickerSession& picker) {
    picker.UnsetEnvironment(QStringLiteral("QT_QPA_PLATFORM"));
    picker.SetEnvironment(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-absent"));
    picker.SetEnvironment(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
}

QImage ToggleShown(const PickerSession& picker) {
    return picker.Grab().copy(kToggle).convertToFormat(QImage::Format_RGB32);
}

// Moves the pointer to a point of the window from elsewhere: xdotool's --sync waits for the
// pointer to move, so it must not be there already.
void PointAt(const PickerSession& picker, QPoint client) {
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
    picker.MoveTo(client.x(), client.y());
}

void ClickAt(const PickerSession& picker, QPoint client) {
    PointAt(picker, client);
    Xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

// Starts a picker of the Wayland session on `busAddress` and waits for its first paint.
bool StartOnBus(PickerSession& picker, const QString& busAddress) {
    AsWaylandSession(picker);
    picker.SetEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    if (!picker.Start())
        return false;
    picker.Focus();
    return QTest::qWaitFor([&] { return PreviewColor(picker) == qRgb(255, 0, 0); }, 10000);
}

} // namespace

class WaylandSessionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eyedropperTakesTheDesktopsColor();
    void eyedropperWaitsForTheDesktopOrComesBackUp();

private:
    PrivateSessionBus bus_;
};

void WaylandSessionTest::initTestCase() {
    if (const QString problem = bus_.Start(); !problem.isEmpty())
        QSKIP(qPrintable(problem));
}

void WaylandSessionTest::eyedropperTakesTheDesktopsColor() {
    const FakePortalProcess portal(bus_.Address(), {"0.2", "0.4", "0.6"});
    QVERIFY2(portal.Ready(), "the fake portal did not start");
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(StartOnBus(picker, bus_.Address()), "the picker never showed its first color");

    ClickAt(picker, kToggle.center());

    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#336699"));
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(51, 102, 153));
}

void WaylandSessionTest::eyedropperWaitsForTheDesktopOrComesBackUp() {
    QTemporaryDir configDir;
    QImage pressed;
    QImage released;
    {
        // The desktop's picker stays open: the toggle stays down until Esc.
        const FakePortalProcess portal(bus_.Address(), {});
        QVERIFY2(portal.Ready(), "the fake portal did not start");
        PickerSession picker(configDir.path());
        QVERIFY2(StartOnBus(picker, bus_.Address()), "the picker never showed its first color");
        PointAt(picker, kToggle.center());
        // Time for the toggle to show the pointer over it, a look no state of the window says.
        QTest::qWait(200);
        const QImage before = ToggleShown(picker);
        Xdotool({QStringLiteral("click"), QStringLiteral("1")});
        E2E_TRY_VERIFY(ToggleShown(picker) != before);
        // A while for the toggle to come back up by itself: it may not.
        QTest::qWait(500);
        pressed = ToggleShown(picker);
        QCOMPARE(PreviewColor(picker), qRgb(255, 0, 0));

        picker.Key(QStringLiteral("Escape"));
        E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#FF0000"));
        E2E_TRY_VERIFY(ToggleShown(picker) != pressed);
        // Time for the raised look to be painted whole, which the first change may not be.
        QTest::qWait(200);
        released = ToggleShown(picker);
    }

    // No portal on the bus: the toggle comes back up by itself.
    PickerSession picker(configDir.path());
    QVERIFY2(StartOnBus(picker, bus_.Address()), "the picker never showed its first color");
    ClickAt(picker, kToggle.center());
    E2E_TRY_COMPARE(ToggleShown(picker), released);
    QCOMPARE(PreviewColor(picker), qRgb(255, 0, 0));
}

QTEST_GUILESS_MAIN(WaylandSessionTest)
#include "wayland_session_test.moc"
