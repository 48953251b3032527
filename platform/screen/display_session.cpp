// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/display_session.h"

#include <cstdlib>
#include <string_view>

namespace tessavundo {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The toolkit takes its platform from "-platform NAME", also written "--platform NAME"; a
// trailing "-platform" without a name chooses nothing.
bool ChoosesPlatform(int argc, const char* const* argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (!argv[i])
            continue;
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform")
            return true;
    }
    return false;
}

} // namespace

DisplayEnvironment ReadDisplayEnvironment() {
    return DisplayEnvironment{Variable("WAYLAND_DISPLAY"), Variable("XDG_SESSION_TYPE"),
                              Variable("DISPLAY"), Variable("QT_QPA_PLATFORM")};
}

bool IsWaylandSession(const DisplayEnvironment& environment) {
    return !environment.waylandDisplay.empty() || environment.sessionType == "wayland";
}

bool ShouldRunOnXWayland(const DisplayEnvironment& environment, int argc, const char* const* argv) {
    return IsWaylandSession(environment) && !environment.x11Display.empty() &&
           environment.chosenPlatform.empty() && !ChoosesPlatform(argc, argv);
}

} // namespace tessavundo
