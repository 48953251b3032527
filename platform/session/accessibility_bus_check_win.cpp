// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/accessibility_bus_check.h"

namespace tessavundo {

// Windows screen readers reach the program through UI Automation, with no bus in between.
struct AccessibilityBusCheck::Pending {};

AccessibilityBusCheck::AccessibilityBusCheck() = default;

AccessibilityBusCheck::~AccessibilityBusCheck() = default;

bool AccessibilityBusCheck::Settle() {
    return true;
}

} // namespace tessavundo
