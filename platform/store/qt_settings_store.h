#pragma once

#include "platform/settings_store.h"

#include <QString>
#include <memory>

class QSettings;

namespace tessavundo {

// The settings store on QSettings. Each application is one store: on Windows the registry key
// HKEY_CURRENT_USER\Software\<application>, on Linux the INI file <application>.conf in
// $XDG_CONFIG_HOME, the platform's native store elsewhere; sections are groups. System-wide
// files are never consulted. A store that cannot be read in full (unreadable, or damaged where
// QSettings cannot parse it) still gives what could be read, but is never written over, so
// nothing in it is lost.
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
};

} // namespace tessavundo
