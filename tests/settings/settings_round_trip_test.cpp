// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The window's start-up and shut-down on the real settings store, in temporary folders.
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "tests/support/fake_screen_source.h"
#include "tests/support/settings_files.h"
#include "tests/support/store_form_harness.h"
#include "ui/form1.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <array>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

const QString kFileName = QStringLiteral("ColorPicker.conf");
std::array<PackedColor, 6> SwatchColors(Form1& form) {
    return {form.Picture4->BackColor(), form.Picture5->BackColor(), form.Picture6->BackColor(),
            form.Picture7->BackColor(), form.Picture8->BackColor(), form.Picture9->BackColor()};
}

// The nine values as another program reads them from the file.
QMap<QString, QString> StoredValues(const QString& file) {
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("position"));
    QMap<QString, QString> values;
    for (const QString& key : settings.childKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}

} // namespace

class SettingsRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void restartBringsBackPositionColorAndSwatches();
    void lastCopyToCloseWins();
    void storedValues_data();
    void storedValues();

private:
    QTemporaryDir configHome_;
};

void SettingsRoundTripTest::initTestCase() {
    QVERIFY(configHome_.isValid());
    // The per-user location is fixed at the first use of the store, so it is set before that.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome_.path()));
}

void SettingsRoundTripTest::restartBringsBackPositionColorAndSwatches() {
    const QString file = configHome_.filePath(kFileName);
    std::array<PackedColor, 6> swatches;
    {
        StoreFormHarness first;
        Form1& form = first.Start();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        QTest::mouseClick(form.Text1, Qt::LeftButton);
        QTest::keyClick(form.Text1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form.Text1, QStringLiteral("rgb(200,100,50)"));
        QTest::mouseClick(form.Command4, Qt::LeftButton);
        form.move(120, 90);
        swatches = SwatchColors(form);
        QVERIFY(form.close());
    }
    const QMap<QString, QString> saved = StoredValues(file);
    QCOMPARE(saved.keys(),
             QStringList({"col1", "col2", "col3", "col4", "col5", "col6", "color", "left", "top"}));
    QCOMPARE(saved.value("left"), QStringLiteral("1800"));
    QCOMPARE(saved.value("top"), QStringLiteral("1350"));
    QCOMPARE(saved.value("color"), QStringLiteral("3302600"));
    QCOMPARE(saved.value("col1"), QStringLiteral("3302600"));
    QCOMPARE(saved.value("col2"), QStringLiteral("255"));
    QCOMPARE(saved.value("col3"), QStringLiteral("-2147483643"));

    const QByteArray firstFile = ReadFile(file);
    StoreFormHarness second;
    Form1& form = second.Start();
    QCOMPARE(form.pos(), QPoint(120, 90));
    QCOMPARE(form.Picture3->BackColor(), 3302600);
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(200,100,50)"));
    QCOMPARE(form.Text2->Text(), QStringLiteral("#C86432"));
    QCOMPARE(SwatchColors(form), swatches);
    // Closing without a change writes the same nine values again.
    QVERIFY(form.close());
    QCOMPARE(ReadFile(file), firstFile);
}

void SettingsRoundTripTest::lastCopyToCloseWins() {
    QTemporaryDir dir;
    StoreFormHarness red(dir.path());
    StoreFormHarness blue(dir.path());
    Form1& redForm = red.Start();
    Form1& blueForm = blue.Start();
    blueForm.show();
    QVERIFY(QTest::qWaitForWindowActive(&blueForm));
    QTest::mouseClick(blueForm.Text1, Qt::LeftButton);
    QTest::keyClick(blueForm.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(blueForm.Text1, QStringLiteral("rgb(0,0,255)"));
    QTest::mouseClick(blueForm.Command3, Qt::LeftButton);

    QVERIFY(blueForm.close());
    QVERIFY(redForm.close());
    QCOMPARE(StoredValues(dir.filePath(kFileName)).value("color"), QStringLiteral("255"));
    QCOMPARE(StoredValues(dir.filePath(kFileName)).value("col1"), QStringLiteral("-2147483643"));
}

void SettingsRoundTripTest::storedValues_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<QList<PackedColor>>("swatches");
    const PackedColor initial = kWindowBackgroundColor;

    // clang-format off
    QTest::newRow("malformed col3")
        << QByteArray("[position]\ncol1=1\ncol2=2\ncol3=xyz\ncol4=4\ncol5=5\ncol6=6\n")
        << "rgb(255,0,0)" << QList<PackedColor>{1, 2, initial, 4, 5, 6};
    QTest::newRow("color present but empty") << QByteArray("[position]\ncolor=\n") << "rgb(0,0,0)"
        << QList<PackedColor>(6, initial);
    QTest::newRow("color -1 is red") << QByteArray("[position]\ncolor=-1\n") << "rgb(255,0,0)"
        << QList<PackedColor>(6, initial);
    QTest::newRow("values with blanks and fractions")
        << QByteArray("[position]\ncolor=\" 16711680 \"\ncol1=2.5\ncol2=-2147483643\n")
        << "rgb(0,0,255)" << QList<PackedColor>{2, initial, initial, initial, initial, initial};
    QTest::newRow("swatch out of the color range")
        << QByteArray("[position]\ncol1=16777216\ncol2=-1\ncol3=16777215\n") << "rgb(255,0,0)"
        << QList<PackedColor>{initial, initial, 16777215, initial, initial, initial};
    QTest::newRow("a value that is not one text")
        << QByteArray("[position]\ncolor=@ByteArray(16711680)\ncol1=a, b\ncol2=7\n") << "rgb(0,0,0)"
        << QList<PackedColor>{initial, 7, initial, initial, initial, initial};
    // clang-format on
}

void SettingsRoundTripTest::storedValues() {
    QFETCH(QByteArray, content);
    QFETCH(QString, rgbText);
    QFETCH(QList<PackedColor>, swatches);
    QTemporaryDir dir;
    WriteFile(dir.filePath(kFileName), content);

    StoreFormHarness picker(dir.path());
    Form1& form = picker.Start();
    QCOMPARE(form.Text1->Text(), rgbText);
    const auto shown = SwatchColors(form);
    QCOMPARE(QList<PackedColor>(shown.begin(), shown.end()), swatches);
}

QTEST_MAIN(SettingsRoundTripTest)
#include "settings_round_trip_test.moc"
