// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/settings_store.h"

namespace tessavundo {

// The settings store of Windows programs of this kind: one REG_SZ value per key under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, where
// values left by an earlier program with the same names are read as they are. A value of
// another type reads as missing.
class RegistrySettingsStore final : public SettingsStore {
public:
    RegistrySettingsStore(const QString& application, const QString& section);

    static QString KeyPath(const QString& application, const QString& section);

    std::optional<QString> GetSetting(const QString& key,
                                      const QString& defaultText = QString()) override;
    bool SaveSettings(const QList<std::pair<QString, QString>>& keyedTexts) override;

private:
    QString keyPath_;
};

} // namespace tessavundo
