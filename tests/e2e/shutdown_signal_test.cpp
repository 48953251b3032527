// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Asked to terminate, the real picker shuts down as when its window is closed: the nine values
// are saved and the program ends normally.
#include "tests/e2e/picker_session.h"

#include <QSettings>
#include <csignal>

using namespace tessavundo::e2e;

namespace {

const QString kFileName = QStringLiteral("ColorPicker.conf");

// Makes a color current and copies it, so that it is both the color and swatch 1.
bool CopyColor(PickerSession& picker, const QString& rgbText) {
    picker.Focus();
    picker.Click(340, 52);
    picker.Key(QStringLiteral("ctrl+a"));
    picker.Type(rgbText);
    picker.Click(412, 52);
    return QTest::qWaitFor([&] { return ClipboardText() == rgbText; });
}

// Without a window manager two copies open at the same place, one hiding the other.
void MoveAside(const PickerSession& picker) {
    Xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), picker.Window(),
             QStringLiteral("600"), QStringLiteral("400")});
}

bool EndsNormally(PickerSession& picker) {
    return picker.Process().waitForFinished(15000) &&
           picker.Process().exitStatus() == QProcess::NormalExit &&
           picker.Process().exitCode() == 0;
}

QString StoredColor(const QString& configDir) {
    QSettings stored(configDir + QLatin1Char('/') + kFileName, QSettings::IniFormat);
    return stored.value(QStringLiteral("position/color")).toString();
}

} // namespace

class ShutdownSignalTest : public QObject {
    Q_OBJECT

private slots:
    void signalSavesTheValues_data();
    void signalSavesTheValues();
    void twoCopiesLastToCloseWins();
};

void ShutdownSignalTest::signalSavesTheValues_data() {
    QTest::addColumn<QList<int>>("sent");
    QTest::newRow("SIGTERM") << QList<int>{SIGTERM};
    QTest::newRow("SIGINT") << QList<int>{SIGINT};
    QTest::newRow("SIGTERM and SIGINT at once") << QList<int>{SIGTERM, SIGINT};
}

void ShutdownSignalTest::signalSavesTheValues() {
    QFETCH(QList<int>, sent);
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    QVERIFY(CopyColor(picker, QStringLiteral("rgb(0,0,255)")));

    for (const int signal : sent)
        QCOMPARE(::kill(static_cast<pid_t>(picker.Process().processId()), signal), 0);
    QVERIFY(EndsNormally(picker));

    QSettings stored(configDir.filePath(kFileName), QSettings::IniFormat);
    stored.beginGroup(QStringLiteral("position"));
    QCOMPARE(stored.childKeys().size(), 9);
    QCOMPARE(stored.value("color").toString(), QStringLiteral("16711680"));
    QCOMPARE(stored.value("col1").toString(), QStringLiteral("16711680"));
    for (const char* key : {"col2", "col3", "col4", "col5", "col6"})
        QCOMPARE(stored.value(key).toString(), QStringLiteral("-2147483643"));
    bool leftIsNumber = false;
    bool topIsNumber = false;
    stored.value("left").toString().toInt(&leftIsNumber);
    stored.value("top").toString().toInt(&topIsNumber);
    QVERIFY(leftIsNumber && topIsNumber);
}

void ShutdownSignalTest::twoCopiesLastToCloseWins() {
    QTemporaryDir configDir;
    PickerSession blue(configDir.path());
    PickerSession green(configDir.path());
    QVERIFY2(blue.Start() && green.Start(), "a window titled Tessavundo never appeared");
    MoveAside(green);
    QVERIFY(CopyColor(blue, QStringLiteral("rgb(0,0,255)")));
    QVERIFY(CopyColor(green, QStringLiteral("rgb(0,255,0)")));

    green.Process().terminate();
    QVERIFY(EndsNormally(green));
    QCOMPARE(StoredColor(configDir.path()), QStringLiteral("65280"));
    blue.Process().terminate();
    QVERIFY(EndsNormally(blue));
    QCOMPARE(StoredColor(configDir.path()), QStringLiteral("16711680"));

    // Both closing at the same moment: the file stays whole, each value one copy's.
    PickerSession first(configDir.path());
    PickerSession second(configDir.path());
    QVERIFY2(first.Start() && second.Start(), "a window titled Tessavundo never appeared");
    MoveAside(second);
    QVERIFY(CopyColor(second, QStringLiteral("rgb(0,255,0)")));
    first.Process().terminate();
    second.Process().terminate();
    QVERIFY(EndsNormally(first) && EndsNormally(second));
    QSettings stored(configDir.filePath(kFileName), QSettings::IniFormat);
    QCOMPARE(stored.status(), QSettings::NoError);
    stored.beginGroup(QStringLiteral("position"));
    QCOMPARE(stored.childKeys().size(), 9);
    QVERIFY(QStringList({"16711680", "65280"}).contains(stored.value("color").toString()));
    QVERIFY(QStringList({"16711680", "65280"}).contains(stored.value("col1").toString()));
}

QTEST_GUILESS_MAIN(ShutdownSignalTest)
#include "shutdown_signal_test.moc"
