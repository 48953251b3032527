// Asked to terminate, the real picker shuts down as when its window is closed: the nine values
// are saved and the program ends normally.
#include "tests/e2e/picker_session.h"

#include <QSettings>
#include <csignal>

using namespace tessavundo::e2e;

class ShutdownSignalTest : public QObject {
    Q_OBJECT

private slots:
    void signalSavesTheValues_data();
    void signalSavesTheValues();
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
    picker.Focus();
    picker.Click(340, 52);
    picker.Key(QStringLiteral("ctrl+a"));
    picker.Type(QStringLiteral("rgb(0,0,255)"));
    picker.Click(412, 52);
    QTRY_COMPARE(ClipboardText(), QStringLiteral("rgb(0,0,255)"));

    for (const int signal : sent)
        QCOMPARE(::kill(static_cast<pid_t>(picker.Process().processId()), signal), 0);
    QVERIFY(picker.Process().waitForFinished(15000));
    QCOMPARE(picker.Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(picker.Process().exitCode(), 0);

    QSettings stored(configDir.filePath(QStringLiteral("ColorPicker.conf")), QSettings::IniFormat);
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

QTEST_GUILESS_MAIN(ShutdownSignalTest)
#include "shutdown_signal_test.moc"
