#include "platform/store/user_settings.h"

namespace tessavundo {

// Given by path, because an organization without an application name would put the values
// under ...\<application>\OrganizationDefaults.
std::unique_ptr<QSettings> OpenUserSettings(const QString& application) {
    return std::make_unique<QSettings>("HKEY_CURRENT_USER\\Software\\" + application,
                                       QSettings::NativeFormat);
}

} // namespace tessavundo
