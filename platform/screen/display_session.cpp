// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/display_session.h"

#include <cstdlib>
#include <string_view>
#include <utility>
#include <xcb/xcb.h>

namespace tessavundo {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The value of the toolkit's option "-NAME VALUE", also written "--NAME VALUE"; nothing when it
// is not given, or given last without a value.
const char* ToolkitOption(std::string_view name, int argc, const char* const* argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (!argv[i])
            continue;
        std::string_view argument = argv[i];
        if (argument.substr(0, 2) == "--")
            argument.remove_prefix(1);
        if (argument.size() == name.size() + 1 && argument[0] == '-' && argument.substr(1) == name)
            return argv[i + 1];
    }
    return nullptr;
}

bool ChoosesPlatform(int argc, const char* const* argv) {
    return ToolkitOption("platform", argc, argv) != nullptr;
}

// Whether the toolkit will take its X11 platform and no other: by choice ("xcb", with or
// without the plugin's options after a colon), or by default outside a Wayland desktop. A list
// such as "xcb;offscreen" falls back to the next entry by itself.
bool UsesOnlyX11(const DisplayEnvironment& environment, int argc, const char* const* argv) {
    const char* option = ToolkitOption("platform", argc, argv);
    const std::string_view chosen = option ? std::string_view(option) : environment.chosenPlatform;
    if (chosen.empty())
        return !IsWaylandSession(environment);
    return chosen.substr(0, chosen.find(':')) == "xcb";
}

const char* ConnectionProblem(int error) {
    switch (error) {
    case XCB_CONN_ERROR:
        return "no X server accepts the connection";
    case XCB_CONN_CLOSED_MEM_INSUFFICIENT:
        return "out of memory";
    case XCB_CONN_CLOSED_PARSE_ERR:
        return "not a display name";
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        return "the server has no such screen";
    default:
        return "the connection failed";
    }
}

} // namespace

DisplayEnvironment ReadDisplayEnvironment() {
    return DisplayEnvironment{Variable("WAYLAND_DISPLAY"), Variable("XDG_SESSION_TYPE"),
                              Variable("DISPLAY"), Variable("QT_QPA_PLATFORM")};
}

bool IsWaylandSession(const DisplayEnvironment& environment) {
    return !environment.waylandDisplay.empty() || environment.sessionType == "wayland";
}

bool ShouldRunOnXWayland(const DisplayEnvironment& environment, int argc, const char* const* argv) {
    return IsWaylandSession(environment) && !environment.x11Display.empty() &&
           environment.chosenPlatform.empty() && !ChoosesPlatform(argc, argv);
}

DisplayCheck CheckDisplay(const DisplayEnvironment& environment, int argc,
                          const char* const* argv) {
    if (!UsesOnlyX11(environment, argc, argv))
        return {};
    const char* option = ToolkitOption("display", argc, argv);
    const std::string display = option ? std::string(option) : environment.x11Display;
    if (display.empty())
        return {"cannot open display (DISPLAY is not set)", nullptr};
    // One connection more than the toolkit's own, a local handshake of well under a
    // millisecond.
    std::shared_ptr<xcb_connection_t> connection(xcb_connect(display.c_str(), nullptr),
                                                 &xcb_disconnect);
    if (const int error = xcb_connection_has_error(connection.get()))
        return {"cannot open display " + display + " (" + ConnectionProblem(error) + ")", nullptr};
    return {std::string(), std::move(connection)};
}

} // namespace tessavundo
