// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

namespace tessavundo {

// What the environment tells about the desktop session the program was started in.
struct DisplayEnvironment {
    std::string waylandDisplay; // WAYLAND_DISPLAY
    std::string sessionType;    // XDG_SESSION_TYPE
    std::string x11Display;     // DISPLAY
    std::string chosenPlatform; // QT_QPA_PLATFORM
    // The system's own desktop, whose screen any program reads without a display server.
    bool systemDesktop = false;
};

DisplayEnvironment ReadDisplayEnvironment();

// A Wayland desktop, where no program may read the screen or follow the pointer over other
// programs' windows. That holds for a program on XWayland too: its root window shows only the
// X programs' windows.
bool IsWaylandSession(const DisplayEnvironment& environment);

// Whether the toolkit should be told to use its X11 platform: on a Wayland desktop that offers
// XWayland, when the user has chosen no platform, neither by QT_QPA_PLATFORM nor by the
// toolkit's -platform argument. Only there can the window move itself to a position and read
// its position back; a Wayland window has neither.
bool ShouldRunOnXWayland(const DisplayEnvironment& environment, int argc, const char* const* argv);

// What trying the display found.
struct DisplayCheck {
    // What to tell the user, "cannot open display :99 (why)"; empty where the display opens or
    // no X server is needed.
    std::string problem;
    // The connection that was tried, to be let go once the toolkit has its own: a server whose
    // last client leaves resets itself, and refuses connections meanwhile.
    std::shared_ptr<void> connection;
};

// Where the toolkit will connect to an X server (its X11 platform, chosen or by default), tries
// that display once, before any application object exists: the toolkit aborts the program
// where it cannot.
DisplayCheck CheckDisplay(const DisplayEnvironment& environment, int argc, const char* const* argv);

} // namespace tessavundo
