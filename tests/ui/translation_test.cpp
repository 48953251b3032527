// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The window in the language of the locale the test runs under (ctest runs it under a German,
// an English and the C locale): in German every text a user sees or hears is translated, Qt's
// standard buttons included; in English and C nothing changes.
#include "platform/desktop/translations.h"
#include "tests/support/form_harness.h"
#include "tests/support/message_box_reader.h"
#include "ui/control_descriptions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// Names, not words: the same in every language.
const QStringList kUntranslatable = {QStringLiteral("Tessavundo"), QStringLiteral("?")};

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

bool IsGerman() {
    return QLocale().language() == QLocale::German;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextFollowsTheLocale();
    void helpBoxFollowsTheLocale();
    void captionsFitTheirButtons();

private:
    FormHarness harness_;
    QMap<QString, QString> englishTexts_;
    ShownMessage englishHelp_;
    bool installed_ = false;
};

// The English texts are those of a window built before any translation is installed.
void TranslationTest::initTestCase() {
    qInfo() << "locale" << QLocale().name() << QLocale().uiLanguages();
    englishTexts_ = WindowTexts(harness_.Start());
    englishHelp_ = ShowHelp(*harness_.form);
    QVERIFY(englishHelp_.found);
    installed_ = InstallTranslations(*QCoreApplication::instance(), QLocale());
    harness_.Start();
}

void TranslationTest::everyTextFollowsTheLocale() {
    const QMap<QString, QString> texts = WindowTexts(*harness_.form);
    QCOMPARE(texts.keys(), englishTexts_.keys());
    if (!IsGerman()) {
        QVERIFY(!installed_);
        QCOMPARE(texts, englishTexts_);
        return;
    }
    QVERIFY(installed_);
    for (auto english = englishTexts_.cbegin(); english != englishTexts_.cend(); ++english) {
        const QString& text = texts[english.key()];
        const QString where = english.key() + QStringLiteral(": ") + text;
        if (kUntranslatable.contains(english.value()) || IsColorInWords(english.value()))
            QVERIFY2(text == english.value(), qPrintable(where));
        else
            QVERIFY2(text != english.value(), qPrintable(where));
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
    if (!IsGerman()) {
        QCOMPARE(help.text, englishHelp_.text);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        return;
    }
    for (int i = 0; i < lines.size(); ++i)
        if (!englishLines[i].isEmpty())
            QVERIFY2(lines[i] != englishLines[i], qPrintable(lines[i]));
    // "OK" is "OK" in German too; Qt's German shows in its other standard buttons.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

// The buttons keep their fixed size in every language, so a caption must fit inside it.
void TranslationTest::captionsFitTheirButtons() {
    for (QPushButton* button : harness_.form->findChildren<QPushButton*>()) {
        if (button->isHidden())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int width = button->fontMetrics().horizontalAdvance(button->text());
        QVERIFY2(width <= contents.width(),
                 qPrintable(QStringLiteral("%1 \"%2\" needs %3 pixels of %4")
                                .arg(button->objectName(), button->text())
                                .arg(width)
                                .arg(contents.width())));
    }
}

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
