#pragma once

#include <QString>
#include <optional>

namespace tessavundo {

// The per-user settings store: text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `defaultText` when the key does not exist. Empty when the store
    // holds the key in a form that is not one text (so the caller's conversion fails).
    virtual std::optional<QString> GetSetting(const QString& application, const QString& section,
                                              const QString& key,
                                              const QString& defaultText = QString()) = 0;

    // Creates what is needed and stores the text. Returns false when it could not be written;
    // a failed write never leaves a truncated store behind.
    virtual bool SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& text) = 0;
};

} // namespace tessavundo
