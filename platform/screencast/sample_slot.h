// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screencast/screen_cast_stream.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace tessavundo {

// The newest cursor sample, handed from the stream's thread to the window's thread without a
// lock: a sequence lock over atomics. The one writer makes the counter odd, stores the fields and
// makes it even again; a reader keeps the fields only when the counter was even and unchanged
// around its loads. The writer never waits, and a reader retries only while a write of five
// stores is under way, so the window's 1 ms tick is never held up by the stream.
class SampleSlot {
public:
    // Called from the stream's thread only. The frame's size, where known, lets the reader scale
    // the stream's pixels into the desktop's layout.
    void Publish(int x, int y, PackedColor color, int frameWidth = 0, int frameHeight = 0) {
        const std::uint64_t start = counter_.load(std::memory_order_relaxed);
        counter_.store(start + 1, std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_release);
        x_.store(x, std::memory_order_relaxed);
        y_.store(y, std::memory_order_relaxed);
        color_.store(color, std::memory_order_relaxed);
        frameWidth_.store(frameWidth, std::memory_order_relaxed);
        frameHeight_.store(frameHeight, std::memory_order_relaxed);
        counter_.store(start + 2, std::memory_order_release);
    }

    // Any thread: the newest sample, or nothing before the first.
    [[nodiscard]] std::optional<CursorSample> Read() const {
        for (;;) {
            const std::uint64_t before = counter_.load(std::memory_order_acquire);
            if (before == 0)
                return std::nullopt;
            if (before % 2 != 0)
                continue;
            CursorSample sample;
            sample.x = x_.load(std::memory_order_relaxed);
            sample.y = y_.load(std::memory_order_relaxed);
            sample.color = color_.load(std::memory_order_relaxed);
            sample.frameWidth = frameWidth_.load(std::memory_order_relaxed);
            sample.frameHeight = frameHeight_.load(std::memory_order_relaxed);
            std::atomic_thread_fence(std::memory_order_acquire);
            if (counter_.load(std::memory_order_relaxed) != before)
                continue;
            sample.sequence = before / 2;
            return sample;
        }
    }

private:
    std::atomic<std::uint64_t> counter_{0};
    std::atomic<int> x_{0};
    std::atomic<int> y_{0};
    std::atomic<PackedColor> color_{-1};
    std::atomic<int> frameWidth_{0};
    std::atomic<int> frameHeight_{0};
};

} // namespace tessavundo
