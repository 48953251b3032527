// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The shade field as the window renders it, and the rainbow bar as start-up draws it.
#include "core/hue_scale.h"
#include "platform/toolkit/picture_box.h"
#include "tests/support/form_harness.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace tessavundo;

// Fetch, compute, write back and the repaint request, as every hue change does.
static void BM_Command2Click(benchmark::State& state) {
    testing::FormHarness window;
    window.Start();
    float position = 0;
    for (auto _ : state) {
        window.form->HuePosition = position;
        window.form->Command2_Click();
        position = position >= 1535 ? 0 : position + 7.25f;
    }
}
BENCHMARK(BM_Command2Click)->Unit(benchmark::kMicrosecond);

// The 1536 lines of the rainbow bar, drawn as start-up draws them.
static void BM_DrawRainbowBar(benchmark::State& state) {
    PictureBox bar;
    bar.setGeometry(0, 0, 17, 258);
    bar.KeepImage();
    bar.SetScaleHeight(1535);
    bar.SetScaleWidth(1);
    for (auto _ : state) {
        for (int p = 0; p < kHuePositionCount; ++p) {
            const ChannelTriple hue = PureHueColor(p);
            const auto y = static_cast<float>(p);
            bar.Line(0, y, 1, y, hue.red + 256 * hue.green + 65536 * hue.blue);
        }
    }
}
BENCHMARK(BM_DrawRainbowBar)->Unit(benchmark::kMicrosecond);
