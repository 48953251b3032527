// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// The pointer of a test's mutter session (with-mutter), moved through the helper program
// MUTTER_POINTER names.

#include <QProcess>
#include <QTest>

namespace tessavundo::e2e {

inline constexpr int kMutterPatienceMs = 15000;

// The pointer of the compositor itself, moved as a remote-desktop client moves it.
class MutterPointer {
public:
    MutterPointer() {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(MUTTER_POINTER), QStringList());
    }

    ~MutterPointer() {
        // Mutter ends the remote-desktop session when the input ends.
        process_.closeWriteChannel();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    MutterPointer(const MutterPointer&) = delete;
    MutterPointer& operator=(const MutterPointer&) = delete;

    // Whether mutter accepted the session: it then names the stream the pointer moves over.
    bool Ready() { return ReadLineStartingWith("node "); }

    // Moves the pointer to a point of the monitor and waits until mutter took it.
    bool MoveTo(QPoint point) {
        process_.write(QStringLiteral("move %1 %2\n").arg(point.x()).arg(point.y()).toUtf8());
        return ReadLineStartingWith("moved");
    }

private:
    bool ReadLineStartingWith(const QByteArray& start) {
        return QTest::qWaitFor(
            [&] {
                while (process_.canReadLine())
                    if (process_.readLine().startsWith(start))
                        return true;
                process_.waitForReadyRead(10);
                return false;
            },
            kMutterPatienceMs);
    }

    QProcess process_;
};

} // namespace tessavundo::e2e
