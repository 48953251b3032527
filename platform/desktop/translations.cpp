// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/translations.h"

#include "platform/desktop/translation_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tessavundo {

namespace {

// Looks in each folder in turn; a locale none of them has costs a few failed file look-ups and
// nothing else, as the files are memory-mapped only once found.
std::unique_ptr<QTranslator> LoadTranslation(const QLocale& locale, const QString& name,
                                             const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders)
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            return translator;
    return nullptr;
}

void Install(QCoreApplication& app, std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    translator.release()->setParent(&app);
}

} // namespace

QStringList ProgramTranslationFolders() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QStringList folders;
    for (const QString& relative : RelativeTranslationFolders())
        folders.append(QDir::cleanPath(programFolder.filePath(relative)));
    return folders;
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    auto program = LoadTranslation(locale, QStringLiteral("tessavundo"), folders);
    if (!program)
        return false;
    // Qt's texts in the language the program's translation is in, not the next one the user
    // would take, so that both agree.
    auto toolkit =
        LoadTranslation(QLocale(program->language()), QStringLiteral("qtbase"),
                        folders + QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    Install(app, std::move(program));
    if (toolkit)
        Install(app, std::move(toolkit));
    return true;
}

} // namespace tessavundo
