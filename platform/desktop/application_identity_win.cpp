// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/application_identity.h"

#include <shobjidl.h>
#include <windows.h>

namespace tessavundo {

void DeclareApplicationIdentity() {
    // Without it Windows derives an id from the executable's path; nothing else changes.
    static_cast<void>(SetCurrentProcessExplicitAppUserModelID(L"" TESSAVUNDO_APP_ID));
}

} // namespace tessavundo
