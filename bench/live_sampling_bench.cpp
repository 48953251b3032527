// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The eyedropper of the real program as a user meets it, on a whole desktop: how long from the
// pointer's move to the preview's change (p50, p95), the program's share of a core while it
// samples a resting and a moving pointer, and its resident memory.
//
//   tests/wayland/with-mutter build/live_sampling_bench mutter
//       the picker on XWayland, mutter's screen cast through the real portal frontend, the
//       pointer moved by mutter's RemoteDesktop service
//   tests/e2e/with-xvfb build/live_sampling_bench x11
//       the picker on Xvfb, reading the root window, the pointer warped by the X server
//
// The preview is read back from the picker's own window through the X server, one pixel at a
// time, so the latency includes the program's repaint.
#include "tests/e2e/picker_session.h"
#include "tests/e2e/solid_color_window.h"
#include "tests/portal/portal_stack.h"
#include "tests/wayland/mutter_pointer_client.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

using namespace tessavundo::e2e;
using namespace tessavundo::testing;

namespace {

const QPoint kToggle(340, 20);
constexpr int kMoves = 100;
constexpr int kMoveTimeoutMs = 2000;
constexpr int kPhaseMs = 5000;
// A desktop's pointer moves at most once a frame.
constexpr int kFrameMs = 16;

// The pointer: mutter's own, or the X server's.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual bool MoveTo(QPoint point) = 0;
};

class MutterDesktopPointer final : public Pointer {
public:
    bool Ready() { return pointer_.Ready(); }
    bool MoveTo(QPoint point) override { return pointer_.MoveTo(point); }

private:
    MutterPointer pointer_;
};

class X11Pointer final : public Pointer {
public:
    explicit X11Pointer(xcb_connection_t* connection)
        : connection_(connection) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    }
    bool MoveTo(QPoint point) override {
        xcb_warp_pointer(connection_, XCB_NONE, root_, 0, 0, 0, 0,
                         static_cast<std::int16_t>(point.x()),
                         static_cast<std::int16_t>(point.y()));
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        return true;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
};

// One pixel of a window, as the X server holds it; 0 when it cannot be read.
std::uint32_t WindowPixel(xcb_connection_t* connection, xcb_window_t window, QPoint point) {
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window,
                                          static_cast<std::int16_t>(point.x()),
                                          static_cast<std::int16_t>(point.y()), 1, 1, ~0U),
                            nullptr);
    if (reply == nullptr)
        return 0;
    std::uint32_t pixel = 0;
    if (xcb_get_image_data_length(reply) >= 4)
        std::memcpy(&pixel, xcb_get_image_data(reply), sizeof pixel);
    free(reply);
    return pixel & 0xFFFFFFU;
}

struct ProcessUse {
    double cpuSeconds = 0;
    long residentKiB = 0;
};

ProcessUse ReadUse(qint64 pid) {
    ProcessUse use;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray text = stat.readAll();
        // The fields after the command's name, which may hold spaces, in parentheses.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
        use.cpuSeconds = (fields.value(11).toDouble() + fields.value(12).toDouble()) / ticks;
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                use.residentKiB = line.mid(6).trimmed().split(' ').value(0).toLong();
    return use;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[index];
}

// The share of one core the program took while `during` ran for `phaseMs`.
double CpuShare(qint64 pid, const std::function<void()>& during) {
    const ProcessUse before = ReadUse(pid);
    QElapsedTimer clock;
    clock.start();
    during();
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    return 100.0 * (ReadUse(pid).cpuSeconds - before.cpuSeconds) / seconds;
}

