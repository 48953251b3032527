// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/settings_store.h"

#include <memory>

namespace tessavundo {

// The platform's per-user settings store: an INI file per application in $XDG_CONFIG_HOME on
// Linux, the registry on Windows.
std::unique_ptr<SettingsStore> CreateUserSettingsStore();

} // namespace tessavundo
