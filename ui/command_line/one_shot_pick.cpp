// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "ui/command_line/one_shot_pick.h"

#include "core/color.h"
#include "platform/desktop/clipboard_handover.h"
#include "platform/portal/create_color_portal.h"
#include "platform/screen/create_click_grab.h"
#include "platform/screen/create_screen_source.h"
#include "platform/screen/display_session.h"
#include "platform/session/display_loss_guard.h"
#include "platform/session/standard_streams.h"
#include "ui/command_line/standard_streams.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>

namespace tessavundo {
namespace {

// What the pick does with the color it finds.
struct PickAnswer {
    PickFormat format = PickFormat::kHex;
    PickDestination destination = PickDestination::kStandardOutput;
};

QString ColorText(PackedColor color, PickFormat format) {
    const ChannelTriple channels = SplitColor(color);
    return QString::fromStdString(format == PickFormat::kRgb ? FormatRgbText(channels)
                                                             : FormatHexText(channels));
}

// The answer of a pick is only as good as its line on the standard output. A standard output
// the program was started without takes nothing anybody reads.
int PrintColor(PackedColor color, PickFormat format) {
    if (StandardOutputWasClosed()) {
        Complain(QStringLiteral("cannot write the color: the standard output is closed"));
        return kExitFailure;
    }
    if (Print(stdout, ColorText(color, format) + QLatin1Char('\n')))
        return kExitSuccess;
    Complain(QStringLiteral("cannot write the color to the standard output"));
    return kExitFailure;
}

int AnswerColor(PackedColor color, PickAnswer answer) {
    if (answer.destination == PickDestination::kStandardOutput)
        return PrintColor(color, answer.format);
    if (const QString problem = HandOverToClipboard(ColorText(color, answer.format));
        !problem.isEmpty()) {
        Complain(problem);
        return kExitFailure;
    }
    return kExitSuccess;
}

int AskDesktopPortal(PickAnswer answer) {
    const auto portal = CreateColorPortal();
    QObject::connect(
        portal.get(), &ColorPortal::ColorPicked,
        [answer](PackedColor color) { QCoreApplication::exit(AnswerColor(color, answer)); });
    QObject::connect(portal.get(), &ColorPortal::PickCancelled,
                     [] { QCoreApplication::exit(kExitCancelled); });
    QObject::connect(portal.get(), &ColorPortal::Unavailable, [] {
        Complain(QStringLiteral("the screen cannot be read here, and no desktop color-picker "
                                "portal (org.freedesktop.portal.Screenshot.PickColor) answers"));
        QCoreApplication::exit(kExitFailure);
    });
    // No window of ours to place the desktop's picker over.
    portal->PickColor(0);
    return QCoreApplication::exec();
}

int PickWithClick(PickAnswer answer) {
    const auto grab = CreateClickGrab();
    if (!grab) {
        Complain(QStringLiteral("picking with a click is not offered on this platform"));
        return kExitFailure;
    }
    if (const QString problem = grab->Grab(); !problem.isEmpty()) {
        Complain(QStringLiteral("cannot pick: %1").arg(problem));
        return kExitFailure;
    }
    // The grab has given the desktop back by the time any of these runs: printing may wait
    // on a full pipe or a stopped terminal for as long as it likes.
    QObject::connect(grab.get(), &ClickGrab::Picked, [answer](PackedColor color) {
        QCoreApplication::exit(AnswerColor(color, answer));
    });
    QObject::connect(
        grab.get(), &ClickGrab::Failed,
        [](const QString& problem) {
            Complain(problem);
            QCoreApplication::exit(kExitFailure);
        });
    QObject::connect(grab.get(), &ClickGrab::Cancelled,
                     [] { QCoreApplication::exit(kExitCancelled); });
    // The toolkit ends the program with its own code, which would read as "cancelled", when
    // the X server goes away during the pick.
    const DisplayLossGuard displayLoss([] {
        Complain(QStringLiteral("cannot pick: the connection to the display broke"));
        std::_Exit(kExitFailure);
    });
    return QCoreApplication::exec();
}

} // namespace

int RunOneShotPick(int& argc, char** argv, PickFormat format, PickDestination destination) {
    const PickAnswer answer{format, destination};
    const DisplayEnvironment environment = ReadDisplayEnvironment();
    if (environment.systemDesktop) {
        const QGuiApplication application(argc, argv);
        return PickWithClick(answer);
    }
    if (IsWaylandSession(environment) || environment.x11Display.empty()) {
        const QCoreApplication application(argc, argv);
        return AskDesktopPortal(answer);
    }
    // The pick reads the X server's screen, wherever the window would go; without it there is
    // nothing to pick from.
    DisplayEnvironment x11 = environment;
    x11.chosenPlatform = "xcb";
    DisplayCheck display = CheckDisplay(x11, argc, argv);
    if (!display.problem.empty()) {
        Complain(QString::fromStdString(display.problem));
        return kExitFailure;
    }
    // A server that goes away meanwhile leaves the toolkit without a screen instead of ending
    // the program.
    qputenv("QT_QPA_PLATFORM", "xcb;offscreen");
    const QGuiApplication application(argc, argv);
    display.connection.reset();
    const auto screen = CreateScreenSource();
    // XWayland, or a server that refuses to show its screen.
    if (!screen->CanReadContinuously())
        return AskDesktopPortal(answer);
    return PickWithClick(answer);
}

} // namespace tessavundo
