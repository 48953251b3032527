// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The bold "?" caption on the fonts Windows (here Wine) really has: the dialog font the
// window's controls get, and MS Sans Serif, a bitmap family without a bold face.
#include "platform/toolkit/bold_font.h"

#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QTest>

namespace tessavundo {
namespace {

class BoldFontTest : public QObject {
    Q_OBJECT

private slots:
    void EveryFaceComesOutBold_data() {
        QTest::addColumn<QFont>("font");
        QTest::newRow("the controls' font") << QPushButton().font();
        QFont bitmap(QStringLiteral("MS Sans Serif"));
        bitmap.setPointSize(8);
        QTest::newRow("MS Sans Serif") << bitmap;
    }

    void EveryFaceComesOutBold() {
        QFETCH(QFont, font);
        const QFont bold = BoldFont(font);
        const QFontInfo shown(bold);
        qInfo("%s, %d pt (asked: %s) is shown as %s, weight %d", qPrintable(font.family()),
              font.pointSize(), qPrintable(QFontInfo(font).family()), qPrintable(shown.family()),
              shown.weight());
        QVERIFY(shown.bold());
        QVERIFY(HasBoldFace(shown.family()));
        QCOMPARE(bold.pointSize(), font.pointSize());
    }

    // A family that has bold keeps its own face.
    void AFamilyWithBoldStays() {
        const QString family = QStringLiteral("Tahoma");
        if (!HasBoldFace(family))
            QSKIP("this Wine has no Tahoma Bold");
        QCOMPARE(QFontInfo(BoldFont(QFont(family, 9))).family(), family);
    }
};

} // namespace
} // namespace tessavundo

QTEST_MAIN(tessavundo::BoldFontTest)
#include "bold_font_test.moc"
