// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The window in the language of the locale the test runs under (ctest runs it under the locale
// of every translation, an English and the C locale): in each translated language every text a
// user sees or hears is translated, fits its control and has the glyphs to show it, and Qt's own
// texts (standard buttons, the text fields' context menu) follow; in English and C nothing
// changes.
#include "platform/desktop/translations.h"
#include "tests/support/caption_fit.h"
#include "tests/support/form_harness.h"
#include "tests/support/message_box_reader.h"
#include "ui/control_descriptions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGlyphRun>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtTest>
#include <memory>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// Names, not words: the same in every language.
const QStringList kUntranslatable = {QStringLiteral("Tessavundo"), QStringLiteral("?")};

// Words a language shares with English, by language.
const QMultiMap<QLocale::Language, QString> kSameAsEnglish = {
    {QLocale::Dutch, QStringLiteral("Help")}};

// A color said in its two notations, "rgb(255,0,0), #FF0000", is the same in every language.
bool IsColorInWords(const QString& text) {
    return text.startsWith(QLatin1String("rgb("));
}

// Every text of the window a user sees or hears, by control and kind: captions, tooltips and
// what assistive technology reads out.
QMap<QString, QString> WindowTexts(Form1& form) {
    QMap<QString, QString> texts;
    auto add = [&texts](const QString& key, const QString& text) {
        if (!text.isEmpty())
            texts.insert(key, text);
    };
    add(QStringLiteral("Form1 title"), form.windowTitle());
    QList<QWidget*> widgets = form.findChildren<QWidget*>();
    widgets.prepend(&form);
    for (QWidget* widget : widgets) {
        const QString id = widget->objectName();
        if (id.isEmpty())
            continue;
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget)) {
            add(id + QStringLiteral(" name"), accessible->text(QAccessible::Name));
            add(id + QStringLiteral(" description"), accessible->text(QAccessible::Description));
        }
        add(id + QStringLiteral(" tooltip"), widget->toolTip());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(id + QStringLiteral(" caption"), button->text());
    }
    for (const ScreenReading reading : {ScreenReading::ForbiddenByDesktop,
                                        ScreenReading::DisplayNotSupported, ScreenReading::Refused})
        add(QStringLiteral("unreadable screen tooltip %1").arg(static_cast<int>(reading)),
            UnreadableScreenToolTip(reading));
    return texts;
}

ShownMessage ShowHelp(Form1& form) {
    ShownMessage shown;
    InspectNextMessageBox(shown);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    return shown;
}

// Where the build puts the compiled translations; the test programs lie in a folder of their own.
QStringList BuildTranslationFolders() {
    return {QStringLiteral(TESSAVUNDO_BUILD_TRANSLATIONS)};
}

bool IsTranslated() {
    return QLocale().language() != QLocale::English && QLocale().language() != QLocale::C;
}

