#pragma once

#include "platform/settings_store.h"

#include <QSet>
#include <QString>
#include <memory>

class QSettings;

namespace tessavundo {

// The settings store on QSettings. Each application is one store: on Windows the registry key
// HKEY_CURRENT_USER\Software\<application>, on Linux the INI file <application>.conf in
// $XDG_CONFIG_HOME, the platform's native store elsewhere; sections are groups. System-wide
// files are never consulted. A store that cannot be read in full still gives what could be
// read. An unreadable file is never written over; a damaged one is replaced at the next save by
// what could be read of it plus the new value, so the picker can save again.
class QtSettingsStore final : public SettingsStore {
public:
    // `directory` replaces the platform's per-user location with an INI file in that folder;
    // empty keeps the platform's location.
    explicit QtSettingsStore(QString directory = QString());

    std::optional<QString> GetSetting(const QString& application, const QString& section,
                                      const QString& key,
                                      const QString& defaultText = QString()) override;

    bool SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& text) override;

private:
    std::unique_ptr<QSettings> Open(const QString& application);

    QString m_directory;
    // Applications whose file was found damaged and has not been written since.
    QSet<QString> m_damaged;
};

} // namespace tessavundo
