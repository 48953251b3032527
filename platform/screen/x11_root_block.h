// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QRect>
#include <vector>
#include <xcb/xcb.h>

namespace tessavundo {

// The colors of a rectangle of one screen's root window, row by row, in one image request
// (and one colormap request on displays whose pixels are colormap indices). Empty when the
// rectangle does not lie on the screen or the server cannot show it in a format this program
// reads. The pointer's image is never part of it.
std::vector<PackedColor> ReadRootBlock(xcb_connection_t* connection, const xcb_screen_t& screen,
                                       const QRect& rect);

} // namespace tessavundo
