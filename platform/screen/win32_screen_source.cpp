// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/screen/win32_screen_source.h"

#include "platform/screen/physical_pixels.h"

#include <limits>

namespace tessavundo {
namespace {

// Where the pointer is reported when Windows cannot tell (a secure desktop such as the lock
// screen is showing): far outside any monitor, where GetPixel reads nothing.
constexpr QPoint kNoPointer{std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};

} // namespace

Win32ScreenSource::~Win32ScreenSource() {
    ReleaseScreenContext();
}

QPoint Win32ScreenSource::GetCursorPos() {
    POINT point{};
    if (!::GetCursorPos(&point))
        return kNoPointer;
    return QPoint(point.x, point.y);
}

QRect Win32ScreenSource::ToPhysicalPixels(const QRect& logicalRect) {
    return LogicalToPhysical(logicalRect);
}

ScreenDC Win32ScreenSource::GetWindowDC() {
    // One system context at a time: a context still held is given back before the next is taken.
    ReleaseScreenContext();
    screenContext_ = ::GetWindowDC(nullptr);
    return context_.Take();
}

void Win32ScreenSource::ReleaseDC(ScreenDC dc) {
    if (context_.Release(dc))
        ReleaseScreenContext();
}

void Win32ScreenSource::ReleaseScreenContext() {
    if (screenContext_) {
        ::ReleaseDC(nullptr, screenContext_);
        screenContext_ = nullptr;
    }
}

PackedColor Win32ScreenSource::GetPixel(ScreenDC dc, int x, int y) {
    if (!context_.IsHeld(dc) || !screenContext_)
        return kInvalidColor;
    // A COLORREF is 0x00BBGGRR, the packed color's own layout; CLR_INVALID has all bits set, as
    // kInvalidColor has.
    const COLORREF color = ::GetPixel(screenContext_, x, y);
    return color == CLR_INVALID ? kInvalidColor : static_cast<PackedColor>(color);
}

WId Win32ScreenSource::GetActiveWindow() {
    return reinterpret_cast<WId>(::GetActiveWindow());
}

ScreenReading Win32ScreenSource::Reading() {
    return ScreenReading::Continuous;
}

} // namespace tessavundo
