// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QImage>
#include <QPoint>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

namespace tessavundo {

// The pixels around the pointer enlarged, as the pointer's own image: the cursor is drawn by
// the server over the screen and never returned by GetImage, so the view can never be read in
// place of the pixels it shows. Each cell is one physical pixel of the root; the centre cell,
// the one under the hot spot, is framed black inside white so that it shows on any color, and
// its hex text is written below it where the cursor is large enough.
class X11Magnifier {
public:
    // Cells on each side of the view; odd, so that one lies in the middle.
    static constexpr int kCells = 15;

    explicit X11Magnifier(xcb_connection_t* connection, const xcb_screen_t& screen);
    X11Magnifier(const X11Magnifier&) = delete;
    X11Magnifier& operator=(const X11Magnifier&) = delete;

    // False where the server has no alpha cursors or too small a cursor for the view.
    bool Available() const { return zoom_ > 0; }

    // A new cursor showing the pixels of `screen` around `centre`; the caller frees it. Pixels
    // off the screen are transparent. XCB_CURSOR_NONE if the screen cannot be read.
    xcb_cursor_t CursorAt(const xcb_screen_t& screen, QPoint centre);

private:
    // The view's image, premultiplied ARGB, for `pixels` (kCells x kCells, row by row; an
    // empty one for off-screen cells) whose centre is `centreColor`.
    QImage Compose(const std::vector<std::optional<PackedColor>>& pixels,
                   PackedColor centreColor) const;

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::uint32_t argbFormat_ = 0;
    int zoom_ = 0;
};

} // namespace tessavundo
