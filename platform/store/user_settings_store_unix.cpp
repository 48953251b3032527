// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/ini_file_settings_store.h"
#include "platform/store/user_settings_store.h"

#include <QFile>
#include <cstdlib>
#include <pwd.h>
#include <string>
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

// $XDG_CONFIG_HOME, or ~/.config where it is unset, empty or relative, as the desktop's base
// directory rules say. The bytes are kept as they are: a folder whose name is no valid text
// is still the one the user named.
std::string ConfigFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        return config;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

} // namespace

// The INI file <application>.conf in the configuration folder: the file QSettings keeps for
// an application on Linux and the BSDs, which earlier versions of the picker wrote.
std::unique_ptr<SettingsStore> CreateUserSettingsStore(const QString& application,
                                                       const QString& section) {
    const std::string folder = ConfigFolder();
    const std::string file =
        folder.empty() ? std::string()
                       : folder + "/" + QFile::encodeName(application).toStdString() + ".conf";
    return std::make_unique<IniFileSettingsStore>(file, section);
}

} // namespace tessavundo
