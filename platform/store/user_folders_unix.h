// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tessavundo {

// The user's base folders as the desktop's base directory rules name them: the variable where
// it holds an absolute path, else its default under the home folder. The bytes are kept as they
// are: a folder whose name is no valid text is still the one the user named. Empty where there
// is no home folder either.
std::string UserConfigFolder(); // $XDG_CONFIG_HOME, ~/.config
std::string UserStateFolder();  // $XDG_STATE_HOME, ~/.local/state

} // namespace tessavundo
