// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// The saved position on a desktop of two monitors side by side (run by with-dummy-xorg), and
// after the right one is gone.
#include "tests/e2e/picker_session.h"
#include "tests/support/settings_files.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tessavundo::e2e;
using tessavundo::testing::WriteFile;

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMonitorWidth = 1280;
constexpr int kWindowWidth = 441;

void SetRightMonitor(bool present) {
    if (present)
        Run("xrandr", {"--setmonitor", "RIGHT", "1280/338x1024/270+1280+0", "none"});
    else
        Run("xrandr", {"--delmonitor", "RIGHT"});
}

// Where the window stands on the desktop, from the X server.
QPoint WindowPosition(const PickerSession& picker) {
    const QByteArray shell = Xdotool({"getwindowgeometry", "--shell", picker.Window()});
    QPoint position(-1, -1);
    for (const QByteArray& line : shell.split('\n'))
        if (line.startsWith("X="))
            position.setX(line.mid(2).toInt());
        else if (line.startsWith("Y="))
            position.setY(line.mid(2).toInt());
    return position;
}

QPoint StartAt(const QString& configDir, QPoint saved, QPoint& savedAtExit,
               const QString& scaleFactor = QStringLiteral("1")) {
    WriteFile(configDir + "/ColorPicker.conf", QStringLiteral("[position]\nleft=%1\ntop=%2\n")
                                                   .arg(saved.x() * kTwipsPerPixel)
                                                   .arg(saved.y() * kTwipsPerPixel)
                                                   .toUtf8());
    PickerSession picker(configDir);
    picker.SetEnvironment("QT_SCALE_FACTOR", scaleFactor);
    if (!picker.Start())
        return {-1, -1};
    const QPoint position = WindowPosition(picker);
    picker.Process().terminate();
    picker.Process().waitForFinished(10000);
    QSettings stored(configDir + "/ColorPicker.conf", QSettings::IniFormat);
    savedAtExit =
        QPoint(stored.value("position/left").toInt(), stored.value("position/top").toInt()) /
        kTwipsPerPixel;
    return position;
}

} // namespace

class TwoMonitorPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void savedPositionOnEitherMonitor();
    void topPanel();
    void largerDisplayScale();
};

void TwoMonitorPlacementTest::savedPositionOnEitherMonitor() {
    QTemporaryDir configDir;
    QPoint savedAtExit;
    SetRightMonitor(true);
    // Wholly on the right monitor: restored exactly, and saved again as it was.
    QCOMPARE(StartAt(configDir.path(), {1500, 200}, savedAtExit), QPoint(1500, 200));
    QCOMPARE(savedAtExit, QPoint(1500, 200));
    // Across the seam, mostly on the left monitor: moved just enough to be wholly on it.
    QCOMPARE(StartAt(configDir.path(), {1000, 200}, savedAtExit),
             QPoint(kMonitorWidth - kWindowWidth, 200));

    // The right monitor is gone: the window comes back onto the left one, near where it was.
    SetRightMonitor(false);
    QCOMPARE(StartAt(configDir.path(), {1500, 200}, savedAtExit),
             QPoint(kMonitorWidth - kWindowWidth, 200));
    QCOMPARE(savedAtExit, QPoint(kMonitorWidth - kWindowWidth, 200));
    SetRightMonitor(true);
}

void TwoMonitorPlacementTest::topPanel() {
    // A 30-pixel panel along the top, as a window manager announces it. The toolkit takes the
    // announced area for a desktop of one monitor only, since it covers the whole desktop.
    SetRightMonitor(false);
    Run("xprop",
        {"-root", "-f", "_NET_SUPPORTED", "32a", "-set", "_NET_SUPPORTED", "_NET_WORKAREA"});
    Run("xprop",
        {"-root", "-f", "_NET_WORKAREA", "32c", "-set", "_NET_WORKAREA", "0, 30, 1280, 994"});
    QTemporaryDir configDir;
    QPoint savedAtExit;
    // Under the panel: moved just below it, and saved there.
    QCOMPARE(StartAt(configDir.path(), {500, 10}, savedAtExit), QPoint(500, 30));
    QCOMPARE(savedAtExit, QPoint(500, 30));
    Run("xprop", {"-root", "-remove", "_NET_WORKAREA"});
    Run("xprop", {"-root", "-remove", "_NET_SUPPORTED"});
    SetRightMonitor(true);
}

void TwoMonitorPlacementTest::largerDisplayScale() {
    // Saved at scale 1 near the bottom of the left monitor; at scale 2 each monitor is 640 x 512
    // logical pixels, and the window, twice as large, is pulled wholly onto the left one.
    QTemporaryDir configDir;
    QPoint savedAtExit;
    const QPoint placed = StartAt(configDir.path(), {1000, 600}, savedAtExit, "2");
    QCOMPARE(placed, QPoint(2 * (640 - 441), 2 * (512 - 273)));
}

QTEST_GUILESS_MAIN(TwoMonitorPlacementTest)
#include "two_monitor_placement_test.moc"
