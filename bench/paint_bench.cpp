// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Painting the shade field as each repaint does, at display scales 1 and 2: the border, the
// image enlarged without smoothing, and the field marker.
#include "platform/toolkit/picture_box.h"
#include "tests/support/form_harness.h"

#include <QImage>
#include <benchmark/benchmark.h>

using namespace tessavundo;

static void BM_PaintShadeField(benchmark::State& state) {
    testing::FormHarness window;
    window.Start();
    PictureBox& field = *window.form->Picture1;
    const auto scale = static_cast<int>(state.range(0));
    QImage target(field.size() * scale, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(scale);
    for (auto _ : state) {
        field.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintShadeField)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
