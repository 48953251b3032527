// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/store/create_settings_store.h"
#include "platform/store/registry_settings_store.h"

namespace tessavundo {

std::unique_ptr<SettingsStore> CreateUserSettingsStore() {
    return std::make_unique<RegistrySettingsStore>();
}

} // namespace tessavundo
