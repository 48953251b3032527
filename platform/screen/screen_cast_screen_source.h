// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen/device_context_slot.h"
#include "platform/screen_cast_portal.h"
#include "platform/screen_source.h"

#include <cstdint>
#include <vector>

namespace tessavundo {

// The screen as the desktop's screen cast shows it, for a window on XWayland: the pointer and
// the pixel under it come from the newest sample of the monitor streams, everything about the
// window itself (its geometry, whether it is active) from the X display it runs on. The
// stream's pixels are mapped into the desktop's layout, which XWayland's root window shares:
// the monitor's place plus the stream's pixel scaled by the monitor's size over its frame's.
// Only the pixel under the pointer can be read, at the point GetCursorPos last reported.
class ScreenCastScreenSource final : public ScreenSource {
public:
    // Both must outlive the source.
    ScreenCastScreenSource(ScreenSource& desktop, const std::vector<ScreenCastMonitor>& monitors);

    QPoint GetCursorPos() override;
    QRect ToPhysicalPixels(const QRect& logicalRect) override;
    ScreenDC GetWindowDC() override;
    void ReleaseDC(ScreenDC dc) override;
    PackedColor GetPixel(ScreenDC dc, int x, int y) override;
    WId GetActiveWindow() override;
    ScreenReading Reading() override;

    // A stream has ended or failed: the screen cast gives no more samples.
    [[nodiscard]] bool Ended() const;

private:
    ScreenSource& desktop_;
    const std::vector<ScreenCastMonitor>& monitors_;
    DeviceContextSlot context_;
    // For each monitor, the last sequence seen and when it last changed, counted in reads.
    std::vector<std::uint64_t> sequences_;
    std::vector<std::uint64_t> changedAt_;
    std::uint64_t reads_ = 0;
    QPoint pointer_;
    PackedColor pixel_ = kInvalidColor;
};

// Where a stream's pixel lies in the desktop's layout, for a monitor at `area` whose frames are
// `frameWidth` by `frameHeight`. A monitor or frame of unknown size counts as unscaled.
QPoint StreamToDesktop(QPoint streamPixel, const QRect& area, int frameWidth, int frameHeight);

} // namespace tessavundo
