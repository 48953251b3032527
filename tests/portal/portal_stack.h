// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// The real xdg-desktop-portal frontend on a session bus of the test's own, with PipeWire (for
// OpenPipeWireRemote), the permission store (for restore tokens) and the tests' own portal
// backend behind it, chosen by a portal file in a private folder. Everything runs on private
// runtime, data and state folders and ends with the test.

#include "tests/support/private_session_bus.h"

#include <QDBusConnectionInterface>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QSaveFile>
#include <QTest>
#include <list>

namespace tessavundo::testing {

inline const QString kFrontend = QStringLiteral("/usr/libexec/xdg-desktop-portal");
inline const QString kPermissionStore = QStringLiteral("/usr/libexec/xdg-permission-store");
inline const QString kBackendName =
    QStringLiteral("org.freedesktop.impl.portal.desktop.tessavundo");

class PortalStack {
public:
    PortalStack() = default;
    PortalStack(const PortalStack&) = delete;
    PortalStack& operator=(const PortalStack&) = delete;

    ~PortalStack() {
        // The frontend first, so that it does not start what it misses.
        for (auto process = processes_.rbegin(); process != processes_.rend(); ++process) {
            process->terminate();
            if (!process->waitForFinished(5000)) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    // Where the stack runs: a bus and a PipeWire of its own, or the session's (a desktop
    // session started by the test's runner, whose compositor the backend asks for streams).
    enum class Session { Private, Given };

    // Starts everything; an empty text on success, else why the test cannot run.
    // `cursorModes` is what the backend's screen cast offers (7 all, 3 without METADATA).
    QString Start(int cursorModes = 7, Session session = Session::Private) {
        for (const QString& program :
             {kFrontend, kPermissionStore, QStringLiteral("/usr/bin/python3")})
            if (!QFile::exists(program))
                return program + QStringLiteral(" is not installed");
        if (QStandardPaths::findExecutable(QStringLiteral("pipewire")).isEmpty())
            return QStringLiteral("pipewire is not installed");
        if (!dir_.isValid())
            return QStringLiteral("no temporary folder");
        const bool given = session == Session::Given;
        if (given && qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            return QStringLiteral("no session bus given");
        if (QString error = given ? QString() : bus_.Start(); !error.isEmpty())
            return error;
        for (const char* folder : {"run", "portals", "home/data", "home/state"})
            QDir().mkpath(dir_.filePath(QLatin1String(folder)));
        QFile::setPermissions(dir_.filePath(QStringLiteral("run")), QFileDevice::ReadOwner |
                                                                        QFileDevice::WriteOwner |
                                                                        QFileDevice::ExeOwner);
        QFile portal(dir_.filePath(QStringLiteral("portals/tessavundo.portal")));
        if (!portal.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write the portal file");
        portal.write("[portal]\nDBusName=org.freedesktop.impl.portal.desktop.tessavundo\n"
                     "Interfaces=org.freedesktop.impl.portal.ScreenCast;"
                     "org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access;\n"
                     "UseIn=tessavundo\n");
        portal.close();
        Configure({});

        environment_ = QProcessEnvironment::systemEnvironment();
        if (!given)
            environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus_.Address());
        if (!given)
            environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                                dir_.filePath(QStringLiteral("run")));
        environment_.insert(QStringLiteral("HOME"), dir_.filePath(QStringLiteral("home")));
        environment_.insert(QStringLiteral("XDG_DATA_HOME"),
                            dir_.filePath(QStringLiteral("home/data")));
        environment_.insert(QStringLiteral("XDG_DESKTOP_PORTAL_DIR"),
                            dir_.filePath(QStringLiteral("portals")));
        environment_.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("tessavundo"));
        environment_.insert(QStringLiteral("TESSAVUNDO_BACKEND_CONFIG"), ConfigPath());
        environment_.insert(QStringLiteral("TESSAVUNDO_BACKEND_LOG"), LogPath());
        environment_.insert(QStringLiteral("TESSAVUNDO_BACKEND_CURSOR_MODES"),
                            QString::number(cursorModes));
        environment_.remove(QStringLiteral("DISPLAY"));
        environment_.remove(QStringLiteral("WAYLAND_DISPLAY"));

        connection_ =
            given ? QDBusConnection::sessionBus() : bus_.Connect(QStringLiteral("portal-test"));
        if (!connection_.isConnected())
            return QStringLiteral("cannot connect to the private bus");
        if (!given)
            Launch(QStandardPaths::findExecutable(QStringLiteral("pipewire")), {});
        QProcess& backend =
            Launch(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TEST_PORTAL_BACKEND)});
        if (!WaitForName(kBackendName))
            return QStringLiteral("the test backend did not start: ") + Output(backend);
        Launch(kPermissionStore, {QStringLiteral("--replace")});
        if (!WaitForName(QStringLiteral("org.freedesktop.impl.portal.PermissionStore")))
            return QStringLiteral("xdg-permission-store did not start");
        if (!given && !WaitForFile(dir_.filePath(QStringLiteral("run/pipewire-0"))))
            return QStringLiteral("pipewire did not start: ") + Output(processes_.front());
        QProcess& frontend = Launch(kFrontend, {});
        if (!WaitForName(QStringLiteral("org.freedesktop.portal.Desktop")))
            return QStringLiteral("xdg-desktop-portal did not start: ") + Output(frontend);
        return {};
    }

