// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessavundo {

// Puts `text` on the desktop's clipboard for a program that is about to end. An X11 clipboard
// lives only as long as its owner, so a background process of its own keeps serving it, and
// ends once another program takes the clipboard or the desktop's clipboard manager has saved
// it; it holds nothing of this process (no files, no X connection, no terminal). Returns once
// the clipboard holds the text: empty then, else a sentence saying why not.
QString HandOverToClipboard(const QString& text);

} // namespace tessavundo
