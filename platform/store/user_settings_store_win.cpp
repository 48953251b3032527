// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/store/registry_settings_store.h"
#include "platform/store/user_settings_store.h"

namespace tessavundo {

std::unique_ptr<SettingsStore> CreateUserSettingsStore(const QString& application,
                                                       const QString& section) {
    return std::make_unique<RegistrySettingsStore>(application, section);
}

} // namespace tessavundo