    // Starts everything in the mutter session the test runs in (with-mutter), the backend
    // answering each screen cast with a recording of mutter's own monitor.
    QString StartOnMutter() {
        if (QString error = Start(7, Session::Given); !error.isEmpty())
            return error;
        QJsonObject config;
        config.insert(QStringLiteral("stream_source"), QStringLiteral("mutter"));
        Configure(config);
        return {};
    }

    QDBusConnection& Bus() { return connection_; }
    // For a program that is to ask this stack's portal.
    QString BusAddress() const {
        return environment_.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    }

    // What the backend does from its next call on (see test_portal_backend.py). Replaced in one
    // rename, so that the backend never reads half a file.
    void Configure(const QJsonObject& config) {
        QSaveFile file(ConfigPath());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QJsonDocument(config).toJson());
            file.commit();
        }
    }

    // The backend's calls so far, oldest first.
    QList<QJsonObject> Calls() const {
        QList<QJsonObject> calls;
        QFile file(LogPath());
        if (!file.open(QIODevice::ReadOnly))
            return calls;
        while (!file.atEnd())
            calls << QJsonDocument::fromJson(file.readLine()).object();
        return calls;
    }

    QList<QJsonObject> CallsOf(const QString& method) const {
        QList<QJsonObject> calls;
        for (const QJsonObject& call : Calls())
            if (call.value(QStringLiteral("method")).toString() == method)
                calls << call;
        return calls;
    }

    QString StateFolder() const { return dir_.filePath(QStringLiteral("home/state")); }

private:
    QString ConfigPath() const { return dir_.filePath(QStringLiteral("backend.json")); }
    QString LogPath() const { return dir_.filePath(QStringLiteral("backend.log")); }

    QProcess& Launch(const QString& program, const QStringList& arguments) {
        QProcess& process = processes_.emplace_back();
        process.setProcessEnvironment(environment_);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process.start(program, arguments);
        return process;
    }

    static QString Output(QProcess& process) {
        return QString::fromLocal8Bit(process.readAll().right(2000));
    }

    bool WaitForName(const QString& name) {
        return QTest::qWaitFor(
            [&] { return connection_.interface()->isServiceRegistered(name).value(); }, 15000);
    }

    static bool WaitForFile(const QString& path) {
        return QTest::qWaitFor([&] { return QFile::exists(path); }, 15000);
    }

    QTemporaryDir dir_;
    PrivateSessionBus bus_;
    QDBusConnection connection_{QString()};
    QProcessEnvironment environment_;
    // Destroyed in reverse order of starting.
    std::list<QProcess> processes_;
};

} // namespace tessavundo::testing
