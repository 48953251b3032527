// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/command_line/command_line.h"

namespace tessavundo {

// Picks one pixel of the screen and prints its color in `format` (or puts it on the clipboard,
// as `destination` says), without a window and
// without the settings: by a click on an X11 desktop, else through the desktop's
// color-picker portal. Returns the exit code. Call it before any application object exists;
// the toolkit's own options are taken out of argc and argv.
int RunOneShotPick(int& argc, char** argv, PickFormat format, PickDestination destination);

} // namespace tessavundo
