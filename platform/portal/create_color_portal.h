// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/color_portal.h"

#include <memory>

namespace tessavundo {

// The desktop's color picker of this platform: the D-Bus portal on Linux desktops; on Windows,
// where the screen can always be read, one that answers every request with Unavailable.
std::unique_ptr<ColorPortal> CreateColorPortal();

} // namespace tessavundo
