// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen/click_grab.h"

#include <memory>

namespace tessavundo {

// The running toolkit's way of taking one click anywhere on the desktop, or null where the
// platform offers none. Call it once the application object exists.
std::unique_ptr<ClickGrab> CreateClickGrab();

} // namespace tessavundo
