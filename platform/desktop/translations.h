// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;
class QLocale;

namespace tessavundo {

// Installs the program's translation for the locale's languages, in the order the user prefers
// them, and with it Qt's own translation of that language for the standard buttons. Where the
// program has no translation, nothing is installed and every text stays English, Qt's included,
// so that a window never mixes two languages. The translators belong to the application.
// Returns whether a translation was installed.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale);

} // namespace tessavundo
