// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// What the picker meets in a test's mutter session (with-mutter): the compositor's pointer and
// other applications' windows of one color on XWayland. Needs MUTTER_POINTER and
// SOLID_COLOR_WINDOW, the paths of those helper programs.

#include "tests/e2e/picker_session.h"

#include <QRegularExpression>

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

// Another application's window of one color on XWayland, where the compositor placed it.
class SolidColorWindow {
public:
    ~SolidColorWindow() {
        process_.kill();
        process_.waitForFinished();
    }

    // Starts it with its top left asked at `position`; false when it never appears.
    bool Show(const QString& color, QPoint position) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(SOLID_COLOR_WINDOW),
                       {color, QString::number(position.x()), QString::number(position.y())});
        if (!process_.waitForStarted())
            return false;
        const QByteArray window =
            Xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--all"),
                     QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                     QString::number(process_.processId()), QStringLiteral("--name"),
                     QStringLiteral("^Solid color$")})
                .split('\n')
                .value(0)
                .trimmed();
        if (window.isEmpty())
            return false;
        // The client area's place on XWayland's root, which is the compositor's layout.
        const QByteArray geometry =
            Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                     QString::fromLatin1(window)});
        const auto value = [&](const char* name) {
            const QRegularExpression line(QStringLiteral("^%1=(\\d+)$").arg(QLatin1String(name)),
                                          QRegularExpression::MultilineOption);
            return line.match(QString::fromLatin1(geometry)).captured(1).toInt();
        };
        area_ = QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
        return !area_.isEmpty();
    }

    QPoint Centre() const { return area_.center(); }
    QRect Area() const { return area_; }

private:
    QProcess process_;
    QRect area_;
};

} // namespace tessavundo::e2e
