// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/user_folders_unix.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace tessavundo {

namespace {

// The home folder as the environment names it, or as the password database does where the
// environment does not (a service started without HOME). Empty when neither knows one.
std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return {};
}

// An unset, empty or relative variable gives the default.
std::string BaseFolder(const char* variable, const char* homeDefault) {
    if (const char* folder = std::getenv(variable); folder != nullptr && *folder == '/')
        return folder;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + homeDefault;
}

} // namespace

std::string UserConfigFolder() {
    return BaseFolder("XDG_CONFIG_HOME", "/.config");
}

std::string UserStateFolder() {
    return BaseFolder("XDG_STATE_HOME", "/.local/state");
}

} // namespace tessavundo
