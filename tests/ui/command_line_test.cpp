// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// What each command line asks for: the window, help, the version, a pick in either notation,
// or a refusal that names the wrong argument. The toolkit's own options never count as wrong.
#include "ui/command_line/command_line.h"

#include <QtTest>

using namespace tessavundo;

Q_DECLARE_METATYPE(tessavundo::CommandAction)
Q_DECLARE_METATYPE(tessavundo::PickFormat)

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void copyPutsThePickOnTheClipboard();
    void helpNamesEveryOptionWithinEightyColumns();
};

void CommandLineTest::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandAction>("action");
    QTest::addColumn<PickFormat>("format");
    // Part of the refusal's text; empty when the command line is accepted.
    QTest::addColumn<QString>("problem");

    const auto window = CommandAction::kOpenWindow;
    const auto help = CommandAction::kShowHelp;
    const auto version = CommandAction::kShowVersion;
    const auto pick = CommandAction::kPick;
    const auto refuse = CommandAction::kRefuse;
    const auto hex = PickFormat::kHex;
    const auto rgb = PickFormat::kRgb;
    const auto row = [](const char* name, QStringList arguments, CommandAction action,
                        PickFormat format, const char* problem = "") {
        arguments.prepend(QStringLiteral("tessavundo"));
        QTest::newRow(name) << arguments << action << format << QString::fromLatin1(problem);
    };

    row("nothing", {}, window, hex);
    QTest::newRow("not even the program's name") << QStringList() << window << hex << QString();
    row("-h", {"-h"}, help, hex);
    row("--help", {"--help"}, help, hex);
    row("-v", {"-v"}, version, hex);
    row("--version", {"--version"}, version, hex);
    row("--pick", {"--pick"}, pick, hex);
    row("--pick --format hex", {"--pick", "--format", "hex"}, pick, hex);
    row("--pick --format rgb", {"--pick", "--format", "rgb"}, pick, rgb);
    row("--format=rgb before --pick", {"--format=rgb", "--pick"}, pick, rgb);
    row("the last --format counts", {"--pick", "--format", "rgb", "--format", "hex"}, pick, hex);
    row("help wins over the version", {"--version", "--help"}, help, hex);
    row("help wins over a pick", {"--pick", "-h"}, help, hex);
    row("the version wins over a pick", {"--pick", "-v"}, version, hex);

    // The toolkit's options, with their values, for the window and for the pick.
    row("-platform xcb", {"-platform", "xcb"}, window, hex);
    row("--platform wayland", {"--platform", "wayland"}, window, hex);
    row("-style fusion", {"-style", "fusion"}, window, hex);
    row("-style=fusion", {"-style=fusion"}, window, hex);
    row("-reverse", {"-reverse"}, window, hex);
    row("-display and -qwindowtitle", {"-display", ":1", "-qwindowtitle", "x"}, window, hex);
    row("a pick on another display", {"--pick", "-display", ":1"}, pick, hex);
    row("a value that looks like our option", {"-qwindowtitle", "--pick"}, window, hex);

    // Wrong command lines: one refusal that names what is wrong.
    row("unknown long option", {"--bogus"}, refuse, hex, "unknown option '--bogus'");
    row("unknown short option", {"-x"}, refuse, hex, "unknown option '-x'");
    row("unknown option with a value", {"--colour=red"}, refuse, hex, "unknown option '--colour'");
    row("unknown option beside help", {"--help", "--bogus"}, refuse, hex, "'--bogus'");
    row("a file name", {"picture.png"}, refuse, hex, "unexpected argument 'picture.png'");
    row("after --", {"--", "--pick"}, refuse, hex, "unexpected argument '--pick'");
    row("bad format", {"--pick", "--format", "cmyk"}, refuse, hex, "not 'cmyk'");
    row("formats are lower case", {"--pick", "--format", "RGB"}, refuse, hex, "not 'RGB'");
    row("empty format", {"--pick", "--format="}, refuse, hex, "not ''");
    row("format without a value", {"--pick", "--format"}, refuse, hex, "--format");
    row("format without a pick", {"--format", "rgb"}, refuse, hex, "goes with --pick");
    row("a value for --pick", {"--pick=now"}, refuse, hex, "--pick");
    row("a toolkit option without its value", {"-platform"}, refuse, hex, "-platform");
}

void CommandLineTest::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandAction, action);
    QFETCH(PickFormat, format);
    QFETCH(QString, problem);

    const CommandLine commandLine = ParseCommandLine(arguments);

    QCOMPARE(commandLine.action, action);
    QCOMPARE(commandLine.format, format);
    if (problem.isEmpty()) {
        QVERIFY2(commandLine.problem.isEmpty(), qPrintable(commandLine.problem));
    } else {
        QVERIFY2(commandLine.problem.contains(problem), qPrintable(commandLine.problem));
        QVERIFY(!commandLine.problem.contains(QLatin1Char('\n')));
    }
}

void CommandLineTest::copyPutsThePickOnTheClipboard() {
    QCOMPARE(ParseCommandLine({"tessavundo", "--pick"}).destination,
             PickDestination::kStandardOutput);
    const CommandLine copy =
        ParseCommandLine({"tessavundo", "--copy", "--format", "rgb", "--pick"});
    QCOMPARE(copy.action, CommandAction::kPick);
    QCOMPARE(copy.format, PickFormat::kRgb);
    QCOMPARE(copy.destination, PickDestination::kClipboard);
    const CommandLine alone = ParseCommandLine({"tessavundo", "--copy"});
    QCOMPARE(alone.action, CommandAction::kRefuse);
    QVERIFY2(alone.problem.contains(QLatin1String("goes with --pick")), qPrintable(alone.problem));
}

void CommandLineTest::helpNamesEveryOptionWithinEightyColumns() {
    const QString help = UsageText();
    QVERIFY(help.startsWith(QLatin1String("Usage: tessavundo ")));
    QVERIFY(help.endsWith(QLatin1Char('\n')));
    for (const char* option :
         {"-h, --help", "-v, --version", "--pick", "--format FORMAT", "--copy"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
    for (const QString& line : help.split(QLatin1Char('\n')))
        QVERIFY2(line.size() <= 80, qPrintable(line));
    QCOMPARE(VersionText(), QStringLiteral("Tessavundo 1.00\n"));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
