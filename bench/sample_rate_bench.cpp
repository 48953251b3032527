// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// How many samples per second the eyedropper takes from a real X server, with the window's
// event loop running as it does for the user: ticks, repaints and all. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb build/window_bench
//       --benchmark_filter=SampleRate
#include "bench/startup/process_stats.h"
#include "platform/screen/create_screen_source.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "tests/support/form_harness.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>
#include <sys/socket.h>
#include <xcb/xcb.h>

using namespace tessavundo;

namespace {

// The real screen, counting the pixels read.
class CountingScreenSource final : public ScreenSource {
public:
    explicit CountingScreenSource(std::unique_ptr<ScreenSource> screen)
        : screen_(std::move(screen)) {}

    int PixelReads() const { return pixelReads_; }

    QPoint GetCursorPos() override { return screen_->GetCursorPos(); }
    QRect ToPhysicalPixels(const QRect& logicalRect) override {
        return screen_->ToPhysicalPixels(logicalRect);
    }
    ScreenDC GetWindowDC() override { return screen_->GetWindowDC(); }
    void ReleaseDC(ScreenDC dc) override { screen_->ReleaseDC(dc); }
    PackedColor GetPixel(ScreenDC dc, int x, int y) override {
        ++pixelReads_;
        return screen_->GetPixel(dc, x, y);
    }
    WId GetActiveWindow() override { return screen_->GetActiveWindow(); }
    ScreenReading Reading() override { return screen_->Reading(); }

private:
    std::unique_ptr<ScreenSource> screen_;
    int pixelReads_ = 0;
};

// The X server at the other end of the toolkit's connection, when it runs on this machine.
std::optional<pid_t> XServerPid() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::nullopt;
    ucred peer{};
    socklen_t size = sizeof peer;
    if (getsockopt(xcb_get_file_descriptor(x11->connection()), SOL_SOCKET, SO_PEERCRED, &peer,
                   &size) != 0 ||
        peer.pid <= 0)
        return std::nullopt;
    return peer.pid;
}

void RunEventLoopFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool WaitUntilActive(const QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    while (QGuiApplication::focusWindow() != window.windowHandle() && waited.elapsed() < 5000)
        RunEventLoopFor(20);
    return QGuiApplication::focusWindow() == window.windowHandle();
}

// A window of many colors beside the picker, for the pointer to sweep across.
std::unique_ptr<QLabel> ColorfulWindow(QPoint position) {
    QImage image(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, qRgb(x, y, 0x40));
    auto window = std::make_unique<QLabel>();
    window->setPixmap(QPixmap::fromImage(image));
    window->setFixedSize(256, 256);
    window->move(position);
    return window;
}

// Each iteration runs the picker's event loop for one second while it samples; `moving` warps
// the pointer to a new pixel of the colorful window after every tick.
void SampleRate(benchmark::State& state, bool moving) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        state.SkipWithError("needs an X display and QT_QPA_PLATFORM=xcb");
        return;
    }
    testing::MemorySettingsStore settings;
    SystemClipboard clipboard;
    CountingScreenSource screen(CreateScreenSource());
    FakeColorPortal portal;
    Form1 form(FormServices{settings, clipboard, screen, portal});
    form.move(0, 0);
    const auto colorful = ColorfulWindow(QPoint(600, 100));
    colorful->show();
    form.show();
    form.activateWindow();
    if (!WaitUntilActive(form)) {
        state.SkipWithError("the picker window never became active");
        return;
    }
    QCursor::setPos(700, 200);
    int ticks = 0;
    int x = 0;
    QObject::connect(form.Timer1, &Timer::Tick, [&] {
        ++ticks;
        if (moving) {
            x = (x + 1) & 0xFF;
            QCursor::setPos(600 + x, 200);
        }
    });
    form.Check1->SetValue(1);
    // The X server answers every tick: its share of a core over the same time counts too.
    const std::optional<pid_t> server = XServerPid();
    const double serverCpuBefore = server ? startup::ReadCpuMs(*server) : 0;
    const auto started = std::chrono::steady_clock::now();
    for (auto _ : state)
        RunEventLoopFor(1000);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - started;
    const double serverCpu = server ? startup::ReadCpuMs(*server) - serverCpuBefore : 0;
    const bool stillSampling = form.Check1->Value() == 1;
    form.Check1->SetValue(0);
    if (!stillSampling) {
        state.SkipWithError("sampling ended on its own: the window lost the activation");
        return;
    }
    state.counters["ticks"] = benchmark::Counter(ticks, benchmark::Counter::kIsRate);
    state.counters["samples"] =
        benchmark::Counter(screen.PixelReads(), benchmark::Counter::kIsRate);
    if (server && serverCpu > 0)
        state.counters["x_server_cpu_percent"] = 100 * serverCpu / elapsed.count();
}

void BM_SampleRateResting(benchmark::State& state) {
    SampleRate(state, false);
}
BENCHMARK(BM_SampleRateResting)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_SampleRateSweeping(benchmark::State& state) {
    SampleRate(state, true);
}
BENCHMARK(BM_SampleRateSweeping)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
