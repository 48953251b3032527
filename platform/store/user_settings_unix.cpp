#include "platform/store/user_settings.h"

namespace tessavundo {

// Without an application name, QSettings names the store after the organization; on Linux and
// the BSDs its native format is the INI file $XDG_CONFIG_HOME/<application>.conf.
std::unique_ptr<QSettings> OpenUserSettings(const QString& application) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application);
}

} // namespace tessavundo
