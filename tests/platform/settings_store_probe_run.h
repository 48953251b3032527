// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// Runs settings_store_probe (SETTINGS_STORE_PROBE, given by the test's build) in a fresh
// process, which sees only what reached the disk.

#include <QProcess>
#include <QStringList>
#include <unistd.h>

namespace tessavundo::testing {

struct ProbeRun {
    int exitCode = -1;
    QString output;
    QByteArray errors;
};

// An empty `environment` is the test's own. With `asNobody` the probe runs as the user nobody
// when the test runs as root, for whom file permissions do not hold.
inline ProbeRun RunProbe(const QStringList& arguments, const QProcessEnvironment& environment = {},
                         bool asNobody = false) {
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    if (asNobody && ::geteuid() == 0) {
        process.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=nobody"),
                                                             QStringLiteral("--regid=nogroup"),
                                                             QStringLiteral("--clear-groups"),
                                                             QStringLiteral(SETTINGS_STORE_PROBE)} +
                                                     arguments);
    } else {
        process.start(QStringLiteral(SETTINGS_STORE_PROBE), arguments);
    }
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            process.readAllStandardError()};
}

} // namespace tessavundo::testing