int Fail(const char* why) {
    std::fprintf(stderr, "live_sampling_bench: %s\n", why);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const bool onMutter = argc > 1 && QByteArray(argv[1]) == "mutter";
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return Fail("no X display");

    PortalStack stack;
    std::unique_ptr<Pointer> pointer;
    if (onMutter) {
        if (const QString why = stack.StartOnMutter(); !why.isEmpty())
            return Fail(qPrintable(why));
        auto mutter = std::make_unique<MutterDesktopPointer>();
        if (!mutter->Ready())
            return Fail("mutter started no remote-desktop session");
        pointer = std::move(mutter);
    } else {
        pointer = std::make_unique<X11Pointer>(connection);
    }

    const std::array<QString, 2> names = {QStringLiteral("#AB3210"), QStringLiteral("#1E90C8")};
    const std::array<std::uint32_t, 2> colors = {0xAB3210, 0x1E90C8};
    std::array<SolidColorWindow, 2> windows;
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (!windows[i].Show(names[i], QPoint(900, 40 + 260 * static_cast<int>(i))))
            return Fail("a solid color window never appeared");

    QTemporaryDir home;
    PickerSession picker(home.filePath(QStringLiteral("config")));
    picker.UnsetEnvironment(QStringLiteral("QT_QPA_PLATFORM"));
    if (onMutter)
        picker.SetEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), stack.BusAddress());
    picker.SetEnvironment(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
    if (!picker.Start())
        return Fail("the picker's window never appeared");
    if (onMutter)
        Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), picker.Window()});
    else
        picker.Focus();
    const auto window = static_cast<xcb_window_t>(picker.Window().toULong());
    const qint64 pid = picker.Process().processId();
    if (!QTest::qWaitFor([&] { return WindowPixel(connection, window, kPreview) == 0xFF0000; }))
        return Fail("the picker never painted its preview");
    picker.Click(kToggle.x(), kToggle.y());

    // Sampling runs once the preview follows the pointer.
    int nudge = 0;
    if (!QTest::qWaitFor(
            [&] {
                pointer->MoveTo(windows[0].Centre() + QPoint(nudge++ % 2, 0));
                QTest::qWait(20);
                return WindowPixel(connection, window, kPreview) == colors[0];
            },
            kMutterPatienceMs))
        return Fail("the preview never followed the pointer");

    std::vector<double> latencies;
    int missed = 0;
    for (int move = 1; move <= kMoves; ++move) {
        const std::size_t target = static_cast<std::size_t>(move) % 2;
        QElapsedTimer clock;
        clock.start();
        pointer->MoveTo(windows[target].Centre() + QPoint(move % 7, move % 5));
        while (WindowPixel(connection, window, kPreview) != colors[target] &&
               clock.elapsed() < kMoveTimeoutMs)
            usleep(100);
        if (clock.elapsed() >= kMoveTimeoutMs)
            ++missed;
        latencies.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        // Out of step with the compositor's frames, so that the moves meet every phase of them.
        QTest::qWait(kFrameMs + move % kFrameMs);
    }

    const double resting = CpuShare(pid, [] { QTest::qWait(kPhaseMs); });
    const double moving = CpuShare(pid, [&] {
        QElapsedTimer clock;
        clock.start();
        for (int frame = 0; clock.elapsed() < kPhaseMs; ++frame) {
            pointer->MoveTo(windows[static_cast<std::size_t>(frame) % 2].Centre() +
                            QPoint(frame % 9, 0));
            QTest::qWait(kFrameMs);
        }
    });
    const ProcessUse use = ReadUse(pid);
    const bool stillSampling = WindowPixel(connection, window, kPreview) != 0xFF0000;

    std::printf(
        "%-7s move->preview p50 %.1f ms  p95 %.1f ms  max %.1f ms (%d moves, %d never shown)\n",
        onMutter ? "mutter" : "x11", Percentile(latencies, 0.5), Percentile(latencies, 0.95),
        Percentile(latencies, 1.0), kMoves, missed);
    std::printf("%-7s CPU resting %.1f %%  moving (60 Hz) %.1f %%  VmRSS %.1f MiB%s\n",
                onMutter ? "mutter" : "x11", resting, moving,
                static_cast<double>(use.residentKiB) / 1024.0,
                stillSampling ? "" : "  (sampling had ended!)");
    xcb_disconnect(connection);
    return 0;
}
