// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/portal/create_color_portal.h"
#include "platform/portal/desktop_color_portal.h"

namespace tessavundo {

std::unique_ptr<ColorPortal> CreateColorPortal() {
    return std::make_unique<DesktopColorPortal>();
}

} // namespace tessavundo
