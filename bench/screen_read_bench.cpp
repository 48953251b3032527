// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// One pixel read through the screen source against Qt's own screen grab of one logical pixel.
// Needs an X display; without one it says so and measures nothing.

#include "platform/screen/create_screen_source.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <benchmark/benchmark.h>
#include <cstdio>

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
