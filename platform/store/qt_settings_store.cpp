#include "platform/store/qt_settings_store.h"

#include "platform/store/user_settings.h"

#include <QDir>
#include <QSettings>
#include <QVariant>
#include <memory>
#include <utility>

namespace tessavundo {

QtSettingsStore::QtSettingsStore(QString directory)
    : m_directory(std::move(directory)) {}

std::unique_ptr<QSettings> QtSettingsStore::Open(const QString& application) {
    auto settings =
        m_directory.isEmpty()
            ? OpenUserSettings(application)
            : std::make_unique<QSettings>(QDir(m_directory).filePath(application + ".conf"),
                                          QSettings::IniFormat);
    settings->setFallbacksEnabled(false);
    // QSettings parses a section only when it is used, and all its objects in the process share
    // what was parsed, so a damaged file is reported once, to the object that parses the damaged
    // part. Parsing everything here and remembering the outcome catches it on the first use.
    settings->allKeys();
    if (settings->status() != QSettings::NoError) {
        m_damaged.insert(application);
    }
    return settings;
}

std::optional<QString> QtSettingsStore::GetSetting(const QString& application,
                                                   const QString& section, const QString& key,
                                                   const QString& defaultText) {
    const auto settings = Open(application);
    settings->beginGroup(section);
    if (!settings->contains(key)) {
        return defaultText;
    }
    const QVariant value = settings->value(key);
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString();
}

bool QtSettingsStore::SaveSetting(const QString& application, const QString& section,
                                  const QString& key, const QString& text) {
    const auto settings = Open(application);
    // QSettings would rewrite such a file from the part it understood and lose the rest.
    if (m_damaged.contains(application)) {
        return false;
    }
    settings->setAtomicSyncRequired(true);
    settings->beginGroup(section);
    settings->setValue(key, text);
    settings->endGroup();
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace tessavundo
