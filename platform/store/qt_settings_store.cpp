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
    // A damaged file is written over with what could be read of it plus the new value: the file
    // is the picker's own, and refusing would keep the picker from ever saving again. The write
    // goes through a temporary file, so a failure leaves the old file whole.
    settings->setAtomicSyncRequired(true);
    settings->beginGroup(section);
    settings->setValue(key, text);
    settings->endGroup();
    settings->sync();
    // A format error tells about the damaged file that was read, not about this write.
    return settings->status() != QSettings::AccessError;
}

} // namespace tessavundo
