// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "ui/command_line/run_command_line.h"

#include "platform/session/help_switch.h"
#include "platform/session/standard_streams.h"
#include "ui/command_line/command_line.h"
#include "ui/command_line/one_shot_pick.h"
#include "ui/command_line/standard_streams.h"

namespace tessavundo {
namespace {

int PrintOut(const QString& text) {
    if (Print(stdout, text))
        return kExitSuccess;
    Complain(QStringLiteral("cannot write to the standard output"));
    return kExitFailure;
}

} // namespace

std::optional<int> RunCommandLine(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        arguments << (i > 0 && IsNativeHelpSwitch(argument) ? QStringLiteral("--help") : argument);
    }
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.action == CommandAction::kOpenWindow)
        return std::nullopt;
    // Everything below prints.
    UseStartingConsole();
    switch (commandLine.action) {
    case CommandAction::kOpenWindow:
        return std::nullopt;
    case CommandAction::kShowHelp:
        return PrintOut(UsageText());
    case CommandAction::kShowVersion:
        return PrintOut(VersionText());
    case CommandAction::kPick:
        return RunOneShotPick(argc, argv, commandLine.format, commandLine.destination);
    case CommandAction::kRefuse:
        Complain(commandLine.problem);
        Print(stderr, QLatin1String(kTryHelp) + QLatin1Char('\n'));
        return kExitFailure;
    }
    return std::nullopt;
}

} // namespace tessavundo
