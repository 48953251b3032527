#pragma once

#include "platform/settings_store.h"

#include <QMap>
#include <QSet>

namespace tessavundo::testing {

// A settings store in memory, seeded and inspected by the window tests.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<QString> GetSetting(const QString& application, const QString& section,
                                      const QString& key, const QString& defaultText) override {
        const QString path = Path(application, section, key);
        if (unreadable.contains(path))
            return std::nullopt;
        return values.value(path, defaultText);
    }

    bool SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& text) override {
        const QString path = Path(application, section, key);
        writeOrder.append(key);
        if (readOnly)
            return false;
        values.insert(path, text);
        return true;
    }

    static QString Path(const QString& application, const QString& section, const QString& key) {
        return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
    }

    void Seed(const QString& key, const QString& text) {
        values.insert(Path(QStringLiteral("ColorPicker"), QStringLiteral("position"), key), text);
    }

    QString Value(const QString& key) const {
        return values.value(Path(QStringLiteral("ColorPicker"), QStringLiteral("position"), key));
    }

    bool Contains(const QString& key) const {
        return values.contains(
            Path(QStringLiteral("ColorPicker"), QStringLiteral("position"), key));
    }

    QMap<QString, QString> values;
    // Keys whose stored value is not one text.
    QSet<QString> unreadable;
    QStringList writeOrder;
    bool readOnly = false;
};

} // namespace tessavundo::testing
