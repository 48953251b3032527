// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <sys/prctl.h>

namespace tessavundo::testing {

// A D-Bus session bus of the test's own, so that no desktop portal of the machine answers.
// Its configuration names no service directories: nothing is started on demand.
class PrivateSessionBus {
public:
    PrivateSessionBus() = default;
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    ~PrivateSessionBus() {
        for (const QString& name : connections_)
            QDBusConnection::disconnectFromBus(name);
        if (daemon_.state() != QProcess::NotRunning) {
            daemon_.terminate();
            if (!daemon_.waitForFinished(5000)) {
                daemon_.kill();
                daemon_.waitForFinished();
            }
        }
    }

    // Starts the bus daemon; an empty text on success, else what went wrong.
    QString Start() {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return QStringLiteral("dbus-daemon is not installed");
        if (!dir_.isValid())
            return QStringLiteral("no temporary folder");
        const QString config = dir_.filePath(QStringLiteral("session.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write ") + config;
        file.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC "
                                  "\"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                                  "\"http://www.freedesktop.org/standards/dbus/1.0/"
                                  "busconfig.dtd\">\n"
                                  "<busconfig><type>session</type>"
                                  "<listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                                  "<policy context=\"default\"><allow send_destination=\"*\"/>"
                                  "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                                  "</busconfig>\n")
                       .arg(dir_.path())
                       .toUtf8());
        file.close();
        // It complains of every reply nobody waits for, as the portal client's to Close.
        daemon_.setStandardErrorFile(QProcess::nullDevice());
        // The daemon ends with the test, even when the test is killed.
        daemon_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                       QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        if (!daemon_.waitForStarted())
            return QStringLiteral("dbus-daemon did not start");
        while (!daemon_.canReadLine())
            if (!daemon_.waitForReadyRead(10000))
                return QStringLiteral("dbus-daemon printed no address");
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        return address_.isEmpty() ? QStringLiteral("dbus-daemon printed no address") : QString();
    }

    QString Address() const { return address_; }

    // A new connection to the bus, under a name of this process.
    QDBusConnection Connect(const QString& name) {
        connections_ << name;
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
    QStringList connections_;
};

} // namespace tessavundo::testing
