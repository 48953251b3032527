// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/ini_file_settings_store.h"

#include <cstdio>
#include <utility>

namespace tessavundo {

IniFileSettingsStore::IniFileSettingsStore(std::string filePath, QString section)
    : file_(std::move(filePath))
    , section_(std::move(section)) {}

const IniDocument& IniFileSettingsStore::Document() {
    if (!document_) {
        const SettingsFile::Content content = file_.Read();
        document_ = content.state == SettingsFile::Content::State::Read
                        ? IniDocument::Parse(content.bytes)
                        : IniDocument();
    }
    return *document_;
}

std::optional<QString> IniFileSettingsStore::GetSetting(const QString& key,
                                                        const QString& defaultText) {
    const IniDocument& document = Document();
    if (!document.Contains(section_, key))
        return defaultText;
    return document.Text(section_, key);
}

bool IniFileSettingsStore::SaveSettings(const QList<std::pair<QString, QString>>& keyedTexts) {
    IniDocument saved;
    const auto failure = file_.Replace([&](const SettingsFile::Content& current) {
        if (current.state == SettingsFile::Content::State::Read) {
            IniDocument onDisk = IniDocument::Parse(current.bytes);
            if (!onDisk.IsDamaged())
                saved = std::move(onDisk);
        }
        for (const auto& [key, text] : keyedTexts)
            saved.SetText(section_, key, text);
        return saved.Serialize();
    });
    if (failure) {
        std::fprintf(stderr, "tessavundo: the settings were not saved to %s: %s\n",
                     file_.Path().c_str(), failure->c_str());
        return false;
    }
    document_ = std::move(saved);
    return true;
}

} // namespace tessavundo
