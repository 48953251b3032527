// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The window's button captions in every language, measured in the fonts Windows (here Wine)
// really gives the buttons, against the room the style leaves them: a bitmap dialog font is
// narrower in some letters and wider in others than the Linux fonts the same check uses there.
#include "platform/desktop/translations.h"
#include "tests/support/caption_fit.h"
#include "tests/support/form_harness.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>
#include <QTranslator>

namespace tessavundo {
namespace {

using testing::FormHarness;

class CaptionFitTest : public QObject {
    Q_OBJECT

private slots:
    void EveryCaptionFits_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        const QStringList languages =
            QStringLiteral(TESSAVUNDO_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
        QVERIFY(languages.size() >= 2);
        for (const QString& language : languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void EveryCaptionFits() {
        QFETCH(QString, language);
        QCoreApplication& app = *QCoreApplication::instance();
        const qsizetype before = app.findChildren<QTranslator*>().size();
        if (!language.isEmpty())
            QVERIFY(InstallTranslations(app, QLocale(language),
                                        {QStringLiteral(TESSAVUNDO_BUILD_TRANSLATIONS)}));
        FormHarness harness;
        Form1& form = harness.Start();
        // A translation that did not take would measure the English words again.
        if (!language.isEmpty())
            QVERIFY2(form.Command3->text() != QStringLiteral("Copy"), qPrintable(language));
        const QStringList overflowing = testing::OverflowingCaptions(form);
        harness.form.reset();
        const QList<QTranslator*> translators = app.findChildren<QTranslator*>();
        for (qsizetype i = before; i < translators.size(); ++i)
            delete translators[i];
        QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(QLatin1Char('\n'))));
    }
};

} // namespace
} // namespace tessavundo

QTEST_MAIN(tessavundo::CaptionFitTest)
#include "caption_fit_test.moc"
