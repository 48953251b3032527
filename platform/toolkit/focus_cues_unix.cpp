// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/focus_cues.h"

namespace tessavundo {

bool FocusCuesShownFromStart() {
    return true;
}

} // namespace tessavundo
