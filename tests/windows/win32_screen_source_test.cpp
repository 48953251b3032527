// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/screen/create_screen_source.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <windows.h>

namespace tessavundo {

// The Windows screen on Wine's windows platform, where Wine shows windows on its X server: a
// window of a known color is read back through the same calls as the eyedropper's.
class Win32ScreenSourceTest : public QObject {
    Q_OBJECT

private slots:
    void TheProcessIsPerMonitorDpiAware() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("windows"));
        QCOMPARE(::GetAwarenessFromDpiAwarenessContext(::GetThreadDpiAwarenessContext()),
                 DPI_AWARENESS_PER_MONITOR_AWARE);
    }

    void ReadsTheColorOfAWindowOnTheScreen() {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
        window.setPalette(palette);
        window.setGeometry(100, 120, 60, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();

        const auto screen = CreateScreenSource();
        QVERIFY(screen->CanReadContinuously());
        QTRY_COMPARE(screen->GetActiveWindow(), window.winId());

        const QRect physical = screen->ToPhysicalPixels(window.geometry());
        const ScreenDC dc = screen->GetWindowDC();
        QVERIFY(dc != 0);
        // Red in the low byte, blue in the high one.
        QTRY_COMPARE(screen->GetPixel(dc, physical.center().x(), physical.center().y()),
                     PackedColor{0x12 + 0x34 * 256 + 0x56 * 65536});
        QCOMPARE(screen->GetPixel(dc, -1000000, -1000000), kInvalidColor);
        QCOMPARE(screen->GetPixel(dc + 1, physical.center().x(), physical.center().y()),
                 kInvalidColor);

        // A new context replaces the held one, whose handle then reads nothing.
        const ScreenDC next = screen->GetWindowDC();
        QCOMPARE(screen->GetPixel(dc, physical.center().x(), physical.center().y()), kInvalidColor);
        screen->ReleaseDC(next);
        QCOMPARE(screen->GetPixel(next, physical.center().x(), physical.center().y()),
                 kInvalidColor);
        screen->ReleaseDC(next);
    }

    void ReportsThePointerInScreenPixels() {
        const auto screen = CreateScreenSource();
        QVERIFY(::SetCursorPos(321, 234));
        QCOMPARE(screen->GetCursorPos(), QPoint(321, 234));
    }
};

} // namespace tessavundo

QTEST_MAIN(tessavundo::Win32ScreenSourceTest)
#include "win32_screen_source_test.moc"
