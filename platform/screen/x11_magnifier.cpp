// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/x11_magnifier.h"

#include "platform/screen/magnifier_view.h"
#include "platform/screen/x11_root_block.h"

#include <QRect>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <xcb/render.h>

namespace tessavundo {
namespace {

// As large as a magnifier needs to be to tell neighbouring pixels apart at a glance; servers
// that offer larger cursors still get this.
constexpr int kLargestZoom = 8;
// Below this the cells are too small to see, and the crosshair serves better.
constexpr int kSmallestZoom = 3;
constexpr std::uint16_t kAskedCursorSize = 1024;

template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> Take(Reply* reply) {
    return {reply, &std::free};
}

// The standard 32-bit format with alpha in the top byte, then red, green and blue.
std::uint32_t FindArgbFormat(xcb_connection_t* connection) {
    const auto version = Take(xcb_render_query_version_reply(
        connection, xcb_render_query_version(connection, 0, 11), nullptr));
    if (!version)
        return 0;
    const auto formats = Take(xcb_render_query_pict_formats_reply(
        connection, xcb_render_query_pict_formats(connection), nullptr));
    if (!formats)
        return 0;
    for (auto it = xcb_render_query_pict_formats_formats_iterator(formats.get()); it.rem;
         xcb_render_pictforminfo_next(&it)) {
        const xcb_render_pictforminfo_t& info = *it.data;
        const xcb_render_directformat_t& direct = info.direct;
        if (info.type == XCB_RENDER_PICT_TYPE_DIRECT && info.depth == 32 &&
            direct.alpha_shift == 24 && direct.alpha_mask == 0xFF && direct.red_shift == 16 &&
            direct.red_mask == 0xFF && direct.green_shift == 8 && direct.green_mask == 0xFF &&
            direct.blue_shift == 0 && direct.blue_mask == 0xFF)
            return info.id;
    }
    return 0;
}

// The zoom that fits the view into the largest cursor the server shows.
int FittingZoom(xcb_connection_t* connection, xcb_window_t root) {
    const auto best = Take(
        xcb_query_best_size_reply(connection,
                                  xcb_query_best_size(connection, XCB_QUERY_SHAPE_OF_LARGEST_CURSOR,
                                                      root, kAskedCursorSize, kAskedCursorSize),
                                  nullptr));
    if (!best)
        return 0;
    const int zoom = std::min<int>(
        {kLargestZoom, best->width / kMagnifierCells, best->height / kMagnifierCells});
    return zoom >= kSmallestZoom ? zoom : 0;
}

} // namespace

X11Magnifier::X11Magnifier(xcb_connection_t* connection, const xcb_screen_t& screen)
    : connection_(connection)
    , root_(screen.root) {
    // The image is uploaded as it lies in memory, least significant byte first.
    if (xcb_get_setup(connection)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return;
    argbFormat_ = FindArgbFormat(connection);
    if (argbFormat_ != 0)
        zoom_ = FittingZoom(connection, root_);
}

xcb_cursor_t X11Magnifier::CursorAt(const xcb_screen_t& screen, QPoint centre) {
    if (!Available())
        return XCB_CURSOR_NONE;
    const QRect view = MagnifierArea(centre);
    const QRect onScreen =
        view.intersected(QRect(0, 0, screen.width_in_pixels, screen.height_in_pixels));
    const std::vector<PackedColor> block = ReadRootBlock(connection_, screen, onScreen);
    if (block.empty())
        return XCB_CURSOR_NONE;
    const QImage image = ComposeMagnifierView(MagnifierPixelsFrom(centre, onScreen, block), zoom_);

    const xcb_pixmap_t pixmap = xcb_generate_id(connection_);
    xcb_create_pixmap(connection_, 32, pixmap, root_, static_cast<std::uint16_t>(image.width()),
                      static_cast<std::uint16_t>(image.height()));
    const xcb_gcontext_t gc = xcb_generate_id(connection_);
    xcb_create_gc(connection_, gc, pixmap, 0, nullptr);
    xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc,
                  static_cast<std::uint16_t>(image.width()),
                  static_cast<std::uint16_t>(image.height()), 0, 0, 0, 32,
                  static_cast<std::uint32_t>(image.sizeInBytes()), image.constBits());
    const xcb_render_picture_t picture = xcb_generate_id(connection_);
    xcb_render_create_picture(connection_, picture, pixmap, argbFormat_, 0, nullptr);
    const xcb_cursor_t cursor = xcb_generate_id(connection_);
    // The hot spot in the middle of the centre cell.
    const auto hotSpot = static_cast<std::uint16_t>(kMagnifierCells / 2 * zoom_ + zoom_ / 2);
    xcb_render_create_cursor(connection_, cursor, picture, hotSpot, hotSpot);
    xcb_render_free_picture(connection_, picture);
    xcb_free_gc(connection_, gc);
    xcb_free_pixmap(connection_, pixmap);
    return cursor;
}

} // namespace tessavundo
