// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The eyedropper end to end on a real compositor: the picker on XWayland in a headless mutter
// session (run by with-mutter), asking the real xdg-desktop-portal frontend, whose backend (the
// tests' own) hands it mutter's own screen cast of the monitor with the pointer as metadata.
// The pointer is moved by mutter's RemoteDesktop service over windows of known colors, so the
// pixels and the pointer's position both come from the compositor, as on a GNOME desktop.
#include "tests/e2e/picker_session.h"
#include "tests/e2e/solid_color_window.h"
#include "tests/portal/portal_stack.h"
#include "tests/wayland/mutter_pointer_client.h"

#include <array>

using namespace tessavundo::e2e;
using namespace tessavundo::testing;

namespace {

const QPoint kToggle(340, 20);
const QPoint kRgbCopy(412, 52);
const QString kSessionClosed = QStringLiteral("Session.Close");
const QString kRecordingStopped = QStringLiteral("mutter.Stop");

// Other applications' windows, each of one color, where the pointer is to go.
struct ColoredWindow {
    QString name;
    QRgb color;
    QPoint place;
};
const std::array<ColoredWindow, 3> kColoredWindows = {
    {{QStringLiteral("#AB3210"), qRgb(0xAB, 0x32, 0x10), {900, 40}},
     {QStringLiteral("#1E90C8"), qRgb(0x1E, 0x90, 0xC8), {900, 300}},
     {QStringLiteral("#4CA03C"), qRgb(0x4C, 0xA0, 0x3C), {40, 500}}}};

// Mutter sends the pointer's place with the next frame after it moved, and only when it
// moved: the pointer is nudged by a pixel at a time until the preview shows `color`.
bool PreviewFollowsTo(const PickerSession& picker, MutterPointer& pointer, QPoint point,
                      QRgb color) {
    int nudge = 0;
    return QTest::qWaitFor(
        [&] {
            if (!pointer.MoveTo(point + QPoint(nudge++ % 2, 0)))
                return false;
            // Time for the frame that carries the move.
            QTest::qWait(20);
            return PreviewColor(picker) == color;
        },
        kMutterPatienceMs);
}

} // namespace

class MutterEyedropperTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void previewFollowsThePointerAndEscapeCopies();
};

void MutterEyedropperTest::initTestCase() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs a mutter session with XWayland: run through ctest, which starts one");
}

void MutterEyedropperTest::previewFollowsThePointerAndEscapeCopies() {
    PortalStack stack;
    if (const QString why = stack.StartOnMutter(); !why.isEmpty())
        QSKIP(qPrintable(why));
    MutterPointer pointer;
    QVERIFY2(pointer.Ready(), "mutter started no remote-desktop session");

    std::array<SolidColorWindow, kColoredWindows.size()> windows;
    for (std::size_t i = 0; i < windows.size(); ++i)
        QVERIFY2(windows[i].Show(kColoredWindows[i].name, kColoredWindows[i].place),
                 "a solid color window never appeared on XWayland");

    QTemporaryDir home;
    PickerSession picker(home.filePath(QStringLiteral("config")));
    picker.UnsetEnvironment(QStringLiteral("QT_QPA_PLATFORM"));
    picker.SetEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), stack.BusAddress());
    picker.SetEnvironment(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
    QVERIFY2(picker.Start(), "no X11 window titled Tessavundo appeared on XWayland");
    Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), picker.Window()});
    E2E_TRY_COMPARE_WITH_TIMEOUT(PreviewColor(picker), qRgb(255, 0, 0), kMutterPatienceMs);

    picker.Click(kToggle.x(), kToggle.y());
    E2E_TRY_COMPARE_WITH_TIMEOUT(stack.CallsOf(QStringLiteral("mutter.PipeWireStreamAdded")).size(),
                                 1, kMutterPatienceMs);

    for (std::size_t i = 0; i < windows.size(); ++i)
        QVERIFY2(PreviewFollowsTo(picker, pointer, windows[i].Centre(), kColoredWindows[i].color),
                 qPrintable(QStringLiteral("the preview never showed ") + kColoredWindows[i].name));

    picker.Key(QStringLiteral("Escape"));
    E2E_TRY_COMPARE_WITH_TIMEOUT(ClipboardText(), QStringLiteral("#4CA03C"), kMutterPatienceMs);
    E2E_TRY_COMPARE_WITH_TIMEOUT(stack.CallsOf(kSessionClosed).size(), 1, kMutterPatienceMs);
    E2E_TRY_COMPARE_WITH_TIMEOUT(stack.CallsOf(kRecordingStopped).size(), 1, kMutterPatienceMs);
    QCOMPARE(stack.CallsOf(QStringLiteral("PickColor")).size(), 0);

    // The other field holds the same pixel; its Copy button puts its text on the clipboard.
    picker.Click(kRgbCopy.x(), kRgbCopy.y());
    E2E_TRY_COMPARE_WITH_TIMEOUT(ClipboardText(), QStringLiteral("rgb(76,160,60)"),
                                 kMutterPatienceMs);
}

QTEST_GUILESS_MAIN(MutterEyedropperTest)
#include "mutter_eyedropper_test.moc"
