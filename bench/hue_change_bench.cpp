// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// One hue change as the user sees it (render, write back, repaint of the field), against the
// least that could show it: the render and one repaint of a bare widget showing a 256 x 256
// image.
#include "bench/paint_counter.h"
#include "core/pixel_bytes.h"
#include "core/shade_field.h"
#include "platform/toolkit/picture_box.h"
#include "tests/support/form_harness.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>

using namespace tessavundo;

namespace {

void ShowAndWaitForExposure(QWidget& widget) {
    widget.show();
    while (!widget.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

// The next hue of a sweep over the whole bar in uneven steps.
float NextHue(float position) {
    return position >= 1535 ? 0 : position + 7.25f;
}

class ImageWidget : public QWidget {
public:
    ImageWidget() { setFixedSize(256, 256); }

    QImage image{256, 256, QImage::Format_RGB32};
    // The field's bytes are blue, green, red, unused; the image holds native 32-bit words, so
    // on a big-endian machine the bytes must be turned round on the way in, as the window does.
    std::array<std::uint8_t, kShadeFieldBytes> pixelBytes{};

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image); }
};

void BM_HueChangeShown(benchmark::State& state) {
    testing::FormHarness window;
    window.Start();
    Form1& form = *window.form;
    ShowAndWaitForExposure(form);
    bench::PaintCounter counter(form.Picture1);
    float position = 0;
    for (auto _ : state) {
        position = NextHue(position);
        form.HuePosition = position;
        form.Command2_Click();
        form.Picture1->repaint();
    }
    state.counters["paints_per_change"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HueChangeShown)->Unit(benchmark::kMicrosecond);

void BM_RenderAndRepaintAlone(benchmark::State& state) {
    ImageWidget widget;
    ShowAndWaitForExposure(widget);
    bench::PaintCounter counter(&widget);
    float position = 0;
    for (auto _ : state) {
        position = NextHue(position);
        RenderShadeField(position, widget.pixelBytes);
        CopyPixelBytesToWords(widget.pixelBytes.data(), widget.image.bits(), kShadeFieldBytes);
        widget.repaint();
    }
    state.counters["paints_per_change"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RenderAndRepaintAlone)->Unit(benchmark::kMicrosecond);

} // namespace
