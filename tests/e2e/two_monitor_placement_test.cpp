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
    for (const QByteArray& line : shell.split('\n')) {
        if (line.startsWith("X="))
            position.setX(line.mid(2).toInt());
        else if (line.startsWith("Y="))
            position.setY(line.mid(2).toInt());
    }
    return position;
}

QPoint StartAt(const QString& configDir, QPoint saved, QPoint& savedAtExit) {
    WriteFile(configDir + "/ColorPicker.conf", QStringLiteral("[position]\nleft=%1\ntop=%2\n")
                                                   .arg(saved.x() * kTwipsPerPixel)
                                                   .arg(saved.y() * kTwipsPerPixel)
                                                   .toUtf8());
    PickerSession picker(configDir);
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

QTEST_GUILESS_MAIN(TwoMonitorPlacementTest)
#include "two_monitor_placement_test.moc"
