// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Takes the name given as its argument on the session bus that DBUS_SESSION_BUS_ADDRESS names
// and serves nothing under it. Prints "ready" once it has the name; a test then stops it
// (SIGSTOP), and the name has an owner that never answers.
#include <QCoreApplication>
#include <QDBusConnection>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 || !QDBusConnection::sessionBus().registerService(arguments[1])) {
        std::fputs("bus_name_owner: cannot take the name on the bus\n", stderr);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
