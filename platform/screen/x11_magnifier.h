// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <cstdint>
#include <xcb/xcb.h>

namespace tessavundo {

// The pixels around the pointer enlarged (see magnifier_view.h), as the pointer's own image:
// the cursor is drawn by the server over the screen and never returned by GetImage, so the view
// can never be read in place of the pixels it shows. Each cell is one physical pixel of the
// root.
class X11Magnifier {
public:
    explicit X11Magnifier(xcb_connection_t* connection, const xcb_screen_t& screen);
    X11Magnifier(const X11Magnifier&) = delete;
    X11Magnifier& operator=(const X11Magnifier&) = delete;

    // False where the server has no alpha cursors or too small a cursor for the view.
    bool Available() const { return zoom_ > 0; }

    // A new cursor showing the pixels of `screen` around `centre`; the caller frees it. Pixels
    // off the screen are transparent. XCB_CURSOR_NONE if the screen cannot be read.
    xcb_cursor_t CursorAt(const xcb_screen_t& screen, QPoint centre);

private:
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::uint32_t argbFormat_ = 0;
    int zoom_ = 0;
};

} // namespace tessavundo
