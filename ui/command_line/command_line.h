// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace tessavundo {

// What the program was asked to do by its arguments.
enum class CommandAction {
    kOpenWindow,
    kShowHelp,
    kShowVersion,
    kPick,
    // A mistyped command line: nothing is done but saying what is wrong.
    kRefuse,
};

// The notation --pick prints the color in.
enum class PickFormat {
    kHex, // #RRGGBB
    kRgb, // rgb(r,g,b)
};

// Where --pick puts the color.
enum class PickDestination {
    kStandardOutput,
    // --copy: the clipboard, kept there after the program has ended.
    kClipboard,
};

struct CommandLine {
    CommandAction action = CommandAction::kOpenWindow;
    PickFormat format = PickFormat::kHex;
    PickDestination destination = PickDestination::kStandardOutput;
    // Why the command line was refused, one line without the program's name.
    QString problem;
};

// Reads the arguments, the program's name first, as the shell passed them. The toolkit's own
// options (-platform, -style, -display and the like) are accepted and left to the toolkit.
// A wrong argument wins over everything else, then help, then the version.
CommandLine ParseCommandLine(const QStringList& arguments);

// What --help prints, ending in a newline.
QString UsageText();

// What --version prints: the name and the version, ending in a newline.
QString VersionText();

inline constexpr int kExitSuccess = 0;
// The user cancelled the pick.
inline constexpr int kExitCancelled = 1;
// A wrong command line, or nothing could be picked.
inline constexpr int kExitFailure = 2;

// The second line after a refused command line.
inline constexpr char kTryHelp[] = "Try 'tessavundo --help'.";

} // namespace tessavundo
