// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The hand-over of cursor samples from the stream's thread to the window's: no sample is ever
// read half old and half new, and the newest one always wins.
#include "platform/screencast/frame_pixel.h"
#include "platform/screencast/sample_slot.h"

#include <atomic>
#include <cstdint>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace tessavundo {
namespace {

TEST(SampleSlot, IsEmptyUntilTheFirstSample) {
    SampleSlot slot;
    EXPECT_EQ(slot.Read(), std::nullopt);
    slot.Publish(3, 4, 0x123456);
    const std::optional<CursorSample> sample = slot.Read();
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->x, 3);
    EXPECT_EQ(sample->y, 4);
    EXPECT_EQ(sample->color, 0x123456);
    EXPECT_EQ(sample->sequence, 1U);
}

TEST(SampleSlot, AReaderNeverSeesATornSample) {
    constexpr int kSamples = 200000;
    SampleSlot slot;
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 1; i <= kSamples; ++i)
            slot.Publish(i, -i, i * 3);
        done = true;
    });
    std::uint64_t lastSequence = 0;
    int reads = 0;
    while (!done || reads == 0) {
        const std::optional<CursorSample> sample = slot.Read();
        if (!sample)
            continue;
        ++reads;
        ASSERT_EQ(sample->y, -sample->x);
        ASSERT_EQ(sample->color, sample->x * 3);
        ASSERT_EQ(sample->sequence, static_cast<std::uint64_t>(sample->x));
        ASSERT_GE(sample->sequence, lastSequence);
        lastSequence = sample->sequence;
    }
    writer.join();
    EXPECT_EQ(slot.Read()->x, kSamples);
}

TEST(FramePixel, StaysInsideTheFrameAndItsBytes) {
    // Two rows of two BGRx pixels and four bytes of padding each, the last row cut short.
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 0, 4, 5, 6, 0,  9,
                                             9, 9, 9, 7, 8, 9, 0, 10, 11};
    FrameView frame{bytes.data(), bytes.size(), 2, 2, 12, ChannelOffsets{2, 1, 0}};
    EXPECT_EQ(FramePixel(frame, 0, 0), PackBytes(3, 2, 1));
    EXPECT_EQ(FramePixel(frame, 1, 0), PackBytes(6, 5, 4));
    EXPECT_EQ(FramePixel(frame, 0, 1), PackBytes(9, 8, 7));
    EXPECT_EQ(FramePixel(frame, 1, 1), -1) << "past the bytes the producer gave";
    EXPECT_EQ(FramePixel(frame, 2, 0), -1);
    EXPECT_EQ(FramePixel(frame, 0, -1), -1);
    frame.stride = 4;
    EXPECT_EQ(FramePixel(frame, 0, 0), -1) << "a stride shorter than a row";
}

} // namespace
} // namespace tessavundo
