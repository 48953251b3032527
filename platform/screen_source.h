// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QPoint>
#include <QRect>
#include <QtGui/qwindowdefs.h>
#include <cstdint>

namespace tessavundo {

// A device context for reading screen pixels, taken when the eyedropper starts sampling and
// released when it stops. 0 is no context.
using ScreenDC = std::int32_t;

// GetPixel's answer for a pixel it cannot read: all bits set.
inline constexpr PackedColor kInvalidColor = -1;

// Whether the pixel under the pointer can be read again and again while the pointer moves over
// other programs' windows, and if not, why.
enum class ScreenReading {
    Continuous,
    // A Wayland desktop: no program may read the screen or follow the pointer over others.
    ForbiddenByDesktop,
    // An X display whose pixel format this program does not know how to read.
    DisplayNotSupported,
    // No screen to read, or one that refuses every read.
    Refused,
};

// What the eyedropper needs from the screen. The real source reads the X server through the
// toolkit's own connection; tests give the window a fake screen.
class ScreenSource {
public:
    ScreenSource() = default;
    virtual ~ScreenSource() = default;
    // An interface, used through references and owning pointers: never copied or moved.
    ScreenSource(const ScreenSource&) = delete;
    ScreenSource& operator=(const ScreenSource&) = delete;
    ScreenSource(ScreenSource&&) = delete;
    ScreenSource& operator=(ScreenSource&&) = delete;

    // The pointer position in physical screen pixels (the desktop's own coordinates, which can
    // be negative on a multi-monitor desktop).
    virtual QPoint GetCursorPos() = 0;

    // A rectangle of the desktop given in the toolkit's logical coordinates, converted to the
    // physical screen pixels that GetCursorPos reports.
    virtual QRect ToPhysicalPixels(const QRect& logicalRect) = 0;

    virtual ScreenDC GetWindowDC() = 0;
    virtual void ReleaseDC(ScreenDC dc) = 0;

    // The color of one physical screen pixel, or kInvalidColor when it cannot be read (outside
    // every screen, an X error, an unknown visual, a released or null context). Asked right
    // after GetCursorPos for the point it reported, a source may answer with the pixel it read
    // together with the pointer, at the same moment.
    virtual PackedColor GetPixel(ScreenDC dc, int x, int y) = 0;

    // The active window of this process (0 when another application is active).
    virtual WId GetActiveWindow() = 0;

    // Where the screen cannot be read continuously, the desktop has to be asked for a color
    // instead; the reason tells the user why the eyedropper cannot work when it cannot be asked.
    virtual ScreenReading Reading() = 0;
    bool CanReadContinuously() { return Reading() == ScreenReading::Continuous; }
};

} // namespace tessavundo
