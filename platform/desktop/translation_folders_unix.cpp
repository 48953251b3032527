// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/translation_folders.h"

namespace tessavundo {

// Installed: <prefix>/bin/tessavundo and <prefix>/share/tessavundo/translations, so that the
// program finds them under any prefix. In the build tree they lie beside the executable.
QStringList RelativeTranslationFolders() {
    return {QStringLiteral("../share/tessavundo/translations"), QStringLiteral("translations")};
}

} // namespace tessavundo
