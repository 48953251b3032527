// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/screen/device_context_slot.h"
#include "platform/screen_source.h"

#include <windows.h>

namespace tessavundo {

// The Windows screen through user32 and gdi32: the pointer by GetCursorPos, pixels by GetPixel
// on the whole screen's context from GetWindowDC(nullptr). The toolkit makes the process per-
// monitor DPI aware, so both are in physical pixels of the virtual desktop, like the X11 root.
class Win32ScreenSource final : public ScreenSource {
public:
    Win32ScreenSource() = default;
    ~Win32ScreenSource() override;
    Win32ScreenSource(const Win32ScreenSource&) = delete;
    Win32ScreenSource& operator=(const Win32ScreenSource&) = delete;

    QPoint GetCursorPos() override;
    QRect ToPhysicalPixels(const QRect& logicalRect) override;
    ScreenDC GetWindowDC() override;
    void ReleaseDC(ScreenDC dc) override;
    PackedColor GetPixel(ScreenDC dc, int x, int y) override;
    WId GetActiveWindow() override;
    ScreenReading Reading() override;

private:
    void ReleaseScreenContext();

    DeviceContextSlot context_;
    // The system's context behind the held ScreenDC; null when none is held.
    HDC screenContext_ = nullptr;
};

} // namespace tessavundo
