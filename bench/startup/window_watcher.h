// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <sys/types.h>
#include <xcb/xcb.h>

namespace tessavundo::startup {

// Watches the X server for top-level windows being mapped, from the moment it is created, so
// that a program's first window is seen the instant the server maps it.
class WindowWatcher {
public:
    WindowWatcher();
    ~WindowWatcher();
    WindowWatcher(const WindowWatcher&) = delete;
    WindowWatcher& operator=(const WindowWatcher&) = delete;

    bool Connected() const { return connection_ != nullptr; }

    // Drops the notifications of earlier programs.
    void Forget();

    // Waits for the first window of `pid` (by its _NET_WM_PID) to be mapped and returns it with
    // the time the notification arrived; empty on timeout.
    struct MappedWindow {
        xcb_window_t window;
        std::chrono::steady_clock::time_point mappedAt;
    };
    std::optional<MappedWindow> WaitForMappedWindow(pid_t pid, std::chrono::milliseconds timeout);

    // Gives the window the input focus, as a click on it would with a window manager.
    void Focus(xcb_window_t window);

    // Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW).
    void RequestClose(xcb_window_t window);

private:
    std::optional<std::uint32_t> WindowPid(xcb_window_t window);
    xcb_atom_t Atom(const char* name);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0;
    xcb_atom_t protocolsAtom_ = 0;
    xcb_atom_t deleteWindowAtom_ = 0;
};

} // namespace tessavundo::startup
