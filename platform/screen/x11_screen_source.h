// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen/device_context_slot.h"
#include "platform/screen/x11_pixel_format.h"
#include "platform/screen_source.h"

#include <optional>
#include <xcb/xcb.h>

namespace tessavundo {

// The screen as the X server shows it, read through the toolkit's own X connection, in the
// root's physical pixels whatever scale factor the toolkit applies; pixels of every depth are
// widened to 8 bits per channel, and on a display of a colormap a second round trip asks the
// colormap for the pixel's color. While a context is held,
// asking for the pointer also asks for the pixel where the pointer was last seen, in the same
// round trip; a pixel read at the point the pointer was then found on is answered from it. So
// the eyedropper's tick costs one round trip while the pointer rests, and two only when it has
// moved. It reads continuously only on an X11 desktop, never on a Wayland one (XWayland
// included).
class X11ScreenSource final : public ScreenSource {
public:
    X11ScreenSource();

    QPoint GetCursorPos() override;
    QRect ToPhysicalPixels(const QRect& logicalRect) override;
    ScreenDC GetWindowDC() override;
    void ReleaseDC(ScreenDC dc) override;
    PackedColor GetPixel(ScreenDC dc, int x, int y) override;
    WId GetActiveWindow() override;
    ScreenReading Reading() override;

private:
    // A pixel read sent together with a pointer query, and what came back.
    struct PixelAtPointer {
        QPoint point;
        PackedColor color = kInvalidColor;
    };

    bool CanReadRootPixel(QPoint point) const;
    xcb_get_image_cookie_t RequestRootPixel(QPoint point);
    PackedColor RootPixelReply(xcb_get_image_cookie_t cookie);
    PackedColor ReadRootPixel(int x, int y);
    PackedColor ReadColormapEntry(std::uint32_t pixel);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_colormap_t colormap_ = XCB_COLORMAP_NONE;
    std::optional<X11PixelFormat> format_;
    DeviceContextSlot context_;
    bool waylandSession_ = false;
    // Decided when first asked: see Reading().
    std::optional<ScreenReading> reading_;
    // Where the pointer was last found, the guess for the next pixel read.
    QPoint lastPointer_{-1, -1};
    // Answers the next pixel read at its point, once.
    std::optional<PixelAtPointer> pixelAtPointer_;
};

} // namespace tessavundo
