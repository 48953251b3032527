// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/clipboard_owner.h"

namespace tessavundo {

// The Windows clipboard holds its data, or renders it on request through the system, which
// bounds the wait itself.
bool ClipboardOwnerAnswers() {
    return true;
}

} // namespace tessavundo
