// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/settings_store.h"

#include <QMap>
#include <QSet>
#include <QStringList>

namespace tessavundo::testing {

// The picker's section of a settings store, in memory, seeded and inspected by the window
// tests.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<QString> GetSetting(const QString& key, const QString& defaultText) override {
        if (unreadable.contains(key))
            return std::nullopt;
        return values.value(key, defaultText);
    }

    bool SaveSettings(const QList<std::pair<QString, QString>>& keyedTexts) override {
        ++saveCount;
        for (const auto& keyedText : keyedTexts)
            writeOrder.append(keyedText.first);
        if (readOnly)
            return false;
        for (const auto& [key, text] : keyedTexts)
            values.insert(key, text);
        return true;
    }

    void Seed(const QString& key, const QString& text) { values.insert(key, text); }
    QString Value(const QString& key) const { return values.value(key); }
    bool Contains(const QString& key) const { return values.contains(key); }

    QMap<QString, QString> values;
    // Keys whose stored value is not one text.
    QSet<QString> unreadable;
    QStringList writeOrder;
    int saveCount = 0;
    bool readOnly = false;
};

} // namespace tessavundo::testing
