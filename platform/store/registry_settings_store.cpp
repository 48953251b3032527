// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/store/registry_settings_store.h"

#include "platform/store/registry_values.h"

namespace tessavundo {

QString RegistrySettingsStore::KeyPath(const QString& application, const QString& section) {
    return QStringLiteral("Software\\VB and VBA Program Settings\\") + application +
           QLatin1Char('\\') + section;
}

std::optional<QString> RegistrySettingsStore::GetSetting(const QString& application,
                                                         const QString& section, const QString& key,
                                                         const QString& defaultText) {
    return ReadRegistryText(KeyPath(application, section), key).value_or(defaultText);
}

bool RegistrySettingsStore::SaveSetting(const QString& application, const QString& section,
                                        const QString& key, const QString& text) {
    return WriteRegistryTexts(KeyPath(application, section), {{key, text}});
}

} // namespace tessavundo
