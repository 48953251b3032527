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

// What the picker is busy with when the signal comes.
enum class State { kIdle, kSampling, kHelpOpen, kDragging };

void Enter(PickerSession& picker, State state) {
    switch (state) {
    case State::kIdle:
        return;
    case State::kSampling:
        // The eyedropper toggle; the pointer then rests over the shade field, which is not
        // sampled.
        picker.Click(340, 20);
        picker.MoveTo(100, 100);
        break;
    case State::kHelpOpen:
        picker.Click(412, 20);
        break;
    case State::kDragging:
        picker.MoveTo(280, 60);
        Xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
        picker.MoveTo(280, 200);
        break;
    }
    // Gives the picker the time to act on the input before the signal comes.
    QTest::qWait(300);
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
    QTest::addColumn<State>("state");
    QTest::newRow("SIGTERM") << QList<int>{SIGTERM} << State::kIdle;
    QTest::newRow("SIGINT") << QList<int>{SIGINT} << State::kIdle;
    QTest::newRow("SIGTERM and SIGINT at once") << QList<int>{SIGTERM, SIGINT} << State::kIdle;
    // The terminal the picker was started from closed.
    QTest::newRow("SIGHUP") << QList<int>{SIGHUP} << State::kIdle;
    QTest::newRow("SIGHUP while sampling") << QList<int>{SIGHUP} << State::kSampling;
    QTest::newRow("SIGHUP with the help open") << QList<int>{SIGHUP} << State::kHelpOpen;
    QTest::newRow("SIGHUP mid-drag on the bar") << QList<int>{SIGHUP} << State::kDragging;
}

void ShutdownSignalTest::signalSavesTheValues() {
    QFETCH(QList<int>, sent);
    QFETCH(State, state);
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    QVERIFY(CopyColor(picker, QStringLiteral("rgb(0,0,255)")));
    Enter(picker, state);

    for (const int signal : sent)
        QCOMPARE(::kill(static_cast<pid_t>(picker.Process().processId()), signal), 0);
    const bool endedNormally = EndsNormally(picker);
    // The button stays down on the server otherwise, for the rows after this one.
    Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    QVERIFY(endedNormally);

    QSettings stored(configDir.filePath(kFileName), QSettings::IniFormat);
    stored.beginGroup(QStringLiteral("position"));
    QCOMPARE(stored.childKeys().size(), 9);
    // Sampling took the toggle's own pixels on the way, and a drag on the bar picks another
    // hue: the color saved is then the one the shade field shows under its marker.
    if (state == State::kIdle || state == State::kHelpOpen)
        QCOMPARE(stored.value("color").toString(), QStringLiteral("16711680"));
    else
        QVERIFY(stored.value("color").toString() != QStringLiteral("16711680"));
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
