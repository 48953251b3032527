// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// One pixel read through the screen source against Qt's own screen grab of one logical pixel,
// and one update of the one-shot pick's magnifier. Needs an X display; without one it says so
// and measures nothing.

#include "platform/screen/create_screen_source.h"
#include "platform/screen/x11_magnifier.h"
#include "platform/screen/x11_toolkit_connection.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

void BM_ScreenSourcePixel(benchmark::State& state) {
    const auto source = tessavundo::CreateScreenSource();
    const tessavundo::ScreenDC dc = source->GetWindowDC();
    for (auto _ : state)
        benchmark::DoNotOptimize(source->GetPixel(dc, 10, 10));
    source->ReleaseDC(dc);
}
BENCHMARK(BM_ScreenSourcePixel);

void BM_ScreenSourcePointerAndPixel(benchmark::State& state) {
    const auto source = tessavundo::CreateScreenSource();
    const tessavundo::ScreenDC dc = source->GetWindowDC();
    for (auto _ : state) {
        const QPoint pointer = source->GetCursorPos();
        benchmark::DoNotOptimize(source->GetPixel(dc, pointer.x(), pointer.y()));
    }
    source->ReleaseDC(dc);
}
BENCHMARK(BM_ScreenSourcePointerAndPixel);

void BM_QScreenGrabWindow(benchmark::State& state) {
    QScreen* screen = QGuiApplication::primaryScreen();
    for (auto _ : state)
        benchmark::DoNotOptimize(screen->grabWindow(0, 10, 10, 1, 1).toImage().pixel(0, 0));
}
BENCHMARK(BM_QScreenGrabWindow);

// What a pointer move costs the pick: the pixels around the pointer read, the view drawn and
// uploaded as a new cursor; the round trip at the end waits for the server to have taken it.
void BM_MagnifierUpdate(benchmark::State& state) {
    xcb_connection_t* connection = tessavundo::ToolkitConnection();
    const xcb_screen_t* screen = tessavundo::DefaultScreen(connection);
    tessavundo::X11Magnifier magnifier(connection, *screen);
    if (!magnifier.Available()) {
        state.SkipWithError("the X server offers no alpha cursor large enough");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const xcb_cursor_t cursor = magnifier.CursorAt(*screen, QPoint(100 + step % 50, 100));
        xcb_free_cursor(connection, cursor);
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        ++step;
    }
}
BENCHMARK(BM_MagnifierUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::puts("screen_read_bench: skipped, no X display (run it under xvfb-run)");
        return 0;
    }
    QGuiApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::puts("screen_read_bench: skipped, the toolkit is not on X11 (QT_QPA_PLATFORM=xcb)");
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
