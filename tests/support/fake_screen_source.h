// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen/device_context_slot.h"
#include "platform/screen_source.h"

#include <QHash>
#include <functional>
#include <utility>

namespace tessavundo {

// A screen that tests set up by hand. Pixels come from the single pixels set, then from the
// pixel function; a pixel is unreadable when either gives kInvalidColor (the default for all).
// Logical rectangles map to physical pixels by a plain scale factor from the origin.
class FakeScreenSource final : public ScreenSource {
public:
    void SetCursorPos(QPoint position) { cursorPos_ = position; }
    void SetPixelFunction(std::function<PackedColor(QPoint)> pixels) {
        pixelFunction_ = std::move(pixels);
    }
    void SetPixel(QPoint position, PackedColor color) { pixels_.insert(position, color); }
    void MarkUnreadable(QPoint position) { SetPixel(position, kInvalidColor); }
    void SetScaleFactor(qreal factor) { scaleFactor_ = factor; }
    void SetActiveWindow(WId window) { activeWindow_ = window; }
    void SetCanReadContinuously(bool canRead) {
        reading_ = canRead ? ScreenReading::Continuous : ScreenReading::ForbiddenByDesktop;
    }
    void SetReading(ScreenReading reading) { reading_ = reading; }

    // Contexts taken and not yet released; more than one means a context leaked.
    int HeldContexts() const { return taken_ - released_; }
    int MostHeldContexts() const { return mostHeld_; }
    int TakenContexts() const { return taken_; }
    int PixelReads() const { return pixelReads_; }

    QPoint GetCursorPos() override { return cursorPos_; }
    QRect ToPhysicalPixels(const QRect& logicalRect) override;
    ScreenDC GetWindowDC() override;
    void ReleaseDC(ScreenDC dc) override;
    PackedColor GetPixel(ScreenDC dc, int x, int y) override;
    WId GetActiveWindow() override { return activeWindow_; }
    ScreenReading Reading() override { return reading_; }

private:
    QPoint cursorPos_;
    std::function<PackedColor(QPoint)> pixelFunction_ = [](QPoint) {
        return kInvalidColor;
    };
    QHash<QPoint, PackedColor> pixels_;
    qreal scaleFactor_ = 1.0;
    WId activeWindow_ = 0;
    ScreenReading reading_ = ScreenReading::Continuous;
    DeviceContextSlot context_;
    int taken_ = 0;
    int released_ = 0;
    int mostHeld_ = 0;
    int pixelReads_ = 0;
};

} // namespace tessavundo
