// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/x11_magnifier.h"

#include "platform/screen/x11_root_block.h"

#include <QPainter>
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
// The hex text needs a cursor at least this wide.
constexpr int kSmallestWidthForText = 90;
constexpr int kTextPixelSize = 11;
constexpr int kTextPadding = 2;
constexpr std::uint16_t kAskedCursorSize = 1024;

template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> Take(Reply* reply) {
    return {reply, &std::free};
}

// The index of a cell in a view's pixels, row by row.
std::size_t CellIndex(int row, int column) {
    return static_cast<std::size_t>(row) * X11Magnifier::kCells + static_cast<std::size_t>(column);
}

QColor ToQColor(PackedColor color) {
    const ChannelTriple channels = SplitColor(color);
    return {channels.red, channels.green, channels.blue};
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
        {kLargestZoom, best->width / X11Magnifier::kCells, best->height / X11Magnifier::kCells});
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

QImage X11Magnifier::Compose(const std::vector<std::optional<PackedColor>>& pixels,
                             PackedColor centreColor) const {
    const int side = kCells * zoom_;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int row = 0; row < kCells; ++row)
        for (int column = 0; column < kCells; ++column)
            if (const auto& pixel = pixels[CellIndex(row, column)])
                painter.fillRect(column * zoom_, row * zoom_, zoom_, zoom_, ToQColor(*pixel));
    // Black inside white around the centre cell, outside its own pixels.
    const int middle = kCells / 2;
    const QRect centre(middle * zoom_, middle * zoom_, zoom_, zoom_);
    painter.setPen(Qt::black);
    painter.drawRect(centre.adjusted(-1, -1, 0, 0));
    painter.setPen(Qt::white);
    painter.drawRect(centre.adjusted(-2, -2, 1, 1));
    // The outline of the whole view, so that it stands out from the screen around it.
    painter.setPen(Qt::black);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    if (side >= kSmallestWidthForText) {
        QFont font = painter.font();
        font.setPixelSize(kTextPixelSize);
        painter.setFont(font);
        const QString text = QString::fromStdString(FormatHexText(SplitColor(centreColor)));
        QRect label = painter.fontMetrics().boundingRect(text).adjusted(
            -kTextPadding, -kTextPadding, kTextPadding, kTextPadding);
        // Below the centre cell, clear of its frame.
        label.moveCenter(QPoint(side / 2, centre.bottom() + 2 * zoom_ + label.height() / 2));
        painter.fillRect(label, QColor(0, 0, 0, 200));
        painter.setPen(Qt::white);
        painter.drawText(label, Qt::AlignCenter, text);
    }
    return image;
}

xcb_cursor_t X11Magnifier::CursorAt(const xcb_screen_t& screen, QPoint centre) {
    if (!Available())
        return XCB_CURSOR_NONE;
    const int middle = kCells / 2;
    const QRect view(centre - QPoint(middle, middle), QSize(kCells, kCells));
    const QRect onScreen =
        view.intersected(QRect(0, 0, screen.width_in_pixels, screen.height_in_pixels));
    const std::vector<PackedColor> block = ReadRootBlock(connection_, screen, onScreen);
    if (block.empty())
        return XCB_CURSOR_NONE;
    std::vector<std::optional<PackedColor>> pixels(CellIndex(kCells, 0));
    for (int y = 0; y < onScreen.height(); ++y)
        for (int x = 0; x < onScreen.width(); ++x) {
            const QPoint cell = onScreen.topLeft() + QPoint(x, y) - view.topLeft();
            pixels[CellIndex(cell.y(), cell.x())] =
                block[static_cast<std::size_t>(y) * static_cast<std::size_t>(onScreen.width()) +
                      static_cast<std::size_t>(x)];
        }
    const PackedColor centreColor = pixels[CellIndex(middle, middle)].value_or(kBlack);
    const QImage image = Compose(pixels, centreColor);

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
    const auto hotSpot = static_cast<std::uint16_t>(middle * zoom_ + zoom_ / 2);
    xcb_render_create_cursor(connection_, cursor, picture, hotSpot, hotSpot);
    xcb_render_free_picture(connection_, picture);
    xcb_free_gc(connection_, gc);
    xcb_free_pixmap(connection_, pixmap);
    return cursor;
}

} // namespace tessavundo
