// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The screen-cast consumer against a real PipeWire daemon and WirePlumber (started by
// with-pipewire), fed by the test producer in a process of its own.
#include "platform/screencast/screen_cast_stream.h"
#include "tests/wayland/child_process.h"
#include "tests/wayland/screen_cast_pattern.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tessavundo {
namespace {

using namespace std::chrono_literals;
using test::PatternColor;

constexpr int kWidth = 64;
constexpr int kHeight = 48;
using test::ChildProcess;
using test::kPatience;

class ScreenCastStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr ||
            !std::filesystem::exists(std::filesystem::path(runtime) / "pipewire-0"))
            GTEST_SKIP() << "no PipeWire daemon of the test's own (run it in with-pipewire)";
    }

    // Starts a producer with `arguments` and a consumer of its node, and waits until the two
    // are linked.
    std::unique_ptr<ScreenCastStream> Connect(std::vector<std::string> arguments) {
        producer_ = std::make_unique<ChildProcess>(SCREEN_CAST_PRODUCER, std::move(arguments));
        const std::optional<std::string> node = producer_->WaitFor("node ");
        if (!node) {
            ADD_FAILURE() << "the producer published no node";
            return nullptr;
        }
        std::string error;
        auto stream = OpenPipeWireStream(-1, static_cast<std::uint32_t>(std::stoul(*node)), error);
        EXPECT_NE(stream, nullptr) << error;
        EXPECT_TRUE(producer_->WaitFor("streaming")) << "the consumer was never linked";
        return stream;
    }

    // Waits for a sample that `matches`, and gives the last one seen.
    template <typename Matches>
    static std::optional<CursorSample> WaitForSample(const ScreenCastStream& stream,
                                                     Matches matches) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        std::optional<CursorSample> sample;
        while (std::chrono::steady_clock::now() < deadline) {
            sample = stream.Latest();
            if (sample && matches(*sample))
                return sample;
            std::this_thread::sleep_for(1ms);
        }
        return sample;
    }

    static std::optional<CursorSample> WaitForPointer(const ScreenCastStream& stream, int x, int y,
                                                      PackedColor color) {
        return WaitForSample(
            stream,
            [&](const CursorSample& sample) {
                return sample.x == x && sample.y == y && sample.color == color;
            });
    }

    static bool WaitForState(const ScreenCastStream& stream, StreamState state) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < deadline) {
            if (stream.State() == state)
                return true;
            std::this_thread::sleep_for(1ms);
        }
        return false;
    }

    std::unique_ptr<ChildProcess> producer_;
};

MATCHER_P3(IsPointer, x, y, color, "") {
    return arg && arg->x == x && arg->y == y && arg->color == color;
}

class EachFormat : public ScreenCastStreamTest,
                   public ::testing::WithParamInterface<test::PatternFormat> {};

TEST_P(EachFormat, ReadsThePixelUnderThePointer) {
    auto stream = Connect({std::string(GetParam().name), "64", "48"});
    ASSERT_NE(stream, nullptr);
    producer_->Send("frame 1 10 7");
    EXPECT_THAT(WaitForPointer(*stream, 10, 7, PatternColor(1, 10, 7)),
                IsPointer(10, 7, PatternColor(1, 10, 7)));
    EXPECT_EQ(stream->State(), StreamState::Streaming);
    producer_->Send("frame 2 63 47");
    EXPECT_THAT(WaitForPointer(*stream, 63, 47, PatternColor(2, 63, 47)),
                IsPointer(63, 47, PatternColor(2, 63, 47)));
}

INSTANTIATE_TEST_SUITE_P(ShmFormats, EachFormat, ::testing::ValuesIn(test::kPatternFormats),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(ScreenCastStreamTest, HonoursAPaddedStrideAndAChunkOffset) {
    auto stream = Connect({"BGRx", "64", "48", "--stride-pad", "20", "--offset", "256"});
    ASSERT_NE(stream, nullptr);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{3, 5}, std::pair{63, 47}}) {
        producer_->Send("frame 4 " + std::to_string(x) + " " + std::to_string(y));
        EXPECT_THAT(WaitForPointer(*stream, x, y, PatternColor(4, x, y)),
                    IsPointer(x, y, PatternColor(4, x, y)));
    }
}

// A 384x384 cursor bitmap, as mutter sends, fits the room the consumer offers; its hot spot is
// an offset inside the bitmap and does not move the pixel read.
TEST_F(ScreenCastStreamTest, TakesALargeCursorBitmapAndReadsAtThePosition) {
    auto stream = Connect({"BGRA", "64", "48", "--bitmap", "384", "--hotspot", "9"});
    ASSERT_NE(stream, nullptr);
    producer_->Send("frame 5 20 30");
    EXPECT_THAT(WaitForPointer(*stream, 20, 30, PatternColor(5, 20, 30)),
                IsPointer(20, 30, PatternColor(5, 20, 30)));
}

