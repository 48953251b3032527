// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/x11_toolkit_connection.h"

#include <QGuiApplication>
#include <cstdlib>

namespace tessavundo {

xcb_connection_t* ToolkitConnection() {
    if (!qGuiApp)
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

const xcb_screen_t* DefaultScreen(xcb_connection_t* connection) {
    int screenNumber = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screenNumber) == 0)
        screenNumber = 0;
    std::free(host);
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem && screenNumber > 0; --screenNumber)
        xcb_screen_next(&screens);
    return screens.rem ? screens.data : nullptr;
}

} // namespace tessavundo
