// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/screen_cast_screen_source.h"

#include <algorithm>

namespace tessavundo {

namespace {

// floor(value * numerator / denominator), also for negative values (a hot spot left of or
// above the frame), in 64 bits so that no size overflows.
int ScaleDown(int value, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{value} * numerator;
    std::int64_t quotient = product / denominator;
    if (product % denominator != 0 && product < 0)
        --quotient;
    return static_cast<int>(quotient);
}

} // namespace

QPoint StreamToDesktop(QPoint streamPixel, const QRect& area, int frameWidth, int frameHeight) {
    const bool scaled = !area.isEmpty() && frameWidth > 0 && frameHeight > 0;
    if (!scaled)
        return area.topLeft() + streamPixel;
    return area.topLeft() + QPoint(ScaleDown(streamPixel.x(), area.width(), frameWidth),
                                   ScaleDown(streamPixel.y(), area.height(), frameHeight));
}

ScreenCastScreenSource::ScreenCastScreenSource(ScreenSource& desktop,
                                               const std::vector<ScreenCastMonitor>& monitors)
    : desktop_(desktop)
    , monitors_(monitors)
    , sequences_(monitors.size(), 0)
    , changedAt_(monitors.size(), 0) {}

// The monitor whose newest frame holds the pointer. Where several claim it (a monitor whose
// stream has not yet sent the frame in which the pointer left), the one that moved last wins;
// where none does, the pointer stays where it was last seen, over no readable pixel.
QPoint ScreenCastScreenSource::GetCursorPos() {
    ++reads_;
    std::optional<std::size_t> holder;
    std::optional<CursorSample> held;
    for (std::size_t index = 0; index < monitors_.size(); ++index) {
        const std::optional<CursorSample> sample = monitors_[index].stream->Latest();
        if (!sample)
            continue;
        if (sample->sequence != sequences_[index]) {
            sequences_[index] = sample->sequence;
            changedAt_[index] = reads_;
        }
        if (sample->color == kInvalidColor)
            continue;
        if (!holder || changedAt_[index] > changedAt_[*holder]) {
            holder = index;
            held = sample;
        }
    }
    if (!held) {
        pixel_ = kInvalidColor;
        return pointer_;
    }
    pointer_ = StreamToDesktop(QPoint(held->x, held->y), monitors_[*holder].area, held->frameWidth,
                               held->frameHeight);
    pixel_ = held->color;
    return pointer_;
}

QRect ScreenCastScreenSource::ToPhysicalPixels(const QRect& logicalRect) {
    return desktop_.ToPhysicalPixels(logicalRect);
}

ScreenDC ScreenCastScreenSource::GetWindowDC() {
    return context_.Take();
}

void ScreenCastScreenSource::ReleaseDC(ScreenDC dc) {
    context_.Release(dc);
}

PackedColor ScreenCastScreenSource::GetPixel(ScreenDC dc, int x, int y) {
    if (!context_.IsHeld(dc) || QPoint(x, y) != pointer_)
        return kInvalidColor;
    return pixel_;
}

WId ScreenCastScreenSource::GetActiveWindow() {
    return desktop_.GetActiveWindow();
}

ScreenReading ScreenCastScreenSource::Reading() {
    return Ended() ? ScreenReading::Refused : ScreenReading::Continuous;
}

bool ScreenCastScreenSource::Ended() const {
    return monitors_.empty() || std::any_of(
                                    monitors_.begin(), monitors_.end(),
                                    [](const ScreenCastMonitor& monitor) {
                                        return monitor.stream->State() == StreamState::Ended;
                                    });
}

} // namespace tessavundo
