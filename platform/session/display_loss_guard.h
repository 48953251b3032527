// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace tessavundo {

// The toolkit's display plugins end the program with exit() from inside the event loop when the
// connection to the display breaks (the X server or the compositor went away: a log-out of a
// startx session ends so). Nothing of the program's own shut-down runs then. While a guard
// lives, such an exit first runs its action on the event thread, where the exit is called, with
// every object of the program still in place. Leaving the event loop normally and destroying
// the guard disarms it. One guard at a time.
class DisplayLossGuard {
public:
    explicit DisplayLossGuard(std::function<void()> action);
    ~DisplayLossGuard();

    DisplayLossGuard(const DisplayLossGuard&) = delete;
    DisplayLossGuard& operator=(const DisplayLossGuard&) = delete;

private:
    std::function<void()> action_;
};

} // namespace tessavundo
