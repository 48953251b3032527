// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The copy buttons and the help button of the real picker on an X server: the copied text as
// other programs read it, while the picker runs and after it has quit.
#include "tests/e2e/picker_session.h"

#include <QElapsedTimer>

using namespace tessavundo::e2e;

namespace {

const QPoint kRgbCopyButton(412, 52);
const QPoint kHexCopyButton(412, 84);
const QPoint kHelpButton(412, 20);

QStringList ShownWindowsOf(PickerSession& picker) {
    const QByteArray found =
        Xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--pid"), QString::number(picker.Process().processId()),
                 QStringLiteral("--name"), QStringLiteral("^Tessavundo$")});
    return QString::fromLatin1(found).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void copiedTextReachesOtherPrograms();
    void textOutlivesThePicker_data();
    void textOutlivesThePicker();
    void helpBoxIsTheProgramsOwn();
};

void ClipboardTest::copiedTextReachesOtherPrograms() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();

    picker.Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    QTRY_COMPARE(ClipboardText(), QStringLiteral("rgb(255,0,0)"));
    picker.Click(kHexCopyButton.x(), kHexCopyButton.y());
    QTRY_COMPARE(ClipboardText(), QStringLiteral("#FF0000"));

    // Still there later, after the focus has moved on inside the picker.
    picker.Click(340, 52);
    // A while for the clipboard to be lost: it may not be.
    QTest::qWait(500);
    QCOMPARE(ClipboardText(), QStringLiteral("#FF0000"));
    QCOMPARE(picker.Process().state(), QProcess::Running);
}

void ClipboardTest::textOutlivesThePicker_data() {
    QTest::addColumn<bool>("managerRuns");
    QTest::newRow("clipboard manager takes the text") << true;
    QTest::newRow("no clipboard manager: the text ends with the picker") << false;
}

void ClipboardTest::textOutlivesThePicker() {
    QFETCH(bool, managerRuns);
    QProcess manager;
    if (managerRuns) {
        manager.start(QStringLiteral(FAKE_CLIPBOARD_MANAGER), QStringList());
        QVERIFY(manager.waitForReadyRead(10000));
        QCOMPARE(manager.readLine().trimmed(), QByteArray("ready"));
    }
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    picker.Click(kHexCopyButton.x(), kHexCopyButton.y());
    QTRY_COMPARE(ClipboardText(), QStringLiteral("#FF0000"));

    QElapsedTimer quitting;
    quitting.start();
    picker.Process().terminate();
    QVERIFY(picker.Process().waitForFinished(15000));
    QCOMPARE(picker.Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(picker.Process().exitCode(), 0);

    if (managerRuns) {
        QTRY_VERIFY(manager.canReadLine());
        QCOMPARE(manager.readLine().trimmed(), QByteArray("saved #FF0000"));
        QCOMPARE(ClipboardText(), QStringLiteral("#FF0000"));
        manager.kill();
        manager.waitForFinished();
    } else {
        QCOMPARE(ClipboardText(), QString());
        // Nobody to wait for: the picker does not linger looking for a manager.
        QVERIFY2(quitting.elapsed() < 4000, "the picker waited for a clipboard manager");
    }
}

void ClipboardTest::helpBoxIsTheProgramsOwn() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    picker.Click(kHelpButton.x(), kHelpButton.y());

    // The box carries the program's title, so it is found by that name beside the window.
    QTRY_COMPARE(ShownWindowsOf(picker).size(), 2);
    QStringList boxes = ShownWindowsOf(picker);
    boxes.removeAll(picker.Window());
    QCOMPARE(boxes.size(), 1);
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), boxes.first()});
    Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QTRY_COMPARE(ShownWindowsOf(picker), QStringList{picker.Window()});
    QCOMPARE(picker.Process().state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(ClipboardTest)
#include "clipboard_test.moc"
