// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/clipboard_owner.h"

namespace tessavundo {

// The toolkit reads the Windows clipboard through the system's own calls, without the rounds of
// waiting on another program that its X11 clipboard has: there is nothing to ask first.
bool ClipboardOwnerAnswers(QClipboard::Mode /*mode*/) {
    return true;
}

} // namespace tessavundo
