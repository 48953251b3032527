// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace tessavundo {

// The folders of the compiled translations relative to the executable's folder, the installed
// layout's first.
QStringList RelativeTranslationFolders();

} // namespace tessavundo
