// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The copy buttons and the help button of the real picker on an X server: the copied text as
// other programs read it, while the picker runs and after it has quit.
#include "tests/e2e/picker_session.h"

#include <QElapsedTimer>
#include <csignal>

using namespace tessavundo::e2e;

namespace {

const QPoint kRgbCopyButton(412, 52);
const QPoint kHexCopyButton(412, 84);
const QPoint kHelpButton(412, 20);
const QPoint kRgbField(340, 52);
// One short question to the owner, not the toolkit's three waits of five seconds.
constexpr qint64 kLongestPasteMs = 6000;

// Another program's clipboard: xclip holding `text`, in the foreground so that it can be stopped.
bool OwnClipboardWithXclip(QProcess& xclip, const QString& text) {
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                          QStringLiteral("clipboard"), QStringLiteral("-i")});
    if (!xclip.waitForStarted())
        return false;
    xclip.write(text.toUtf8());
    xclip.waitForBytesWritten();
    xclip.closeWriteChannel();
    QElapsedTimer waiting;
    waiting.start();
    while (ClipboardText() != text)
        if (waiting.elapsed() > 10000)
            return false;
    return true;
}

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
    void pasteFromSilentOwnerKeepsTheWindowAnswering_data();
    void pasteFromSilentOwnerKeepsTheWindowAnswering();
    void pasteFromAnsweringOwner();
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

void ClipboardTest::pasteFromSilentOwnerKeepsTheWindowAnswering_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("Ctrl+V") << QStringList{QStringLiteral("ctrl+v")};
    QTest::newRow("Shift+Insert") << QStringList{QStringLiteral("shift+Insert")};
    QTest::newRow("context menu, closed again") << QStringList{QStringLiteral("Escape")};
}

void ClipboardTest::pasteFromSilentOwnerKeepsTheWindowAnswering() {
    QFETCH(QStringList, keys);
    const bool contextMenu = keys == QStringList{QStringLiteral("Escape")};
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    QProcess xclip;
    QVERIFY2(OwnClipboardWithXclip(xclip, QStringLiteral("rgb(1,2,3)")), "xclip took no clipboard");
    // Still the owner, never to answer again.
    ::kill(static_cast<pid_t>(xclip.processId()), SIGSTOP);

    QElapsedTimer pasting;
    pasting.start();
    picker.Click(kRgbField.x(), kRgbField.y());
    picker.Key(QStringLiteral("ctrl+a"));
    if (contextMenu)
        picker.Click(kRgbField.x(), kRgbField.y(), 3);
    for (const QString& key : keys)
        picker.Key(key);
    // The window answers the copy button soon after, and the field kept its color.
    picker.Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    ::kill(static_cast<pid_t>(xclip.processId()), SIGCONT);
    QTRY_COMPARE_WITH_TIMEOUT(ClipboardText(), QStringLiteral("rgb(255,0,0)"), 20000);
    QVERIFY2(pasting.elapsed() < kLongestPasteMs,
             qPrintable(QStringLiteral("the window stood still for %1 ms").arg(pasting.elapsed())));
    QCOMPARE(picker.Process().state(), QProcess::Running);
    xclip.kill();
    xclip.waitForFinished();
}

void ClipboardTest::pasteFromAnsweringOwner() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    QProcess xclip;
    QVERIFY2(OwnClipboardWithXclip(xclip, QStringLiteral("rgb(1,2,3)")), "xclip took no clipboard");

    picker.Click(kRgbField.x(), kRgbField.y());
    picker.Key(QStringLiteral("ctrl+a"));
    picker.Key(QStringLiteral("ctrl+v"));
    QTest::qWait(500);
    picker.Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    QTRY_COMPARE(ClipboardText(), QStringLiteral("rgb(1,2,3)"));
    xclip.kill();
    xclip.waitForFinished();
}

QTEST_GUILESS_MAIN(ClipboardTest)
#include "clipboard_test.moc"
