// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/application_identity.h"
#include "platform/desktop/clipboard.h"
#include "platform/desktop/font_warm_up.h"
#include "platform/desktop/translations.h"
#include "platform/portal/create_color_portal.h"
#include "platform/portal/create_screen_cast_portal.h"
#include "platform/screen/create_screen_source.h"
#include "platform/screen/display_session.h"
#include "platform/session/accessibility_bus_check.h"
#include "platform/session/display_loss_guard.h"
#include "platform/session/standard_streams.h"
#include "platform/session/termination_watcher.h"
#include "platform/settings_store.h"
#include "platform/store/user_settings_store.h"
#include "platform/toolkit/accessibility.h"
#include "platform/toolkit/tool_tips.h"
#include "settings/settings_keys.h"
#include "ui/command_line/command_line.h"
#include "ui/command_line/run_command_line.h"
#include "ui/command_line/standard_streams.h"
#include "ui/form1.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    tessavundo::ReopenClosedStandardStreams();
    // Help, the version, a one-shot pick and a mistyped option end here, with no window and
    // without touching the settings.
    if (const auto exitCode = tessavundo::RunCommandLine(argc, argv))
        return *exitCode;
    // On a Wayland desktop the window runs through XWayland, where it can be moved to its saved
    // position and report where it is; a Wayland window can do neither. The user's own choice
    // of platform stands.
    if (tessavundo::ShouldRunOnXWayland(tessavundo::ReadDisplayEnvironment(), argc, argv))
        qputenv("QT_QPA_PLATFORM", "xcb");
    auto display = tessavundo::CheckDisplay(tessavundo::ReadDisplayEnvironment(), argc, argv);
    if (!display.problem.empty()) {
        tessavundo::Complain(QString::fromStdString(display.problem));
        return tessavundo::kExitFailure;
    }
    tessavundo::DeclareApplicationIdentity();
    // Loads on another core while the toolkit connects to the display.
    tessavundo::FontWarmUp fontWarmUp;
    QApplication app(argc, argv);
    display.connection.reset();
    // Answered while the rest of the start-up goes on.
    tessavundo::AccessibilityBusCheck accessibilityBus;
    QApplication::setApplicationName(QStringLiteral("Tessavundo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tessavundo"));
    QApplication::setApplicationVersion(QStringLiteral(TESSAVUNDO_VERSION));
    // Names the launcher entry the window belongs to: the Wayland app id, and what portals and
    // docks use to show the entry's icon and name.
    QApplication::setDesktopFileName(QStringLiteral(TESSAVUNDO_APP_ID));
    // In the languages the user's locale asks for; the window's texts are taken as it is built.
    tessavundo::InstallTranslations(app, QLocale());
    tessavundo::WrapToolTips(app);
    tessavundo::InstallAccessibility();

    namespace keys = tessavundo::settings_keys;
    const auto settings =
        tessavundo::CreateUserSettingsStore(tessavundo::SettingsKeyText(keys::kApplication),
                                            tessavundo::SettingsKeyText(keys::kSection));
    tessavundo::SystemClipboard clipboard;
    const auto screen = tessavundo::CreateScreenSource();
    fontWarmUp.Wait();
    accessibilityBus.Settle();
    const auto portal = tessavundo::CreateColorPortal();
    // Asked only where the screen cannot be read, so elsewhere it never touches the bus.
    const auto screenCast = tessavundo::CreateScreenCastPortal();
    tessavundo::Form1 form({*settings, clipboard, *screen, *portal, screenCast.get()});

    // A terminate request or the end of the desktop session closes the window the usual way,
    // so the settings are saved exactly as when the user closes it.
    tessavundo::TerminationWatcher termination(app);
    QObject::connect(&termination, &tessavundo::TerminationWatcher::TerminationRequested, &form,
                     &QWidget::close);

    // With the display gone the window cannot be closed, but what it last showed is still here
    // to be saved.
    const tessavundo::DisplayLossGuard displayLoss([&form] { form.Unload(); });

    form.show();
    return QApplication::exec();
}
