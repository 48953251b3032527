// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QCoreApplication;
class QLocale;

namespace tessavundo {

// The folders the program's compiled translations (tessavundo_<language>.qm) are looked for in,
// in this order: where the installation puts them, then beside the executable, where the build
// puts them for the program and the tests it builds.
QStringList ProgramTranslationFolders();

// Installs the program's translation for the locale's languages, in the order the user prefers
// them, from the first folder that has one, and with it Qt's own translation of that language
// for the standard buttons and the text fields' context menu: shipped beside the program's on
// Windows, Qt's own folder elsewhere. Where the program has no translation, nothing is installed
// and every text stays English, Qt's included, so that a window never mixes two languages. A file
// that is not a translation counts as none. The translators belong to the application. Returns
// whether a translation was installed.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale,
                         const QStringList& folders = ProgramTranslationFolders());

} // namespace tessavundo
