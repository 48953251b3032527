// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <xcb/xcb.h>

namespace tessavundo {

// The toolkit's own X connection, or null without one (no application object yet, another
// platform, or the offscreen platform, which offers the interface with a null connection).
xcb_connection_t* ToolkitConnection();

// The screen named by DISPLAY, the one the toolkit connected to; null if the server has none.
const xcb_screen_t* DefaultScreen(xcb_connection_t* connection);

} // namespace tessavundo
