// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen_cast_portal.h"

#include <memory>

namespace tessavundo {

// The desktop's screen cast of this platform: the D-Bus portal with PipeWire streams on Linux
// desktops, keeping its restore token in the user's state folder; none on Windows, where the
// screen can always be read.
std::unique_ptr<ScreenCastPortal> CreateScreenCastPortal();

} // namespace tessavundo
