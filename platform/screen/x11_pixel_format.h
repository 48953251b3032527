#pragma once

#include "core/color.h"

#include <cstdint>
#include <optional>
#include <xcb/xcb.h>

namespace tessavundo {

// How one pixel of a ZPixmap image of the root window is laid out.
struct X11PixelFormat {
    std::uint8_t depth = 0;
    int bytesPerPixel = 0;
    bool mostSignificantByteFirst = false;
    int redShift = 0;
    int greenShift = 0;
    int blueShift = 0;
};

// The layout of the screen's root visual, or nothing when it is not one this program reads:
// a TrueColor visual of depth 24 or 32 with 8 bits per channel, stored in 3 or 4 bytes.
std::optional<X11PixelFormat> RootPixelFormat(const xcb_setup_t& setup, const xcb_screen_t& screen);

// The packed color of the pixel stored at `bytes` (at least format.bytesPerPixel of them).
PackedColor ToPackedColor(const X11PixelFormat& format, const std::uint8_t* bytes);

} // namespace tessavundo
