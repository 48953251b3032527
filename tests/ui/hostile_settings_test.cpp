// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Start-up and shut-down of the picker window on a real settings file that another program
// damaged or filled with values the picker never writes.
#include "platform/toolkit/shape.h"
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "tests/support/form_harness.h"
#include "tests/support/settings_files.h"
#include "tests/support/store_form_harness.h"
#include "ui/complement.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

const QString kFileName = QStringLiteral("ColorPicker.conf");
// Good values for every key, so that a bad one can be told by what it alone changes.
const QMap<QString, QString> kGoodValues = {
    {"left", "1500"},     {"top", "3000"},     {"color", "3302600"},
    {"col1", "16711680"}, {"col2", "65280"},   {"col3", "255"},
    {"col4", "657930"},   {"col5", "8421504"}, {"col6", "16777215"},
};

QByteArray SettingsFileOf(const QMap<QString, QString>& values) {
    QByteArray content = "[position]\n";
    for (auto it = values.begin(); it != values.end(); ++it)
        content += it.key().toUtf8() + "=" + it.value().toUtf8() + "\n";
    return content;
}

// The window is open and shows one color everywhere.
void VerifyOpenAndConsistent(Form1& form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const ChannelTriple channels = SplitColor(form.Picture3->BackColor());
    QCOMPARE(form.Text1->Text(), QString::fromStdString(FormatRgbText(channels)));
    QCOMPARE(form.Text2->Text(), QString::fromStdString(FormatHexText(channels)));
    QCOMPARE(form.Shape1->BorderColor(), ComplementColor(channels));
}

// What shut-down wrote is in the file, whole: every key reads back as the window's state.
void VerifySavedState(const QString& file, Form1& form) {
    QSettings saved(file, QSettings::IniFormat);
    QCOMPARE(saved.status(), QSettings::NoError);
    saved.beginGroup(QStringLiteral("position"));
    QCOMPARE(saved.value("color").toString(), QString::number(form.Picture3->BackColor()));
    QCOMPARE(saved.value("col6").toString(), QString::number(form.Picture9->BackColor()));
    for (const QString& key : kNineKeys)
        QVERIFY2(saved.contains(key), qPrintable(key));
}

} // namespace

class HostileSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void damagedFileStillOpens_data();
    void damagedFileStillOpens();
    void folderInsteadOfFile();
    void unwritableFolderAtShutdown();
    void badValueCostsOnlyItsStep_data();
    void badValueCostsOnlyItsStep();
};

void HostileSettingsTest::damagedFileStillOpens_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("rgbText");
    const QString red = QStringLiteral("rgb(255,0,0)");
    const QString blue = QStringLiteral("rgb(0,0,255)");
    // clang-format off
    QTest::newRow("random bytes") << RandomBytes(64 * 1024, 7) << red;
    QTest::newRow("random bytes, 20 MB") << RandomBytes(20 * 1024 * 1024, 8) << red;
    QTest::newRow("zero bytes") << QByteArray(4096, '\0') << red;
    QTest::newRow("good values, then random bytes")
        << SettingsFileOf(kGoodValues) + RandomBytes(4096, 9) << QStringLiteral("rgb(200,100,50)");
    // A color that does not read whole is black, as an empty one is.
    static const char nulInValue[] = "[position]\ncolor=25\0" "5\ncol1=255\n";
    QTest::newRow("NUL byte in a value") << QByteArray(nulInValue, sizeof nulInValue - 1)
        << QStringLiteral("rgb(0,0,0)");
    QTest::newRow("cut off inside a section name")
        << QByteArray("[position]\ncolor=16711680\n[posi") << blue;
    QTest::newRow("cut off in a key") << QByteArray("[position]\ncolor=16711680\ncol1=25\nco")
        << blue;
    // clang-format on
}

void HostileSettingsTest::damagedFileStillOpens() {
    QFETCH(QByteArray, content);
    QFETCH(QString, rgbText);
    QTemporaryDir dir;
    const QString file = dir.filePath(kFileName);
    WriteFile(file, content);

    {
        StoreFormHarness harness(dir.path());
        Form1& form = harness.Start();
        VerifyOpenAndConsistent(form);
        QCOMPARE(form.Text1->Text(), rgbText);
        form.move(150, 75);
        QVERIFY(form.close());

        // Shut-down leaves one whole file with the window's state, and no temporary file.
        QCOMPARE(FolderEntries(dir.path()), QStringList{kFileName});
        VerifySavedState(file, form);
    }
    // The next start finds what the picker saved.
    StoreFormHarness restarted(dir.path());
    Form1& form = restarted.Start();
    QCOMPARE(form.Text1->Text(), rgbText);
    QCOMPARE(form.pos(), QPoint(150, 75));
}

