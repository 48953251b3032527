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
    // QSettings parses a file once per process and tells only the object that parsed it that it
    // was damaged, so the first opening parses all of it and the damage is remembered.
    settings->allKeys();
    if (settings->status() == QSettings::FormatError)
        m_damaged.insert(application);
    return settings;
}

std::optional<QString> QtSettingsStore::GetSetting(const QString& application,
                                                   const QString& section, const QString& key,
                                                   const QString& defaultText) {
    const auto settings = Open(application);
    settings->beginGroup(section);
    if (!settings->contains(key))
        return defaultText;
    const QVariant value = settings->value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool QtSettingsStore::SaveSetting(const QString& application, const QString& section,
                                  const QString& key, const QString& text) {
    const auto settings = Open(application);
    // A damaged file is replaced by a whole one: the file is the picker's own, refusing would
    // keep the picker from ever saving again, and keeping what QSettings made of the damage
    // would write it back on every save. The write goes through a temporary file, so a failure
    // leaves the old file as it was.
    if (m_damaged.remove(application))
        settings->clear();
    settings->setAtomicSyncRequired(true);
    settings->beginGroup(section);
    settings->setValue(key, text);
    settings->endGroup();
    settings->sync();
    // A format error tells about the damaged file that was read, not about this write.
    return settings->status() != QSettings::AccessError;
}

} // namespace tessavundo
