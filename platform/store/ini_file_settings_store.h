// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/settings_store.h"
#include "platform/store/ini_document.h"
#include "platform/store/settings_file_unix.h"

#include <QString>
#include <optional>
#include <string>

namespace tessavundo {

// One section of an INI settings file. The file is read once, when the first value is asked
// for; whatever could not be read reads as missing. A save writes the whole file anew with the
// file's other content as it is on the disk at that moment; a damaged file is replaced by one
// holding only the new values, so that the damage is not written back and the picker can save
// again. A save that fails leaves the file as it was and says why on the standard error.
class IniFileSettingsStore final : public SettingsStore {
public:
    IniFileSettingsStore(std::string filePath, QString section);

    std::optional<QString> GetSetting(const QString& key,
                                      const QString& defaultText = QString()) override;
    bool SaveSettings(const QList<std::pair<QString, QString>>& keyedTexts) override;

private:
    const IniDocument& Document();

    SettingsFile file_;
    QString section_;
    std::optional<IniDocument> document_;
};

} // namespace tessavundo
