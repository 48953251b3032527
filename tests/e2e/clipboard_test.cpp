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
const QPoint kRgbField(340, 52);
const QPoint kHexField(340, 84);
// A paste from an owner that never answers: the toolkit alone waits three times five seconds;
// the picker asks once, briefly. Well under ten seconds tells the two apart on a busy machine.
constexpr qint64 kLongestPasteMs = 7000;
constexpr int kToolkitWaitsMs = 30000;

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
    void middleClickFromSilentSelectionOwnerKeepsTheWindowAnswering();
    void pasteFromAnsweringOwner_data();
    void pasteFromAnsweringOwner();
};

void ClipboardTest::copiedTextReachesOtherPrograms() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();

    picker.Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("rgb(255,0,0)"));
    picker.Click(kHexCopyButton.x(), kHexCopyButton.y());
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#FF0000"));

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
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#FF0000"));

    QElapsedTimer quitting;
    quitting.start();
    picker.Process().terminate();
    QVERIFY(picker.Process().waitForFinished(15000));
    QCOMPARE(picker.Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(picker.Process().exitCode(), 0);

    if (managerRuns) {
        E2E_TRY_VERIFY(manager.canReadLine());
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
    E2E_TRY_COMPARE(ShownWindowsOf(picker).size(), 2);
    QStringList boxes = ShownWindowsOf(picker);
    boxes.removeAll(picker.Window());
    QCOMPARE(boxes.size(), 1);
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), boxes.first()});
    Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    E2E_TRY_COMPARE(ShownWindowsOf(picker), QStringList{picker.Window()});
    QCOMPARE(picker.Process().state(), QProcess::Running);
}

void ClipboardTest::pasteFromSilentOwnerKeepsTheWindowAnswering_data() {
    QTest::addColumn<QPoint>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("copyButton");
    QTest::addColumn<bool>("contextMenu");
    QTest::addColumn<QString>("key");
    const QString rgb = QStringLiteral("rgb(255,0,0)");
    const QString hex = QStringLiteral("#FF0000");
    QTest::newRow("rgb field, Ctrl+V")
        << kRgbField << rgb << kRgbCopyButton << false << QStringLiteral("ctrl+v");
    QTest::newRow("hex field, Ctrl+V")
        << kHexField << hex << kHexCopyButton << false << QStringLiteral("ctrl+v");
    QTest::newRow("rgb field, Shift+Insert")
        << kRgbField << rgb << kRgbCopyButton << false << QStringLiteral("shift+Insert");
    // The menu's paste entry, were it there, is chosen with P; then the menu is closed.
    QTest::newRow("rgb field, context menu")
        << kRgbField << rgb << kRgbCopyButton << true << QStringLiteral("p Escape");
}

void ClipboardTest::pasteFromSilentOwnerKeepsTheWindowAnswering() {
    QFETCH(QPoint, field);
    QFETCH(QString, text);
    QFETCH(QPoint, copyButton);
    QFETCH(bool, contextMenu);
    QFETCH(QString, key);
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    QProcess owner;
    owner.start(QStringLiteral(SILENT_CLIPBOARD_OWNER), QStringList());
    QVERIFY(owner.waitForReadyRead(10000));
    QVERIFY(owner.readLine().startsWith("ready"));

    picker.Click(field.x(), field.y());
    picker.Key(QStringLiteral("ctrl+a"));
    QElapsedTimer pasting;
    pasting.start();
    // The pointer is over the field already: moving it there again would wait for a motion
    // that never comes.
    if (contextMenu)
        Xdotool({QStringLiteral("click"), QStringLiteral("3")});
    for (const QString& keys : key.split(QLatin1Char(' ')))
        picker.Key(keys);
    // The copy button is answered once the paste is over, which takes the clipboard from the
    // silent owner: it ends on that loss.
    picker.Click(copyButton.x(), copyButton.y());
    QVERIFY2(owner.waitForFinished(kToolkitWaitsMs), "the window never took the clipboard");
    QVERIFY2(pasting.elapsed() < kLongestPasteMs,
             qPrintable(QStringLiteral("the window stood still for %1 ms").arg(pasting.elapsed())));
    // Nothing was pasted: the field kept its color.
    QCOMPARE(ClipboardText(), text);
    QCOMPARE(picker.Process().state(), QProcess::Running);
}

// The selection another program holds, pasted by a middle click, is asked of its owner in the
// same rounds of waiting as the clipboard.
void ClipboardTest::middleClickFromSilentSelectionOwnerKeepsTheWindowAnswering() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    picker.Click(kRgbField.x(), kRgbField.y());
    QProcess owner;
    owner.start(QStringLiteral(SILENT_CLIPBOARD_OWNER), {QStringLiteral("PRIMARY")});
    QVERIFY(owner.waitForReadyRead(10000));
    QVERIFY(owner.readLine().startsWith("ready"));

    QElapsedTimer pasting;
    pasting.start();
    Xdotool({QStringLiteral("click"), QStringLiteral("2")});
    // The copy button is answered only once the paste is over.
    picker.Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    E2E_TRY_COMPARE_WITH_TIMEOUT(ClipboardText(), QStringLiteral("rgb(255,0,0)"), kToolkitWaitsMs);
    QVERIFY2(pasting.elapsed() < kLongestPasteMs,
             qPrintable(QStringLiteral("the window stood still for %1 ms").arg(pasting.elapsed())));
    QCOMPARE(picker.Process().state(), QProcess::Running);
    owner.kill();
    owner.waitForFinished();
}

void ClipboardTest::pasteFromAnsweringOwner_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("key");
    QTest::newRow("Ctrl+V") << QStringLiteral("clipboard") << QStringLiteral("ctrl+v");
    QTest::newRow("Shift+Insert") << QStringLiteral("clipboard") << QStringLiteral("shift+Insert");
    // No key: a middle click pastes the selection.
    QTest::newRow("middle click") << QStringLiteral("primary") << QString();
}

void ClipboardTest::pasteFromAnsweringOwner() {
    QFETCH(QString, selection);
    QFETCH(QString, key);
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    // Emptied before the other program takes the selection: selecting the field's text makes
    // the picker the selection's owner.
    picker.Click(kRgbField.x(), kRgbField.y());
    picker.Key(QStringLiteral("ctrl+a"));
    if (key.isEmpty())
        picker.Key(QStringLiteral("BackSpace"));
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                          selection, QStringLiteral("-i")});
    QVERIFY(xclip.waitForStarted());
    xclip.write("rgb(1,2,3)");
    xclip.closeWriteChannel();
    E2E_TRY_COMPARE(ClipboardText(selection), QStringLiteral("rgb(1,2,3)"));

    if (key.isEmpty())
        Xdotool({QStringLiteral("click"), QStringLiteral("2")});
    else
        picker.Key(key);
    // The pasted color reaches the hex field, whose copy then takes the clipboard from xclip.
    picker.Click(kHexCopyButton.x(), kHexCopyButton.y());
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#010203"));
    xclip.kill();
    xclip.waitForFinished();
}

QTEST_GUILESS_MAIN(ClipboardTest)
#include "clipboard_test.moc"
