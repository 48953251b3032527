// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "tests/support/fake_screen_source.h"

#include <QTest>

using namespace tessavundo;

// The fake must keep the real source's contract, or window tests would pass against a screen
// that behaves differently.
class FakeScreenSourceTest : public QObject {
    Q_OBJECT

private slots:
    void pixelsComeFromTheSetPixelsThenTheFunction();
    void onlyTheHeldContextReads();
    void aContextTakenTwiceShowsAsLeaked();
    void rectanglesScaleFromTheOrigin();
};

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

void FakeScreenSourceTest::onlyTheHeldContextReads() {
    FakeScreenSource screen;
    screen.SetPixelFunction([](QPoint) { return 0x123456; });
    QCOMPARE(screen.GetPixel(0, 0, 0), kInvalidColor);

    const ScreenDC dc = screen.GetWindowDC();
    QVERIFY(dc != 0);
    QCOMPARE(screen.GetPixel(dc, 0, 0), 0x123456);
    screen.ReleaseDC(dc);
    QCOMPARE(screen.GetPixel(dc, 0, 0), kInvalidColor);
    QCOMPARE(screen.HeldContexts(), 0);

    // Releasing twice counts once.
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
    QCOMPARE(screen.ToPhysicalPixels(logical), logical);
    screen.SetScaleFactor(1.5);
    QCOMPARE(screen.ToPhysicalPixels(logical), QRect(15, 30, 45, 60));
}

QTEST_APPLESS_MAIN(FakeScreenSourceTest)
#include "fake_screen_source_test.moc"
