// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The screen-cast consumer on a real compositor: mutter's own stream of its virtual monitor
// (started by with-mutter), the pointer moved through mutter's RemoteDesktop service. This is
// where the format offer (a framerate range) and the room for mutter's 384x384 cursor bitmap
// are proved: get either wrong and mutter sends no frame or no pointer.
#include "platform/screencast/screen_cast_stream.h"
#include "tests/wayland/child_process.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace tessavundo {
namespace {

using test::ChildProcess;
using test::kPatience;
using namespace std::chrono_literals;

std::optional<CursorSample> WaitForPointerAt(const ScreenCastStream& stream, int x, int y) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    std::optional<CursorSample> sample;
    while (std::chrono::steady_clock::now() < deadline) {
        sample = stream.Latest();
        if (sample && sample->x == x && sample->y == y)
            return sample;
        std::this_thread::sleep_for(1ms);
    }
    return sample;
}

TEST(MutterScreenCast, FollowsThePointerOverTheMonitor) {
    if (std::getenv("WAYLAND_DISPLAY") == nullptr)
        GTEST_SKIP() << "no mutter session of the test's own (run it in with-mutter)";
    ChildProcess pointer(MUTTER_POINTER, {});
    const std::optional<std::string> node = pointer.WaitFor("node ");
    ASSERT_TRUE(node) << "mutter published no screen cast";
    std::string error;
    auto stream = OpenPipeWireStream(-1, static_cast<std::uint32_t>(std::stoul(*node)), error);
    ASSERT_NE(stream, nullptr) << error;

    for (const auto& [x, y] : {std::pair{100, 200}, std::pair{640, 400}, std::pair{1279, 799}}) {
        pointer.Send("move " + std::to_string(x) + " " + std::to_string(y));
        const std::optional<CursorSample> sample = WaitForPointerAt(*stream, x, y);
        ASSERT_TRUE(sample) << "no pointer position from mutter";
        EXPECT_EQ(sample->x, x);
        EXPECT_EQ(sample->y, y);
        EXPECT_NE(sample->color, -1) << "the pointer is on the monitor";
    }
    EXPECT_EQ(stream->State(), StreamState::Streaming);
}

} // namespace
} // namespace tessavundo
