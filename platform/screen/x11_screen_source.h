#pragma once

#include "platform/screen/device_context_slot.h"
#include "platform/screen/x11_pixel_format.h"
#include "platform/screen_source.h"

#include <optional>
#include <xcb/xcb.h>

namespace tessavundo {

// The screen as the X server shows it, read through the toolkit's own X connection, in the
// root's physical pixels whatever scale factor the toolkit applies. While a context is held,
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
    bool CanReadContinuously() override;

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

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::optional<X11PixelFormat> format_;
    DeviceContextSlot context_;
    bool waylandSession_ = false;
    std::optional<bool> continuousReading_;
    // Where the pointer was last found, the guess for the next pixel read.
    QPoint lastPointer_{-1, -1};
    // Answers the next pixel read at its point, once.
    std::optional<PixelAtPointer> pixelAtPointer_;
};

} // namespace tessavundo
