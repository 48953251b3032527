// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/ini_file_settings_store.h"
#include "platform/store/user_folders_unix.h"
#include "platform/store/user_settings_store.h"

#include <QFile>
#include <string>

namespace tessavundo {

// The INI file <application>.conf in the configuration folder: the file QSettings keeps for
// an application on Linux and the BSDs, which earlier versions of the picker wrote.
std::unique_ptr<SettingsStore> CreateUserSettingsStore(const QString& application,
                                                       const QString& section) {
    const std::string folder = UserConfigFolder();
    const std::string file =
        folder.empty() ? std::string()
                       : folder + "/" + QFile::encodeName(application).toStdString() + ".conf";
    return std::make_unique<IniFileSettingsStore>(file, section);
}

} // namespace tessavundo
