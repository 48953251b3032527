// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

namespace tessavundo {

// Names the running program to the desktop by its application id before any window exists.
// On Windows that is the process's AppUserModelID, the one the installer writes into the
// Start-menu shortcut, so that the taskbar puts the window on the shortcut's pinned button
// instead of a button of its own. Elsewhere the toolkit's desktop file name does it.
void DeclareApplicationIdentity();

} // namespace tessavundo
