// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <string_view>
#include <utility>

namespace tessavundo {

// The per-user settings store of one application and one section of it, chosen when the store
// is made: text values addressed by key.
class SettingsStore {
public:
    SettingsStore() = default;
    virtual ~SettingsStore() = default;
    // An interface, used through references and owning pointers: never copied or moved.
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;
    SettingsStore(SettingsStore&&) = delete;
    SettingsStore& operator=(SettingsStore&&) = delete;

    // The stored text, or `defaultText` when the key does not exist. Empty when the store
    // holds the key in a form that is not one text (so the caller's conversion fails).
    virtual std::optional<QString> GetSetting(const QString& key,
                                              const QString& defaultText = QString()) = 0;

    // Stores every text under its key in one write: afterwards the store holds either all of
    // the new texts or its old content. Returns false when it could not be written.
    virtual bool SaveSettings(const QList<std::pair<QString, QString>>& keyedTexts) = 0;
};

// A key or name as the code without Qt spells it (settings/settings_keys.h), as the store takes
// it.
inline QString SettingsKeyText(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace tessavundo
