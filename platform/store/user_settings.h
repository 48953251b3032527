#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace tessavundo {

// The platform's per-user settings of one application, in user_settings_*.cpp.
std::unique_ptr<QSettings> OpenUserSettings(const QString& application);

} // namespace tessavundo
