// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Stands in for the desktop's color-picker portal on the session bus that
// DBUS_SESSION_BUS_ADDRESS names. With three numbers from 0 to 1 it answers every PickColor
// with that color; with "cancel", as a picker the user closed; without, it never answers.
// Prints "ready" once it serves.
#include "tests/support/fake_desktop_portal.h"

#include <QCoreApplication>
#include <cstdio>

using tessavundo::testing::FakeDesktopPortal;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    FakeDesktopPortal portal(QDBusConnection::sessionBus());
    const QStringList channels = QCoreApplication::arguments().mid(1);
    constexpr uint kCancelledResponse = 1;
    if (channels == QStringList{QStringLiteral("cancel")})
        portal.AnswerEveryRequestWith(kCancelledResponse, {});
    if (channels.size() == 3) {
        portal.AnswerEveryRequestWith(0, FakeDesktopPortal::ColorResults(channels[0].toDouble(),
                                                                         channels[1].toDouble(),
                                                                         channels[2].toDouble()));
    }
    if (!portal.Register()) {
        std::fputs("fake_portal_service: cannot take the portal's name on the bus\n", stderr);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