void HostileSettingsTest::folderInsteadOfFile() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(kFileName));
    QVERIFY(QDir(dir.filePath(kFileName)).mkdir(QStringLiteral("inside")));

    StoreFormHarness harness(dir.path());
    Form1& form = harness.Start();
    VerifyOpenAndConsistent(form);
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(255,0,0)"));
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QVERIFY(form.close());

    QVERIFY(QFileInfo(dir.filePath(kFileName)).isDir());
    QCOMPARE(FolderEntries(dir.filePath(kFileName)), QStringList{"inside"});
    QCOMPARE(FolderEntries(dir.path()), QStringList{kFileName});
}

void HostileSettingsTest::unwritableFolderAtShutdown() {
    // The settings folder's path runs through a regular file, so that nothing can be created
    // there even by root.
    QTemporaryDir dir;
    const QByteArray blocker = "not a folder";
    WriteFile(dir.filePath("blocker"), blocker);

    StoreFormHarness harness(dir.filePath("blocker/settings"));
    Form1& form = harness.Start();
    VerifyOpenAndConsistent(form);
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(255,0,0)"));
    // A copy changes what there is to save.
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QVERIFY(form.close());

    QCOMPARE(ReadFile(dir.filePath("blocker")), blocker);
    QCOMPARE(FolderEntries(dir.path()), QStringList{"blocker"});
}

void HostileSettingsTest::badValueCostsOnlyItsStep_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    // What the value reads as for an integer key and for a position key; empty when it fails.
    QTest::addColumn<std::optional<int>>("integer");
    QTest::addColumn<std::optional<int>>("pixels");

    struct Hostile {
        const char* name;
        const char* value;
        std::optional<int> integer;
        std::optional<int> pixels;
    };
    // Read with "." as the decimal separator; a position too far out to reach is not used.
    const Hostile values[] = {
        {"20 digits", "99999999999999999999", std::nullopt, std::nullopt},
        {"exponent", "1e10", std::nullopt, std::nullopt},
        {"NaN", "NaN", std::nullopt, std::nullopt},
        {"negative zero", "-0", 0, 0},
        {"blanks around", " 255 ", 255, 17},
        {"radix prefix", "0x10", std::nullopt, std::nullopt},
        {"comma fraction", "1,5", std::nullopt, std::nullopt},
        {"largest float", "340282346638528859811704183484516925440", std::nullopt, std::nullopt},
    };
    for (const QString& key : kNineKeys) {
        for (const Hostile& hostile : values) {
            // clang-format off
            QTest::addRow("%s %s", qPrintable(key), hostile.name) << key
                << QString::fromLatin1(hostile.value) << hostile.integer << hostile.pixels;
        }
    }
    // Farther out than any window system places a window.
    for (const char* key : {"left", "top"}) {
        QTest::addRow("%s past every screen", key) << key << "300000000" << std::optional<int>()
            << std::optional<int>();
        QTest::addRow("%s just inside the 32-bit range", key) << key << "32212254705"
            << std::optional<int>() << std::optional<int>();
        // clang-format on
    }
}

void HostileSettingsTest::badValueCostsOnlyItsStep() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(std::optional<int>, integer);
    QFETCH(std::optional<int>, pixels);
    if (QLocale().decimalPoint() != QStringLiteral("."))
        QSKIP("The expected readings assume '.' as the decimal separator");

    QTemporaryDir dir;
    QMap<QString, QString> values = kGoodValues;
    values.insert(key, value);
    WriteFile(dir.filePath(kFileName), SettingsFileOf(values));

    StoreFormHarness harness(dir.path());
    Form1& form = harness.Start();
    VerifyOpenAndConsistent(form);

    // The window's own placement when no position is used at all.
    QTemporaryDir unplacedDir;
    StoreFormHarness unplaced(unplacedDir.path());
    unplaced.Start().show();
    QVERIFY(QTest::qWaitForWindowExposed(unplaced.form.get()));
    const QPoint platformPlacement = unplaced.form->pos();

    QPoint position(100, 200);
    if (key == "left")
        position = pixels ? QPoint(*pixels, 200) : platformPlacement;
    else if (key == "top")
        position = pixels ? QPoint(100, *pixels) : platformPlacement;
    QCOMPARE(form.pos(), position);

    PackedColor color = 3302600;
    if (key == "color")
        color = integer.value_or(0);
    QCOMPARE(form.Text1->Text(), QString::fromStdString(FormatRgbText(SplitColor(color))));

    const auto swatches = form.Swatches();
    for (int i = 0; i < 6; ++i) {
        const QString swatchKey = QStringLiteral("col%1").arg(i + 1);
        PackedColor expected = kGoodValues.value(swatchKey).toInt();
        if (swatchKey == key)
            expected = integer.value_or(kWindowBackgroundColor);
        QCOMPARE(swatches[i]->BackColor(), expected);
    }

    QVERIFY(form.close());
    QCOMPARE(FolderEntries(dir.path()), QStringList{kFileName});
    VerifySavedState(dir.filePath(kFileName), form);
}

QTEST_MAIN(HostileSettingsTest)
#include "hostile_settings_test.moc"
