// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "tests/platform/screen_source_contract.h"
#include "tests/support/fake_screen_source.h"

#include <QTest>

using namespace tessavundo;

// The fake keeps the real sources' contract (x11_screen_source_test runs the same table), and
// reports to the window's tests what was asked of it.
class FakeScreenSourceTest : public QObject {
    Q_OBJECT

private slots:
    void keepsTheContract_data() { test::AddContractRows(); }
    void keepsTheContract();
    void pixelsComeFromTheSetPixelsThenTheFunction();
    void releasingTwiceCountsOnce();
    void aContextTakenTwiceShowsAsLeaked();
    void rectanglesScaleFromTheOrigin();
};

void FakeScreenSourceTest::keepsTheContract() {
    QFETCH(test::ContractClause, clause);
    FakeScreenSource screen;
    screen.SetPixelFunction([](QPoint) { return 0x123456; });
    clause(screen, QPoint(5, 5), 0x123456);
}

void FakeScreenSourceTest::pixelsComeFromTheSetPixelsThenTheFunction() {
    FakeScreenSource screen;
    const ScreenDC dc = screen.GetWindowDC();
    QCOMPARE(screen.GetPixel(dc, 3, 4), kInvalidColor);

    screen.SetPixelFunction([](QPoint point) { return point.x() + 256 * point.y(); });
    screen.SetPixel(QPoint(1, 1), 0x0000FF);
    screen.MarkUnreadable(QPoint(2, 2));
    QCOMPARE(screen.GetPixel(dc, 3, 4), 3 + 256 * 4);
    QCOMPARE(screen.GetPixel(dc, 1, 1), 0x0000FF);
    QCOMPARE(screen.GetPixel(dc, 2, 2), kInvalidColor);
    QCOMPARE(screen.PixelReads(), 4);
}

void FakeScreenSourceTest::releasingTwiceCountsOnce() {
    FakeScreenSource screen;
    const ScreenDC dc = screen.GetWindowDC();
    screen.ReleaseDC(dc);
    QCOMPARE(screen.HeldContexts(), 0);
    screen.ReleaseDC(dc);
    QCOMPARE(screen.HeldContexts(), 0);
    QCOMPARE(screen.MostHeldContexts(), 1);
}

void FakeScreenSourceTest::aContextTakenTwiceShowsAsLeaked() {
    FakeScreenSource screen;
    const ScreenDC first = screen.GetWindowDC();
    const ScreenDC second = screen.GetWindowDC();
    QVERIFY(second != first);
    screen.ReleaseDC(first);
    QCOMPARE(screen.HeldContexts(), 2);
    screen.ReleaseDC(second);
    QCOMPARE(screen.HeldContexts(), 1);
    QCOMPARE(screen.MostHeldContexts(), 2);
    QCOMPARE(screen.TakenContexts(), 2);
}

void FakeScreenSourceTest::rectanglesScaleFromTheOrigin() {
    FakeScreenSource screen;
    const QRect logical(10, 20, 30, 40);
    screen.SetScaleFactor(1.5);
    QCOMPARE(screen.ToPhysicalPixels(logical), QRect(15, 30, 45, 60));
}

QTEST_APPLESS_MAIN(FakeScreenSourceTest)
#include "fake_screen_source_test.moc"
