// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <cstdint>
#include <optional>
#include <xcb/xcb.h>

namespace tessavundo {

// What the X server says about the visual of the root window and how its pixels are stored.
struct X11Visual {
    std::uint8_t visualClass = XCB_VISUAL_CLASS_TRUE_COLOR;
    std::uint8_t depth = 0;
    int bitsPerPixel = 0;
    bool mostSignificantByteFirst = false;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
};

// Where one color channel lies in a pixel value, and how many bits it has.
struct X11Channel {
    int shift = 0;
    int width = 0;
};

// How one pixel of a ZPixmap image of the root window is laid out and what its value means.
struct X11PixelFormat {
    std::uint8_t depth = 0;
    int bytesPerPixel = 0;
    bool mostSignificantByteFirst = false;
    // TrueColor and DirectColor pixels hold the channels themselves; the pixels of the other
    // visual classes are indices into the colormap.
    bool throughColormap = false;
    X11Channel red;
    X11Channel green;
    X11Channel blue;
};

// The root visual of `screen`, or nothing when the server names a visual it does not list.
std::optional<X11Visual> RootVisual(const xcb_setup_t& setup, const xcb_screen_t& screen);

// The layout of a visual's pixels, or nothing for a display this program cannot read: pixels
// of less than a byte, or channel masks that are empty or not one run of bits.
std::optional<X11PixelFormat> PixelFormatOf(const X11Visual& visual);

// The pixel value stored at `bytes` (at least format.bytesPerPixel of them), cut to its depth.
std::uint32_t PixelValue(const X11PixelFormat& format, const std::uint8_t* bytes);

// A channel of `width` bits brought to 8 bits by repeating its bits and keeping the top 8, as
// the toolkit's own image conversions do: 5-bit 31 is 255, 5-bit 16 is 132, 6-bit 32 is 130.
std::uint8_t WidenChannel(std::uint32_t value, int width);

// The packed color of a pixel value of a TrueColor or DirectColor format.
PackedColor ChannelsColor(const X11PixelFormat& format, std::uint32_t pixel);

// The packed color of a colormap entry, whose channels the server gives in 16 bits.
PackedColor ColormapEntryColor(std::uint16_t red, std::uint16_t green, std::uint16_t blue);

} // namespace tessavundo
