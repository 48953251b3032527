// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

namespace tessavundo {

// Whether a window shows where the focus is from the moment it opens. Windows hides the focus
// cues of a window until the keyboard is used in it (Tab, the arrow keys or Alt), unless the
// user asked for them always (the "Underline access keys" and keyboard-cues setting); other
// desktops always show them.
bool FocusCuesShownFromStart();

} // namespace tessavundo
