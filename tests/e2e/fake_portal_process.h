// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QStringList>
#include <csignal>
#include <sys/prctl.h>

namespace tessavundo::e2e {

// The fake desktop portal (fake_portal_service) on a bus, answering with `answer`: three numbers
// from 0 to 1 for a color, "cancel" for a closed picker, or nothing for never.
class FakePortalProcess {
public:
    FakePortalProcess(const QString& busAddress, const QStringList& answer) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // It ends with the test, even when the test is killed.
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process_.start(QStringLiteral(FAKE_PORTAL_SERVICE), answer);
        ready_ = process_.waitForStarted() && process_.waitForReadyRead(10000) &&
                 process_.readLine().trimmed() == "ready";
    }

    ~FakePortalProcess() {
        process_.kill();
        process_.waitForFinished();
    }

    bool Ready() const { return ready_; }

private:
    QProcess process_;
    bool ready_ = false;
};

} // namespace tessavundo::e2e
