// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// One tick of the eyedropper: the pointer, one pixel, both fields, the locate routine and the
// render it runs, against a fake screen.
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "tests/support/form_harness.h"

#include <benchmark/benchmark.h>

using namespace tessavundo;

namespace {

// A picker that samples, with its timer stopped so that only the benchmark runs the ticks.
struct SamplingBenchWindow : testing::FormHarness {
    SamplingBenchWindow() {
        Start();
        screen.SetActiveWindow(form->winId());
        screen.SetPixelFunction([](QPoint point) {
            return (point.x() & 0xFF) + 256 * (point.y() & 0xFF) + 65536 * 0x40;
        });
        form->Check1->SetValue(1);
        form->Timer1->SetEnabled(false);
    }
};

// Every tick a new color, so every tick renders the shade field: the pointer sweeping across
// a colorful screen.
void BM_SamplingTickNewColor(benchmark::State& state) {
    SamplingBenchWindow window;
    int x = 0;
    for (auto _ : state) {
        window.screen.SetCursorPos(QPoint(1000 + x, 900));
        window.form->Timer1_Timer();
        x = (x + 1) & 0xFF;
    }
}
BENCHMARK(BM_SamplingTickNewColor)->Unit(benchmark::kMicrosecond);

// The pointer resting over one pixel.
void BM_SamplingTickSameColor(benchmark::State& state) {
    SamplingBenchWindow window;
    window.screen.SetCursorPos(QPoint(1000, 900));
    for (auto _ : state)
        window.form->Timer1_Timer();
}
BENCHMARK(BM_SamplingTickSameColor)->Unit(benchmark::kMicrosecond);

// The pointer over the picker's own shade field, where nothing is sampled.
void BM_SamplingTickExcluded(benchmark::State& state) {
    SamplingBenchWindow window;
    window.screen.SetCursorPos(window.form->mapToGlobal(QPoint(100, 100)));
    for (auto _ : state)
        window.form->Timer1_Timer();
}
BENCHMARK(BM_SamplingTickExcluded)->Unit(benchmark::kMicrosecond);

} // namespace
