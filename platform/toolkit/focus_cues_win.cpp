// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/focus_cues.h"

#include <windows.h>

namespace tessavundo {

bool FocusCuesShownFromStart() {
    BOOL always = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0) && always;
}

} // namespace tessavundo
