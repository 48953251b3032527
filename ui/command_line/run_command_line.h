// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace tessavundo {

// Does what the arguments ask for other than the window (help, the version, a pick, or saying
// what is wrong with them) and returns the exit code; nothing when the window is to open.
// Call it first thing in main: none of it needs a display, an application object or the
// settings.
std::optional<int> RunCommandLine(int& argc, char** argv);

} // namespace tessavundo
