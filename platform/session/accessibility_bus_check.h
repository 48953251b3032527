// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

namespace tessavundo {

// The toolkit's screen-reader bridge meets the accessibility bus with blocking calls while the
// controls are made: a bus whose owner is stopped holds the window back for two 25-second
// waits, and an accessibility bus that accepts connections and never answers freezes the
// program for good. This check asks the same questions without blocking, while the rest of the
// start-up goes on, and where no answer comes keeps the bridge off the bus (saying so in one
// line on the standard error): the program then starts without screen-reader support.
// Where the platform has no such bus it does nothing.
class AccessibilityBusCheck {
public:
    // Right after the application object exists, before any control: asks the question.
    AccessibilityBusCheck();
    ~AccessibilityBusCheck();
    AccessibilityBusCheck(const AccessibilityBusCheck&) = delete;
    AccessibilityBusCheck& operator=(const AccessibilityBusCheck&) = delete;

    // Before the first control: waits a short while at most for the answer, and keeps the
    // bridge off the bus where none came. False then.
    bool Settle();

private:
    struct Pending;
    std::unique_ptr<Pending> pending_;
};

} // namespace tessavundo
