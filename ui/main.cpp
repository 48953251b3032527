#include "platform/clipboard.h"
#include "platform/font_warm_up.h"
#include "platform/portal/create_color_portal.h"
#include "platform/screen/create_screen_source.h"
#include "platform/screen/display_session.h"
#include "platform/session/termination_watcher.h"
#include "platform/store/create_settings_store.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // On a Wayland desktop the window runs through XWayland, where it can be moved to its saved
    // position and report where it is; a Wayland window can do neither. The user's own choice
    // of platform stands.
    if (tessavundo::ShouldRunOnXWayland(tessavundo::ReadDisplayEnvironment(), argc, argv))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Loads on another core while the toolkit connects to the display.
    tessavundo::FontWarmUp fontWarmUp;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessavundo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tessavundo"));
    QApplication::setApplicationVersion(QStringLiteral(TESSAVUNDO_VERSION));
    // Names the launcher entry the window belongs to: the Wayland app id, and what portals and
    // docks use to show the entry's icon and name.
    QApplication::setDesktopFileName(QStringLiteral(TESSAVUNDO_APP_ID));

    const auto settings = tessavundo::CreateUserSettingsStore();
    tessavundo::SystemClipboard clipboard;
    const auto screen = tessavundo::CreateScreenSource();
    fontWarmUp.Wait();
    const auto portal = tessavundo::CreateColorPortal();
    tessavundo::Form1 form({*settings, clipboard, *screen, *portal});

    // A terminate request or the end of the desktop session closes the window the usual way,
    // so the settings are saved exactly as when the user closes it.
    tessavundo::TerminationWatcher termination(app);
    QObject::connect(&termination, &tessavundo::TerminationWatcher::TerminationRequested, &form,
                     &QWidget::close);

    form.show();
    return QApplication::exec();
}