TEST_F(ScreenCastStreamTest, CursorOnlyBuffersMoveThePointerOverTheHeldFrame) {
    auto stream = Connect({"BGRx", "64", "48"});
    ASSERT_NE(stream, nullptr);
    producer_->Send("frame 2 1 1");
    ASSERT_THAT(WaitForPointer(*stream, 1, 1, PatternColor(2, 1, 1)),
                IsPointer(1, 1, PatternColor(2, 1, 1)));
    producer_->Send("move 20 15");
    EXPECT_THAT(WaitForPointer(*stream, 20, 15, PatternColor(2, 20, 15)),
                IsPointer(20, 15, PatternColor(2, 20, 15)));
    // A corrupted frame is no picture of the screen: the frame before stays.
    producer_->Send("corrupt 5 6");
    EXPECT_THAT(WaitForPointer(*stream, 5, 6, PatternColor(2, 5, 6)),
                IsPointer(5, 6, PatternColor(2, 5, 6)));
    EXPECT_EQ(stream->State(), StreamState::Streaming);
}

TEST_F(ScreenCastStreamTest, AFrameWithoutACursorKeepsTheLastPosition) {
    auto stream = Connect({"BGRx", "64", "48"});
    ASSERT_NE(stream, nullptr);
    producer_->Send("frame 1");
    ASSERT_TRUE(WaitForState(*stream, StreamState::Streaming));
    EXPECT_EQ(stream->Latest(), std::nullopt) << "a sample without any pointer position";

    producer_->Send("frame 1 8 9");
    const auto first = WaitForPointer(*stream, 8, 9, PatternColor(1, 8, 9));
    ASSERT_THAT(first, IsPointer(8, 9, PatternColor(1, 8, 9)));
    producer_->Send("frame 3");
    const auto kept = WaitForPointer(*stream, 8, 9, PatternColor(3, 8, 9));
    EXPECT_THAT(kept, IsPointer(8, 9, PatternColor(3, 8, 9)));
    ASSERT_TRUE(kept);
    EXPECT_GT(kept->sequence, first->sequence);
}

TEST_F(ScreenCastStreamTest, AStreamWithoutCursorMetadataGivesNoSample) {
    auto stream = Connect({"BGRx", "64", "48", "--no-cursor-meta"});
    ASSERT_NE(stream, nullptr);
    producer_->Send("frame 1 8 9");
    producer_->Send("frame 2 8 9");
    ASSERT_TRUE(WaitForState(*stream, StreamState::Streaming));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(stream->Latest(), std::nullopt);
}

TEST_F(ScreenCastStreamTest, APointerOutsideTheFrameReadsAsUnreadable) {
    auto stream = Connect({"RGBx", "64", "48"});
    ASSERT_NE(stream, nullptr);
    for (const auto& [x, y] : {std::pair{-5, 3}, std::pair{64, 0}, std::pair{0, 48}}) {
        producer_->Send("frame 1 " + std::to_string(x) + " " + std::to_string(y));
        EXPECT_THAT(WaitForPointer(*stream, x, y, -1), IsPointer(x, y, -1));
    }
}

TEST_F(ScreenCastStreamTest, AStreamThatStopsEnds) {
    auto stream = Connect({"BGRx", "64", "48"});
    ASSERT_NE(stream, nullptr);
    producer_->Send("frame 1 2 3");
    ASSERT_THAT(WaitForPointer(*stream, 2, 3, PatternColor(1, 2, 3)),
                IsPointer(2, 3, PatternColor(1, 2, 3)));
    producer_->Send("stop");
    EXPECT_TRUE(WaitForState(*stream, StreamState::Ended));
    EXPECT_THAT(stream->Latest(), IsPointer(2, 3, PatternColor(1, 2, 3)))
        << "the last sample stays readable";
}

TEST_F(ScreenCastStreamTest, AProducerThatVanishesEnds) {
    auto stream = Connect({"BGRx", "64", "48"});
    ASSERT_NE(stream, nullptr);
    producer_->Send("frame 1 2 3");
    ASSERT_THAT(WaitForPointer(*stream, 2, 3, PatternColor(1, 2, 3)),
                IsPointer(2, 3, PatternColor(1, 2, 3)));
    producer_->Send("exit");
    EXPECT_TRUE(WaitForState(*stream, StreamState::Ended));
    // Closing an ended stream returns (the test's timeout would catch a hang).
    stream.reset();
}

TEST(ScreenCastStreamWithoutPipeWire, SaysWhyThereIsNoStream) {
    const std::filesystem::path empty = std::filesystem::temp_directory_path() /
                                        ("tessavundo-no-pipewire-" + std::to_string(getpid()));
    std::filesystem::create_directories(empty);
    setenv("PIPEWIRE_RUNTIME_DIR", empty.c_str(), 1);
    setenv("PIPEWIRE_REMOTE", "tessavundo-absent", 1);
    std::string error;
    auto stream = OpenPipeWireStream(-1, 1, error);
    unsetenv("PIPEWIRE_RUNTIME_DIR");
    unsetenv("PIPEWIRE_REMOTE");
    std::filesystem::remove_all(empty);
    EXPECT_EQ(stream, nullptr);
    EXPECT_NE(error, "");
}

} // namespace
} // namespace tessavundo
