#pragma once

#include "platform/screen/device_context_slot.h"
#include "platform/screen/x11_pixel_format.h"
#include "platform/screen_source.h"

#include <optional>
#include <xcb/xcb.h>

namespace tessavundo {

// The screen as the X server shows it, read through the toolkit's own X connection. Every read
// is one round trip: the pointer by QueryPointer, a pixel by a 1 x 1 GetImage of the root
// window, in the root's physical pixels whatever scale factor the toolkit applies; on a display
// of a colormap a second one asks the colormap for the pixel's color. Pixels of every depth are
// widened to 8 bits per channel. It reads continuously only on an X11 desktop, never on a
// Wayland one (XWayland included).
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
    PackedColor ReadRootPixel(int x, int y);
    PackedColor ReadColormapEntry(std::uint32_t pixel);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_colormap_t colormap_ = XCB_COLORMAP_NONE;
    std::optional<X11PixelFormat> format_;
    DeviceContextSlot context_;
    ScreenReading reading_ = ScreenReading::Refused;
};

} // namespace tessavundo
