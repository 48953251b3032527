// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/x11_pixel_format.h"

#include <bit>

namespace tessavundo {
namespace {

constexpr int kBitsPerByte = 8;
constexpr int kMostBytesPerPixel = 4;

const xcb_visualtype_t* FindVisual(const xcb_screen_t& screen, xcb_visualid_t id,
                                   std::uint8_t& depth) {
    for (auto depths = xcb_screen_allowed_depths_iterator(&screen); depths.rem;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == id) {
                depth = depths.data->depth;
                return visuals.data;
            }
        }
    }
    return nullptr;
}

int BitsPerPixel(const xcb_setup_t& setup, std::uint8_t depth) {
    for (auto formats = xcb_setup_pixmap_formats_iterator(&setup); formats.rem;
         xcb_format_next(&formats))
        if (formats.data->depth == depth)
            return formats.data->bits_per_pixel;
    return 0;
}

// The place and width of a channel mask, or nothing for a mask that is empty or not one run
// of bits.
std::optional<X11Channel> ChannelOf(std::uint32_t mask) {
    if (mask == 0)
        return std::nullopt;
    const int shift = std::countr_zero(mask);
    const int width = std::countr_one(mask >> shift);
    if (shift + width < 32 && (mask >> (shift + width)) != 0)
        return std::nullopt;
    return X11Channel{shift, width};
}

bool IsDecomposed(std::uint8_t visualClass) {
    return visualClass == XCB_VISUAL_CLASS_TRUE_COLOR ||
           visualClass == XCB_VISUAL_CLASS_DIRECT_COLOR;
}

} // namespace

std::optional<X11Visual> RootVisual(const xcb_setup_t& setup, const xcb_screen_t& screen) {
    std::uint8_t depth = 0;
    const xcb_visualtype_t* visual = FindVisual(screen, screen.root_visual, depth);
    if (!visual)
        return std::nullopt;
    return X11Visual{visual->_class,
                     depth,
                     BitsPerPixel(setup, depth),
                     setup.image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST,
                     visual->red_mask,
                     visual->green_mask,
                     visual->blue_mask};
}

std::optional<X11PixelFormat> PixelFormatOf(const X11Visual& visual) {
    // A 1 x 1 image of fewer bits per pixel shares its byte with padding whose place depends on
    // the bit order; no color display of today stores its pixels that way.
    if (visual.bitsPerPixel % kBitsPerByte != 0 || visual.bitsPerPixel < kBitsPerByte ||
        visual.bitsPerPixel > kMostBytesPerPixel * kBitsPerByte || visual.depth == 0 ||
        visual.depth > visual.bitsPerPixel)
        return std::nullopt;
    X11PixelFormat format;
    format.depth = visual.depth;
    format.bytesPerPixel = visual.bitsPerPixel / kBitsPerByte;
    format.mostSignificantByteFirst = visual.mostSignificantByteFirst;
    if (!IsDecomposed(visual.visualClass)) {
        format.throughColormap = true;
        return format;
    }
    const auto red = ChannelOf(visual.redMask);
    const auto green = ChannelOf(visual.greenMask);
    const auto blue = ChannelOf(visual.blueMask);
    if (!red || !green || !blue)
        return std::nullopt;
    format.red = *red;
    format.green = *green;
    format.blue = *blue;
    return format;
}

std::uint32_t PixelValue(const X11PixelFormat& format, const std::uint8_t* bytes) {
    std::uint32_t pixel = 0;
    for (int i = 0; i < format.bytesPerPixel; ++i) {
        const int byte = format.mostSignificantByteFirst ? i : format.bytesPerPixel - 1 - i;
        pixel = (pixel << kBitsPerByte) | bytes[byte];
    }
    // The bits above the depth are padding, whatever the server leaves in them.
    return format.depth >= 32 ? pixel : pixel & ((std::uint32_t{1} << format.depth) - 1);
}

std::uint8_t WidenChannel(std::uint32_t value, int width) {
    if (width <= 0)
        return 0;
    if (width >= kBitsPerByte)
        return static_cast<std::uint8_t>(value >> (width - kBitsPerByte));
    std::uint32_t repeated = value;
    int bits = width;
    while (bits < kBitsPerByte) {
        repeated = (repeated << width) | value;
        bits += width;
    }
    return static_cast<std::uint8_t>(repeated >> (bits - kBitsPerByte));
}

PackedColor ChannelsColor(const X11PixelFormat& format, std::uint32_t pixel) {
    const auto channel = [pixel](const X11Channel& place) {
        const std::uint32_t mask =
            place.width >= 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << place.width) - 1;
        return static_cast<PackedColor>(WidenChannel((pixel >> place.shift) & mask, place.width));
    };
    return PackBytes(channel(format.red), channel(format.green), channel(format.blue));
}

PackedColor ColormapEntryColor(std::uint16_t red, std::uint16_t green, std::uint16_t blue) {
    const auto top = [](std::uint16_t value) {
        return static_cast<PackedColor>(value >> 8);
    };
    return PackBytes(top(red), top(green), top(blue));
}

} // namespace tessavundo