// Whether the fonts the toolkit picks for the text (the control's, or a fallback) draw every
// character: a missing glyph would show as an empty box whatever its width.
bool EveryCharacterHasAGlyph(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        for (const quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return false;
    return true;
}

// The first entry of the rgb field's own context menu: Undo, in Qt's words.
QString FirstContextMenuEntry(Form1& form) {
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
    if (!field)
        return {};
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    return menu->actions().isEmpty() ? QString() : menu->actions().first()->text();
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextFollowsTheLocale();
    void helpBoxFollowsTheLocale();
    void captionsFitTheirButtons();
    void contextMenuFollowsTheLocale();
    void unreadableTranslationCountsAsNone();

private:
    FormHarness harness_;
    QMap<QString, QString> englishTexts_;
    ShownMessage englishHelp_;
    QString englishUndo_;
    bool installed_ = false;
};

// The English texts are those of a window built before any translation is installed.
void TranslationTest::initTestCase() {
    qInfo() << "locale" << QLocale().name() << QLocale().uiLanguages();
    englishTexts_ = WindowTexts(harness_.Start());
    englishHelp_ = ShowHelp(*harness_.form);
    QVERIFY(englishHelp_.found);
    englishUndo_ = FirstContextMenuEntry(*harness_.form);
    QVERIFY(englishUndo_.startsWith(QLatin1String("&Undo")));
    installed_ =
        InstallTranslations(*QCoreApplication::instance(), QLocale(), BuildTranslationFolders());
    harness_.Start();
}

void TranslationTest::everyTextFollowsTheLocale() {
    const QMap<QString, QString> texts = WindowTexts(*harness_.form);
    QCOMPARE(texts.keys(), englishTexts_.keys());
    if (!IsTranslated()) {
        QVERIFY(!installed_);
        QCOMPARE(texts, englishTexts_);
        return;
    }
    QVERIFY(installed_);
    const QStringList same = kSameAsEnglish.values(QLocale().language());
    for (auto english = englishTexts_.cbegin(); english != englishTexts_.cend(); ++english) {
        const QString& text = texts[english.key()];
        const QString where = english.key() + QStringLiteral(": ") + text;
        if (kUntranslatable.contains(english.value()) || IsColorInWords(english.value()))
            QVERIFY2(text == english.value(), qPrintable(where));
        else if (!same.contains(english.value()))
            QVERIFY2(text != english.value(), qPrintable(where));
        QVERIFY2(EveryCharacterHasAGlyph(text, harness_.form->font()), qPrintable(where));
    }
}

// The help text keeps its lines, an empty one before the credit, in every language; the OK
// button is Qt's own and speaks the window's language.
void TranslationTest::helpBoxFollowsTheLocale() {
    const ShownMessage help = ShowHelp(*harness_.form);
    QVERIFY(help.found);
    const QStringList lines = help.text.split(QStringLiteral("\r\n"));
    const QStringList englishLines = englishHelp_.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 7);
    QVERIFY(lines[5].isEmpty());
    QVERIFY(!help.text.endsWith(QLatin1Char('\n')));
    QCOMPARE(help.buttonTexts.size(), 1);
    QCOMPARE(help.buttonTexts[0], QCoreApplication::translate("QPlatformTheme", "OK"));
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    if (!IsTranslated()) {
        QCOMPARE(help.text, englishHelp_.text);
        QCOMPARE(cancel, QStringLiteral("Cancel"));
        return;
    }
    for (int i = 0; i < lines.size(); ++i)
        if (!englishLines[i].isEmpty()) {
            QVERIFY2(lines[i] != englishLines[i], qPrintable(lines[i]));
            QVERIFY2(EveryCharacterHasAGlyph(lines[i], harness_.form->font()),
                     qPrintable(lines[i]));
        }
    // "OK" is "OK" in several languages; Qt's translation shows in its other standard buttons.
    QVERIFY2(cancel != QStringLiteral("Cancel"), qPrintable(cancel));
    if (QLocale().language() == QLocale::German)
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
}

// The buttons keep their fixed size in every language, so a caption must fit inside it.
void TranslationTest::captionsFitTheirButtons() {
    const QStringList overflowing = OverflowingCaptions(*harness_.form);
    QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(QLatin1Char('\n'))));
}

// The text fields' own menu is Qt's, in the window's language: Qt's translation is installed
// along with the program's.
void TranslationTest::contextMenuFollowsTheLocale() {
    const QString undo = FirstContextMenuEntry(*harness_.form);
    if (!IsTranslated()) {
        QCOMPARE(undo, englishUndo_);
        return;
    }
    QVERIFY2(undo != englishUndo_, qPrintable(undo));
    if (QLocale().language() == QLocale::German)
        QVERIFY2(undo.startsWith(QStringLiteral("&Rückgängig")), qPrintable(undo));
}

// A damaged file where a translation should be is passed over for the next folder, and alone
// it installs nothing.
void TranslationTest::unreadableTranslationCountsAsNone() {
    const QTemporaryDir damaged;
    QVERIFY(damaged.isValid());
    QFile file(damaged.filePath(QStringLiteral("tessavundo_de.qm")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a translation");
    file.close();
    const QLocale german(QLocale::German, QLocale::Germany);
    QCoreApplication& app = *QCoreApplication::instance();
    const qsizetype before = app.findChildren<QTranslator*>().size();
    QVERIFY(!InstallTranslations(app, german, {damaged.path()}));
    QCOMPARE(app.findChildren<QTranslator*>().size(), before);
    QVERIFY(
        InstallTranslations(app, german, QStringList{damaged.path()} + BuildTranslationFolders()));
    // Takes the German ones out again, whatever the locale of the run.
    const QList<QTranslator*> translators = app.findChildren<QTranslator*>();
    for (qsizetype i = before; i < translators.size(); ++i)
        delete translators[i];
    QCOMPARE(app.findChildren<QTranslator*>().size(), before);
}

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
