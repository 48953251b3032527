// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/create_screen_source.h"

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <memory>

using namespace tessavundo;

// The offscreen platform has no X connection: the screen reads nothing, and nothing crashes.
class OffscreenScreenSourceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPixelIsUnreadable();
    void rectanglesKeepTheirPixels();
    void activeWindowFollowsFocus();
    void cannotReadContinuously();

private:
    std::unique_ptr<ScreenSource> source_;
};

void OffscreenScreenSourceTest::initTestCase() {
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("tests the offscreen platform: run with QT_QPA_PLATFORM=offscreen");
    source_ = CreateScreenSource();
    QVERIFY(source_);
}

void OffscreenScreenSourceTest::everyPixelIsUnreadable() {
    const ScreenDC dc = source_->GetWindowDC();
    QVERIFY(dc != 0);
    const QPoint pointer = source_->GetCursorPos();
    for (const QPoint point : {QPoint(0, 0), QPoint(10, 10), QPoint(-5, 3), pointer})
        QCOMPARE(source_->GetPixel(dc, point.x(), point.y()), kInvalidColor);
    source_->ReleaseDC(dc);
}

void OffscreenScreenSourceTest::rectanglesKeepTheirPixels() {
    const QRect rect(20, 30, 256, 256);
    QCOMPARE(source_->ToPhysicalPixels(rect), rect);
}

void OffscreenScreenSourceTest::activeWindowFollowsFocus() {
    QCOMPARE(source_->GetActiveWindow(), WId{0});
    QWidget window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(source_->GetActiveWindow(), window.winId());
    window.close();
    QTRY_COMPARE(source_->GetActiveWindow(), WId{0});
}

void OffscreenScreenSourceTest::cannotReadContinuously() {
    QVERIFY(!source_->CanReadContinuously());
}

QTEST_MAIN(OffscreenScreenSourceTest)
#include "offscreen_screen_source_test.moc"
