// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The picker started the way a launcher starts it, from its desktop entry: the window it opens
// carries the title, the window class the entry names in StartupWMClass, and its icon.
#include "tests/e2e/picker_session.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>

using namespace tessavundo::e2e;

namespace {

// The keys of the [Desktop Entry] group.
QMap<QString, QString> ReadDesktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
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

QTEST_GUILESS_MAIN(LauncherEntryTest)
#include "launcher_entry_test.moc"
