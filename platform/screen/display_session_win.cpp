// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/screen/display_session.h"

namespace tessavundo {

// A Windows program draws on the Windows desktop whatever the variables say: under Wine they are
// inherited from the Linux session around it, and choosing the X11 platform there would only
// name a platform plugin the Windows toolkit does not have.
DisplayEnvironment ReadDisplayEnvironment() {
    DisplayEnvironment environment;
    environment.systemDesktop = true;
    return environment;
}

bool IsWaylandSession(const DisplayEnvironment&) {
    return false;
}

bool ShouldRunOnXWayland(const DisplayEnvironment&, int, const char* const*) {
    return false;
}

DisplayCheck CheckDisplay(const DisplayEnvironment&, int, const char* const*) {
    return {};
}

} // namespace tessavundo
