// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// A new user's session under a window manager: copy a few colors, watch the swatches fill from
// the left, take one back, reset with a double click on the last, close the window the usual
// way and start again.
#include "tests/e2e/picker_session.h"

#include <QSettings>
#include <array>

using namespace tessavundo::e2e;

namespace {

const QPoint kRgbField(340, 52);
const QPoint kRgbCopyButton(412, 52);
const QPoint kHexCopyButton(412, 84);
constexpr QRgb kWhite = 0xFFFFFFFF;

using SwatchPixels = std::array<QRgb, 6>;

// Centre of swatch i (1..6): each drawable area is 15 x 15 pixels, 24 pixels apart.
QPoint SwatchCenter(int i) {
    return {297 + 24 * (i - 1) + 7, 249 + 7};
}

SwatchPixels SwatchesShown(const PickerSession& picker) {
    const QImage shot = picker.Grab();
    SwatchPixels pixels{};
    for (int i = 1; i <= 6 && !shot.isNull(); ++i)
        pixels[i - 1] = shot.pixel(SwatchCenter(i));
    return pixels;
}

void TypeRgb(const PickerSession& picker, const QString& text) {
    picker.Click(kRgbField.x(), kRgbField.y());
    picker.Key(QStringLiteral("ctrl+a"));
    picker.Type(text);
}

QString WindowPosition(const PickerSession& picker) {
    const QByteArray geometry =
        Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), picker.Window()});
    QStringList position;
    for (const QByteArray& line : geometry.split('\n'))
        if (line.startsWith("X=") || line.startsWith("Y="))
            position << QString::fromLatin1(line);
    return position.join(QLatin1Char(' '));
}

// Closes the window with the window manager's close request, as its close button does.
bool CloseWithWindowManager(PickerSession& picker) {
    Run(QStringLiteral("wmctrl"), {QStringLiteral("-c"), QStringLiteral("Tessavundo")});
    return picker.Process().waitForFinished(15000) &&
           picker.Process().exitStatus() == QProcess::NormalExit &&
           picker.Process().exitCode() == 0;
}

QMap<QString, QString> StoredValues(const QString& configDir) {
    QSettings stored(configDir + QStringLiteral("/ColorPicker.conf"), QSettings::IniFormat);
    stored.beginGroup(QStringLiteral("position"));
    QMap<QString, QString> values;
    for (const QString& key : stored.childKeys())
        values.insert(key, stored.value(key).toString());
    return values;
}

} // namespace

class SwatchHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void copyTakeBackResetAndRestart();
};

void SwatchHistoryTest::copyTakeBackResetAndRestart() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    const QRgb initial = SwatchesShown(picker)[0];

    picker.Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    TypeRgb(picker, QStringLiteral("rgb(0,0,255)"));
    picker.Click(kHexCopyButton.x(), kHexCopyButton.y());
    TypeRgb(picker, QStringLiteral("rgb(0,128,0)"));
    picker.Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("rgb(0,128,0)"));
    E2E_TRY_COMPARE(SwatchesShown(picker),
                    (SwatchPixels{qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(255, 0, 0), initial,
                                  initial, initial}));

    const QPoint blueSwatch = SwatchCenter(2);
    picker.Click(blueSwatch.x(), blueSwatch.y());
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0, 0, 255));

    const QPoint lastSwatch = SwatchCenter(6);
    picker.MoveTo(lastSwatch.x(), lastSwatch.y());
    Xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
             QStringLiteral("--delay"), QStringLiteral("50"), QStringLiteral("1")});
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(255, 0, 0));
    E2E_TRY_COMPARE(SwatchesShown(picker),
                    (SwatchPixels{kWhite, kWhite, kWhite, kWhite, kWhite, kWhite}));

    picker.Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    TypeRgb(picker, QStringLiteral("rgb(10,20,30)"));
    picker.Click(kHexCopyButton.x(), kHexCopyButton.y());
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#0A141E"));
    Xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), picker.Window(),
             QStringLiteral("200"), QStringLiteral("150")});
    const SwatchPixels swatches = {qRgb(10, 20, 30), qRgb(255, 0, 0), kWhite,
                                   kWhite,           kWhite,          kWhite};
    E2E_TRY_COMPARE(SwatchesShown(picker), swatches);
    // The window manager reports the move done before it has told the window: no state of the
    // window says when that has come, so a while is given.
    QTest::qWait(300);
    const QString position = WindowPosition(picker);
    QVERIFY2(CloseWithWindowManager(picker), "the picker did not end normally");

    const QMap<QString, QString> saved = StoredValues(configDir.path());
    QCOMPARE(saved.size(), 9);
    QCOMPARE(saved.value("color"), QStringLiteral("1971210"));
    QCOMPARE(saved.value("col1"), QStringLiteral("1971210"));
    QCOMPARE(saved.value("col2"), QStringLiteral("255"));
    for (const char* key : {"col3", "col4", "col5", "col6"})
        QCOMPARE(saved.value(key), QStringLiteral("16777215"));

    PickerSession restarted(configDir.path());
    QVERIFY2(restarted.Start(), "the window did not appear again");
    E2E_TRY_COMPARE(WindowPosition(restarted), position);
    E2E_TRY_COMPARE(PreviewColor(restarted), qRgb(10, 20, 30));
    QCOMPARE(SwatchesShown(restarted), swatches);
    QVERIFY2(CloseWithWindowManager(restarted), "the restarted picker did not end normally");
    QCOMPARE(StoredValues(configDir.path()), saved);
}

QTEST_GUILESS_MAIN(SwatchHistoryTest)
#include "swatch_history_test.moc"
