// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// The program killed while it saves: whatever the moment, the settings file afterwards holds
// either every value of before or every value of the shut-down, never a mix.
#include "tests/e2e/picker_session.h"
#include "tests/support/settings_files.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <thread>

using namespace tessavundo::e2e;
using tessavundo::testing::FolderEntries;
using tessavundo::testing::kNineKeys;
using tessavundo::testing::ReadFile;

namespace {

const QString kFileName = QStringLiteral("ColorPicker.conf");
constexpr int kRounds = 20;
// Past the longest a shut-down takes here, so that kills land before, during and after it.
constexpr int kLatestKillMs = 150;

// Each value spelled with a leading zero: it reads as the same number, but the program writes
// it back without the zero, so every key tells on its own whether it was written again.
const QByteArray kOldFile = "[position]\n"
                            "col1=016711680\ncol2=065280\ncol3=0255\ncol4=0657930\n"
                            "col5=08421504\ncol6=016777215\ncolor=03302600\n"
                            "left=01500\ntop=01500\n";

enum class Outcome { AllOld, AllNew, Mixed };

Outcome Classify(const QString& file) {
    QSettings stored(file, QSettings::IniFormat);
    if (stored.status() != QSettings::NoError)
        return Outcome::Mixed;
    stored.beginGroup(QStringLiteral("position"));
    int oldValues = 0;
    int newValues = 0;
    for (const QString& key : kNineKeys) {
        const QString text = stored.value(key).toString();
        if (text.startsWith(u'0') && text.size() > 1)
            ++oldValues;
        else if (!text.isEmpty())
            ++newValues;
    }
    if (oldValues == kNineKeys.size())
        return Outcome::AllOld;
    return newValues == kNineKeys.size() ? Outcome::AllNew : Outcome::Mixed;
}

} // namespace

class ShutdownKillTest : public QObject {
    Q_OBJECT

private slots:
    void killedWhileClosingLeavesOldOrNew();
};

void ShutdownKillTest::killedWhileClosingLeavesOldOrNew() {
    QTemporaryDir configDir;
    const QString file = configDir.filePath(kFileName);
    QRandomGenerator random(QRandomGenerator::global()->generate());
    int newFiles = 0;
    for (int round = 0; round < kRounds; ++round) {
        QFile seed(file);
        QVERIFY(seed.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(seed.write(kOldFile), kOldFile.size());
        seed.close();

        PickerSession picker(configDir.path());
        QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
        const auto pid = static_cast<pid_t>(picker.Process().processId());
        const int delayMs = random.bounded(kLatestKillMs + 1);
        // A terminate request closes the window as its close button does.
        QCOMPARE(::kill(pid, SIGTERM), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(pid, SIGKILL);
        QVERIFY(picker.Process().waitForFinished(10000));

        const Outcome outcome = Classify(file);
        QVERIFY2(outcome != Outcome::Mixed,
                 qPrintable(QStringLiteral("round %1, killed %2 ms after the close request:\n")
                                .arg(round)
                                .arg(delayMs) +
                            QString::fromUtf8(ReadFile(file))));
        newFiles += outcome == Outcome::AllNew ? 1 : 0;
        // A killed save may leave its temporary file; the next save clears it away.
        QVERIFY(FolderEntries(configDir.path()).size() <= 2);
    }
    qInfo("%d of %d rounds ended with the new values", newFiles, kRounds);
}

QTEST_GUILESS_MAIN(ShutdownKillTest)
#include "shutdown_kill_test.moc"
