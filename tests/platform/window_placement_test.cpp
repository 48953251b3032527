// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// Where a window restored from an earlier run goes, on desktops of made-up screens.
#include "platform/desktop/window_placement.h"

#include <QTest>

using tessavundo::PlaceRestoredWindow;
using tessavundo::ScreenArea;

namespace {

// The picker's frame, about as large as with a title bar.
constexpr QSize kFrame(443, 298);
const QRect kFullHd(0, 0, 1920, 1080);
// A 30-pixel panel along the top.
const QRect kBelowTopPanel(0, 30, 1920, 1050);
const QRect kRightFullHd(1920, 0, 1920, 1080);

QList<ScreenArea> Screens(const QList<QRect>& geometries, const QList<QRect>& available = {}) {
    QList<ScreenArea> screens;
    for (qsizetype i = 0; i < geometries.size(); ++i)
        screens.append({geometries[i], available.value(i, geometries[i])});
    return screens;
}

} // namespace

Q_DECLARE_METATYPE(QList<ScreenArea>)

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
};

void WindowPlacementTest::placement_data() {
    QTest::addColumn<QList<ScreenArea>>("screens");
    QTest::addColumn<QPoint>("saved");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("placed");

    const auto one = Screens({kFullHd});
    const auto panel = Screens({kFullHd}, {kBelowTopPanel});
    const auto two = Screens({kFullHd, kRightFullHd});
    // clang-format off
    QTest::newRow("inside one screen") << one << QPoint(100, 200) << kFrame << QPoint(100, 200);
    QTest::newRow("title band inside, the rest below the screen") << one << QPoint(100, 1050)
        << kFrame << QPoint(100, 1050);
    QTest::newRow("top-left corner exactly") << one << QPoint(0, 0) << kFrame << QPoint(0, 0);
    QTest::newRow("title band under a top panel") << panel << QPoint(100, 10) << kFrame
        << QPoint(100, 30);
    QTest::newRow("just below the panel") << panel << QPoint(100, 30) << kFrame << QPoint(100, 30);
    QTest::newRow("one pixel past the right edge") << one << QPoint(1920 - 443 + 1, 500) << kFrame
        << QPoint(1920 - 443, 500);
    QTest::newRow("above every screen") << one << QPoint(300, -50) << kFrame << QPoint(300, 0);
    QTest::newRow("on the second monitor") << two << QPoint(2500, 300) << kFrame
        << QPoint(2500, 300);
    QTest::newRow("second monitor removed") << one << QPoint(2500, 300) << kFrame
        << QPoint(1920 - 443, 300);
    QTest::newRow("far away, on no screen") << two << QPoint(-90000, -90000) << kFrame
        << QPoint(0, 0);
    QTest::newRow("across two monitors, mostly on the right") << two << QPoint(1800, 300) << kFrame
        << QPoint(1920, 300);
    QTest::newRow("across two monitors, mostly on the left") << two << QPoint(1600, 300) << kFrame
        << QPoint(1920 - 443, 300);
    QTest::newRow("monitor left of the primary one")
        << Screens({kFullHd, QRect(-1280, 0, 1280, 1024)}) << QPoint(-1000, 500) << kFrame
        << QPoint(-1000, 500);
    QTest::newRow("primary screen listed first gets what overlaps none")
        << Screens({kRightFullHd, kFullHd}) << QPoint(9000, 9000) << kFrame
        << QPoint(3840 - 443, 1080 - 298);
    // Saved at display scale 1 near the bottom right, restored at scale 2: the frame is twice
    // as large and the desktop half as many logical pixels.
    QTest::newRow("grown with the display scale") << Screens({QRect(0, 0, 960, 540)})
        << QPoint(700, 100) << QSize(886, 596) << QPoint(960 - 886, 0);
    QTest::newRow("larger than the screen keeps its title band on it")
        << Screens({QRect(0, 0, 400, 200)}, {QRect(0, 20, 400, 180)}) << QPoint(50, 50) << kFrame
        << QPoint(0, 20);
    QTest::newRow("no screens at all") << QList<ScreenArea>() << QPoint(5, 6) << kFrame
        << QPoint(5, 6);
    // clang-format on
}

void WindowPlacementTest::placement() {
    QFETCH(QList<ScreenArea>, screens);
    QFETCH(QPoint, saved);
    QFETCH(QSize, frame);
    QFETCH(QPoint, placed);
    QCOMPARE(PlaceRestoredWindow(QRect(saved, frame), screens), placed);
}

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
