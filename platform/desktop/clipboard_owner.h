// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>

namespace tessavundo {

// Whether the program holding the clipboard (or, for a middle-click paste, the selection)
// answers at once. On X11 the toolkit reads a foreign clipboard by asking its owner, up to
// three times with five seconds' wait each, and the window stands still meanwhile: a paste asks
// this first, waiting at most a moment, and leaves the clipboard alone when the owner is
// silent. True wherever reading cannot hang.
bool ClipboardOwnerAnswers(QClipboard::Mode mode = QClipboard::Clipboard);

} // namespace tessavundo
