// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/settings_store.h"

#include <QString>
#include <memory>

namespace tessavundo {

// The user's own settings of one application and section in the platform's per-user store;
// defined in user_settings_store_*.cpp.
std::unique_ptr<SettingsStore> CreateUserSettingsStore(const QString& application,
                                                       const QString& section);

} // namespace tessavundo
