// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/store/registry_settings_store.h"

#include "platform/store/registry_values.h"

namespace tessavundo {

RegistrySettingsStore::RegistrySettingsStore(const QString& application, const QString& section)
    : keyPath_(KeyPath(application, section)) {}

QString RegistrySettingsStore::KeyPath(const QString& application, const QString& section) {
    return QStringLiteral("Software\\VB and VBA Program Settings\\") + application +
           QLatin1Char('\\') + section;
}

std::optional<QString> RegistrySettingsStore::GetSetting(const QString& key,
                                                         const QString& defaultText) {
    return ReadRegistryText(keyPath_, key).value_or(defaultText);
}

bool RegistrySettingsStore::SaveSettings(const QList<std::pair<QString, QString>>& keyedTexts) {
    return WriteRegistryTexts(keyPath_, keyedTexts);
}

} // namespace tessavundo
