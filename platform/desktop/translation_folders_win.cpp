// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/translation_folders.h"

namespace tessavundo {

// A Windows program keeps everything in its own folder: the installation, the zip and the
// build tree alike have the translations, Qt's among them, in a folder beside the executable.
QStringList RelativeTranslationFolders() {
    return {QStringLiteral("translations")};
}

} // namespace tessavundo
