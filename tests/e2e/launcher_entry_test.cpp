// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The picker started the way a launcher starts it, from its desktop entry: the window it opens
// carries the title, the window class the entry names in StartupWMClass, and its icon.
#include "tests/e2e/picker_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QScopeGuard>
#include <QStandardPaths>
#include <xcb/xcb.h>

using namespace tessavundo::e2e;

namespace {

// The keys of one group of the entry, [Desktop Entry] unless named.
QMap<QString, QString> ReadDesktopEntry(const QString& path,
                                        const QString& group = QStringLiteral("Desktop Entry")) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1Char('[') + group + QLatin1Char(']');
        else if (inEntry && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

} // namespace

class LauncherEntryTest : public QObject {
    Q_OBJECT

private slots:
    void windowBelongsToItsEntry();
    void pickActionCopiesAColor();
};

void LauncherEntryTest::windowBelongsToItsEntry() {
    const QMap<QString, QString> entry = ReadDesktopEntry(QStringLiteral(TESSAVUNDO_DESKTOP_ENTRY));
    QVERIFY2(!entry.isEmpty(), "cannot read the desktop entry");
    const QStringList command = entry.value(QStringLiteral("Exec")).split(QLatin1Char(' '));
    QVERIFY(!command.value(0).isEmpty());

    // A launcher finds the program on PATH, here the build folder's.
    QTemporaryDir configDir;
    QVERIFY(configDir.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       QFileInfo(QStringLiteral(TESSAVUNDO_BINARY)).absolutePath() +
                           QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess picker;
    picker.setProcessEnvironment(environment);
    picker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // env resolves the program with the PATH above, as a launcher does.
    picker.start(QStringLiteral("env"), command);
    QVERIFY(picker.waitForStarted());
    const QByteArray window = Run(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--sync"),
                                   QStringLiteral("--pid"), QString::number(picker.processId()),
                                   QStringLiteral("--name"), QStringLiteral("^Tessavundo$")},
                                  20000)
                                  .split('\n')
                                  .value(0)
                                  .trimmed();
    QVERIFY2(!window.isEmpty(), "the entry's command opened no window titled Tessavundo");

    const auto property = [&](const char* name) {
        return QString::fromUtf8(
            Run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::fromLatin1(window),
                                          QStringLiteral("-notype"), QLatin1String(name)}));
    };
    // WM_CLASS is "instance", "class"; docks match StartupWMClass against the class.
    const QString wmClass = property("WM_CLASS");
    QVERIFY2(wmClass.trimmed().endsWith(
                 QStringLiteral(", \"%1\"").arg(entry.value(QStringLiteral("StartupWMClass")))),
             qPrintable(wmClass));
    const QString icon = property("_NET_WM_ICON");
    QVERIFY2(icon.contains(QStringLiteral("Icon (48 x 48)")), "the window shows no 48 x 48 icon");

    picker.kill();
    picker.waitForFinished();
}

// The entry's action, as a launcher runs it: the pick, and the color then on the clipboard.
void LauncherEntryTest::pickActionCopiesAColor() {
    const QString path = QStringLiteral(TESSAVUNDO_DESKTOP_ENTRY);
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {path});
    QVERIFY(validate.waitForFinished());
    QVERIFY2(validate.exitCode() == 0 && validate.readAll().trimmed().isEmpty(),
             "desktop-file-validate rejects the entry or warns");

    QCOMPARE(ReadDesktopEntry(path).value(QStringLiteral("Actions")),
             QStringLiteral("pick-color;"));
    const QMap<QString, QString> action =
        ReadDesktopEntry(path, QStringLiteral("Desktop Action pick-color"));
    QCOMPARE(action.value(QStringLiteral("Name")), QStringLiteral("Pick a Color from the Screen"));
    QVERIFY(!action.value(QStringLiteral("Name[de]")).isEmpty());
    const QStringList command = action.value(QStringLiteral("Exec")).split(QLatin1Char(' '));
    QCOMPARE(command, (QStringList{"tessavundo", "--pick", "--copy"}));

    // Held while the root is painted and picked: Xvfb resets the screen when its last client
    // leaves.
    xcb_connection_t* const display = xcb_connect(nullptr, nullptr);
    const auto disconnect = qScopeGuard([display] { xcb_disconnect(display); });
    Run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), QStringLiteral("#3C5A78")});
    QTemporaryDir configDir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       QFileInfo(QStringLiteral(TESSAVUNDO_BINARY)).absolutePath() +
                           QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir.path());
    QProcess picker;
    picker.setProcessEnvironment(environment);
    picker.start(QStringLiteral("env"), command);
    QVERIFY(picker.waitForStarted());
    // Clicked until the pick has taken the pointer and answers the click.
    QVERIFY(QTest::qWaitFor(
        [&picker] {
            Run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("40"), QStringLiteral("40"),
                 QStringLiteral("click"), QStringLiteral("1")});
            return picker.waitForFinished(200);
        },
        10000));
    QCOMPARE(picker.exitCode(), 0);
    QCOMPARE(ClipboardText(), QStringLiteral("#3C5A78"));
    QCOMPARE(QDir(configDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_GUILESS_MAIN(LauncherEntryTest)
#include "launcher_entry_test.moc"
