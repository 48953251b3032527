// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tessavundo {

namespace {

// The build compiles translations/tessavundo_<language>.ts into the program's resources here.
const QString kProgramTranslations = QStringLiteral(":/i18n");

std::unique_ptr<QTranslator> LoadTranslation(const QLocale& locale, const QString& name,
                                             const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    return translator;
}

void Install(QCoreApplication& app, std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    translator.release()->setParent(&app);
}

} // namespace

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    auto program = LoadTranslation(locale, QStringLiteral("tessavundo"), kProgramTranslations);
    if (!program)
        return false;
    // Qt's texts in the language the program's translation is in, not the next one the user
    // would take, so that both agree.
    auto toolkit = LoadTranslation(QLocale(program->language()), QStringLiteral("qtbase"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(app, std::move(program));
    if (toolkit)
        Install(app, std::move(toolkit));
    return true;
}

} // namespace tessavundo
