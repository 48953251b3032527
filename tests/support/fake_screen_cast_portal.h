// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen_cast_portal.h"

#include <memory>
#include <vector>

namespace tessavundo::testing {

// A monitor stream whose samples a test publishes. It counts itself among the live streams of
// its portal until it is destroyed.
class FakeScreenCastStream final : public ScreenCastStream {
public:
    FakeScreenCastStream(std::shared_ptr<int> liveStreams, QSize frame)
        : liveStreams_(std::move(liveStreams))
        , frame_(frame) {
        ++*liveStreams_;
    }
    ~FakeScreenCastStream() override { --*liveStreams_; }
    FakeScreenCastStream(const FakeScreenCastStream&) = delete;
    FakeScreenCastStream& operator=(const FakeScreenCastStream&) = delete;
    FakeScreenCastStream(FakeScreenCastStream&&) = delete;
    FakeScreenCastStream& operator=(FakeScreenCastStream&&) = delete;

    // The pointer's hot spot at a pixel of the stream, over `color`; a point outside the frame
    // is published as the pointer on another monitor. A frame of no size holds every point.
    void Publish(QPoint pixel, PackedColor color) {
        const bool inside = frame_.isEmpty() || QRect(QPoint(), frame_).contains(pixel);
        latest_ = CursorSample{pixel.x(),   pixel.y(),      inside ? color : -1,
                               ++sequence_, frame_.width(), frame_.height()};
        state_ = StreamState::Streaming;
    }
    void End() { state_ = StreamState::Ended; }

    std::optional<CursorSample> Latest() const override { return latest_; }
    StreamState State() const override { return state_; }

private:
    std::shared_ptr<int> liveStreams_;
    QSize frame_;
    std::optional<CursorSample> latest_;
    std::uint64_t sequence_ = 0;
    StreamState state_ = StreamState::Starting;
};

// A screen-cast portal that answers when a test tells it to, whether or not a start is pending,
// as a desktop's late answer would arrive.
class FakeScreenCastPortal final : public ScreenCastPortal {
public:
    // A monitor for AnswerStarted: its place in the desktop's layout and its frames' size.
    struct Monitor {
        QRect area;
        QSize frame;
    };

    void Start(WId parent) override {
        Stop();
        ++starts_;
        lastParent_ = parent;
        pending_ = true;
    }

    void Stop() override {
        if (pending_ || !monitors_.empty())
            ++stops_;
        pending_ = false;
        monitors_.clear();
    }

    const std::vector<ScreenCastMonitor>& Monitors() const override { return monitors_; }

    void AnswerStarted(const std::vector<Monitor>& monitors) {
        pending_ = false;
        monitors_.clear();
        for (const Monitor& monitor : monitors)
            monitors_.push_back(ScreenCastMonitor{
                monitor.area, std::make_unique<FakeScreenCastStream>(liveStreams_, monitor.frame)});
        emit Started();
    }

    void AnswerFailed(ScreenCastFailure failure) {
        pending_ = false;
        emit Failed(failure);
    }

    FakeScreenCastStream& Stream(std::size_t index) const {
        return static_cast<FakeScreenCastStream&>(*monitors_.at(index).stream);
    }

    int Starts() const { return starts_; }
    // Stops of a session started or pending.
    int Stops() const { return stops_; }
    WId LastParent() const { return lastParent_; }
    bool Pending() const { return pending_; }
    // Streams not yet destroyed, handed out or not.
    int LiveStreams() const { return *liveStreams_; }

private:
    std::vector<ScreenCastMonitor> monitors_;
    std::shared_ptr<int> liveStreams_ = std::make_shared<int>(0);
    int starts_ = 0;
    int stops_ = 0;
    WId lastParent_ = 0;
    bool pending_ = false;
};

} // namespace tessavundo::testing
