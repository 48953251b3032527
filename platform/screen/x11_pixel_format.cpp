#include "platform/screen/x11_pixel_format.h"

#include <bit>

namespace tessavundo {
namespace {

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

// The shift of an 8-bit channel mask, or nothing for a mask of another width.
std::optional<int> ByteChannelShift(std::uint32_t mask) {
    const int shift = std::countr_zero(mask);
    if (shift >= 32 || (mask >> shift) != 0xFFu)
        return std::nullopt;
    return shift;
}

} // namespace

std::optional<X11PixelFormat> RootPixelFormat(const xcb_setup_t& setup,
                                              const xcb_screen_t& screen) {
    std::uint8_t depth = 0;
    const xcb_visualtype_t* visual = FindVisual(screen, screen.root_visual, depth);
    if (!visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR || (depth != 24 && depth != 32))
        return std::nullopt;
    const int bitsPerPixel = BitsPerPixel(setup, depth);
    const auto red = ByteChannelShift(visual->red_mask);
    const auto green = ByteChannelShift(visual->green_mask);
    const auto blue = ByteChannelShift(visual->blue_mask);
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || !red || !green || !blue)
        return std::nullopt;
    return X11PixelFormat{
        depth, bitsPerPixel / 8, setup.image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST,
        *red,  *green,           *blue};
}

PackedColor ToPackedColor(const X11PixelFormat& format, const std::uint8_t* bytes) {
    std::uint32_t pixel = 0;
    for (int i = 0; i < format.bytesPerPixel; ++i) {
        const int byte = format.mostSignificantByteFirst ? i : format.bytesPerPixel - 1 - i;
        pixel = (pixel << 8) | bytes[byte];
    }
    const auto channel = [pixel](int shift) {
        return static_cast<PackedColor>((pixel >> shift) & 0xFFu);
    };
    return PackBytes(channel(format.redShift), channel(format.greenShift),
                     channel(format.blueShift));
}

} // namespace tessavundo
