// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/portal/create_screen_cast_portal.h"
#include "platform/portal/desktop_screen_cast_portal.h"

namespace tessavundo {

std::unique_ptr<ScreenCastPortal> CreateScreenCastPortal() {
    return std::make_unique<DesktopScreenCastPortal>(RestoreTokenFile::OfUser(),
                                                     &OpenPipeWireStream);
}

} // namespace tessavundo
