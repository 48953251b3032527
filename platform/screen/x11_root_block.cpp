// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/x11_root_block.h"

#include "platform/screen/x11_pixel_format.h"

#include <cstdlib>
#include <memory>

namespace tessavundo {
namespace {

template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> Take(Reply* reply, xcb_generic_error_t* error) {
    std::free(error);
    return {reply, &std::free};
}

// The colormap's entries for every pixel value, asked in one request.
bool LookUpColormap(xcb_connection_t* connection, xcb_colormap_t colormap,
                    const std::vector<std::uint32_t>& pixels, std::vector<PackedColor>& colors) {
    xcb_generic_error_t* error = nullptr;
    const auto reply =
        Take(xcb_query_colors_reply(connection,
                                    xcb_query_colors(connection, colormap,
                                                     static_cast<std::uint32_t>(pixels.size()),
                                                     pixels.data()),
                                    &error),
             error);
    if (!reply || xcb_query_colors_colors_length(reply.get()) != static_cast<int>(pixels.size()))
        return false;
    const xcb_rgb_t* entries = xcb_query_colors_colors(reply.get());
    for (std::size_t i = 0; i < pixels.size(); ++i)
        colors[i] = ColormapEntryColor(entries[i].red, entries[i].green, entries[i].blue);
    return true;
}

} // namespace

std::vector<PackedColor> ReadRootBlock(xcb_connection_t* connection, const xcb_screen_t& screen,
                                       const QRect& rect) {
    const QRect whole(0, 0, screen.width_in_pixels, screen.height_in_pixels);
    const auto visual = RootVisual(*xcb_get_setup(connection), screen);
    const auto format = visual ? PixelFormatOf(*visual) : std::nullopt;
    if (rect.isEmpty() || !whole.contains(rect) || !format)
        return {};
    xcb_generic_error_t* error = nullptr;
    const auto image =
        Take(xcb_get_image_reply(connection,
                                 xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen.root,
                                               static_cast<std::int16_t>(rect.x()),
                                               static_cast<std::int16_t>(rect.y()),
                                               static_cast<std::uint16_t>(rect.width()),
                                               static_cast<std::uint16_t>(rect.height()), ~0u),
                                 &error),
             error);
    if (!image || image->depth != format->depth)
        return {};
    // Rows are padded to the server's scan-line unit; the reply holds whole rows only.
    const auto width = static_cast<std::size_t>(rect.width());
    const auto height = static_cast<std::size_t>(rect.height());
    const auto pixelSize = static_cast<std::size_t>(format->bytesPerPixel);
    const auto stride = static_cast<std::size_t>(xcb_get_image_data_length(image.get())) / height;
    if (stride < width * pixelSize)
        return {};
    const std::uint8_t* data = xcb_get_image_data(image.get());
    std::vector<std::uint32_t> pixels;
    pixels.reserve(width * height);
    for (std::size_t y = 0; y < height; ++y)
        for (std::size_t x = 0; x < width; ++x)
            pixels.push_back(PixelValue(*format, data + y * stride + x * pixelSize));
    std::vector<PackedColor> colors(pixels.size(), kBlack);
    if (format->throughColormap) {
        if (!LookUpColormap(connection, screen.default_colormap, pixels, colors))
            return {};
        return colors;
    }
    for (std::size_t i = 0; i < pixels.size(); ++i)
        colors[i] = ChannelsColor(*format, pixels[i]);
    return colors;
}

} // namespace tessavundo
