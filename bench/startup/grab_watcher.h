// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <xcb/xcb.h>

namespace tessavundo::startup {

// Sees another program grab the pointer the moment the X server does it, without taking part:
// an invisible input-only window over the whole screen holds the pointer, and a grab by anyone
// else tells it with a leave notification of grab mode. Clicks through the XTEST extension,
// as the hardware would.
class GrabWatcher {
public:
    GrabWatcher();
    ~GrabWatcher();
    GrabWatcher(const GrabWatcher&) = delete;
    GrabWatcher& operator=(const GrabWatcher&) = delete;

    bool Connected() const { return connection_ != nullptr; }

    // Drops the notifications of earlier grabs.
    void Forget();

    // The time the notification of the next pointer grab arrived; empty on timeout.
    std::optional<std::chrono::steady_clock::time_point>
    WaitForGrab(std::chrono::milliseconds timeout);

    // A left click where the pointer stands; returns the moment before the press was sent.
    std::chrono::steady_clock::time_point Click();

    // Presses the Right arrow key and waits for the grabbing program to move the pointer: the
    // time from the press to the move, as the server's pointer position shows it; empty when
    // the pointer stays put within `timeout`.
    std::optional<std::chrono::steady_clock::duration> StepRight(std::chrono::milliseconds timeout);

private:
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = 0;
};

} // namespace tessavundo::startup
