// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "ui/command_line/command_line.h"

#include <QCommandLineParser>

namespace tessavundo {
namespace {

// The toolkit's own options, which its application object takes out of the arguments later.
// They are known here so that they are not taken for mistakes; the window path leaves them to
// the toolkit, the pick passes them on to it.
const char* const kToolkitOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowtitle",
    "title",
    "qwindowicon",
    "icon",
    "session",
    "display",
    "name",
    "visual",
    "style",
    "stylesheet",
    "qmljsdebugger",
};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "testability",
                                     "sync",    "nograb",      "dograb"};

constexpr QLatin1StringView kHexNotation("hex");
constexpr QLatin1StringView kRgbNotation("rgb");

QString OptionName(const QString& argument) {
    QString name = argument;
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name.section(QLatin1Char('='), 0, 0);
}

// The first unknown option as it was typed, dashes included.
QString TypedOption(const QStringList& arguments, const QStringList& unknownNames) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1Char('-')) && unknownNames.contains(OptionName(argument)))
            return argument.section(QLatin1Char('='), 0, 0);
    }
    return unknownNames.value(0);
}

CommandLine Refused(const QString& problem) {
    return CommandLine{CommandAction::kRefuse, PickFormat::kHex, PickDestination::kStandardOutput,
                       problem};
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return CommandLine{};
    QCommandLineParser parser;
    // The toolkit's options start with one dash and have long names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption pick(QStringLiteral("pick"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("format"));
    const QCommandLineOption copy(QStringLiteral("copy"));
    parser.addOptions({help, version, pick, format, copy});
    for (const char* name : kToolkitOptionsWithValue)
        parser.addOption(
            QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    for (const char* name : kToolkitFlags)
        parser.addOption(QCommandLineOption(QLatin1String(name)));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return Refused(
                QStringLiteral("unknown option '%1'").arg(TypedOption(arguments, unknown)));
        // The toolkit's sentence, as one clause of ours.
        QString problem = parser.errorText();
        if (problem.endsWith(QLatin1Char('.')))
            problem.chop(1);
        return Refused(problem.left(1).toLower() + problem.mid(1));
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return Refused(QStringLiteral("unexpected argument '%1'").arg(extra.first()));

    CommandLine commandLine;
    if (parser.isSet(format)) {
        const QString notation = parser.value(format);
        if (notation == kRgbNotation)
            commandLine.format = PickFormat::kRgb;
        else if (notation != kHexNotation)
            return Refused(QStringLiteral("--format takes hex or rgb, not '%1'").arg(notation));
        if (!parser.isSet(pick))
            return Refused(QStringLiteral("--format goes with --pick"));
    }
    if (parser.isSet(copy)) {
        if (!parser.isSet(pick))
            return Refused(QStringLiteral("--copy goes with --pick"));
        commandLine.destination = PickDestination::kClipboard;
    }
    if (parser.isSet(help))
        commandLine.action = CommandAction::kShowHelp;
    else if (parser.isSet(version))
        commandLine.action = CommandAction::kShowVersion;
    else if (parser.isSet(pick))
        commandLine.action = CommandAction::kPick;
    return commandLine;
}

QString UsageText() {
    return QStringLiteral(
        "Usage: tessavundo [OPTION]...\n"
        "Pick a color on a shade field and a rainbow bar, as rgb or hex text, or from\n"
        "the screen. With no option, open the picker's window; the toolkit's own\n"
        "options, such as -platform NAME and -style NAME, apply to it.\n"
        "\n"
        "  -h, --help           print this help and exit\n"
        "  -v, --version        print the version and exit\n"
        "      --pick           pick one pixel of the screen, print its color and exit:\n"
        "                       a left click, Return or Space picks, the arrow keys\n"
        "                       move the pointer by one pixel (ten with Shift), Esc\n"
        "                       or a right click cancels\n"
        "      --format FORMAT  how --pick prints the color: hex for #RRGGBB (the\n"
        "                       default) or rgb for rgb(r,g,b)\n"
        "      --copy           with --pick, put the color on the clipboard instead of\n"
        "                       printing it\n"
        "\n"
        "Exit status: 0 when done, 1 when the pick was cancelled, 2 for a wrong option\n"
        "or when no pixel can be picked.\n"
        "\n"
        "Example: tessavundo --pick | " TESSAVUNDO_CLIPBOARD_COMMAND "\n"
        "The settings are neither read nor written with any option.\n");
}

QString VersionText() {
    return QStringLiteral("Tessavundo " TESSAVUNDO_VERSION "\n");
}

} // namespace tessavundo
