// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// Another application for the picker to sample and to lose the activation to: the helper program
// SOLID_COLOR_WINDOW names, on the test's X server.

#include "tests/e2e/picker_session.h"

#include <QRegularExpression>

namespace tessavundo::e2e {

// A busy machine may take its time to start another program and map its window.
inline constexpr int kWindowPatienceMs = 20000;

// Another application's window of one color, where the window manager or compositor placed it.
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
        window_ =
            QString::fromLatin1(Run(QStringLiteral("xdotool"),
                                    {QStringLiteral("search"), QStringLiteral("--sync"),
                                     QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--pid"), QString::number(process_.processId()),
                                     QStringLiteral("--name"), QStringLiteral("^Solid color$")},
                                    kWindowPatienceMs)
                                    .split('\n')
                                    .value(0)
                                    .trimmed());
        if (window_.isEmpty())
            return false;
        // The client area's place on the root window, which on XWayland is the compositor's
        // layout.
        const QByteArray geometry =
            Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window_});
        const auto value = [&](const char* name) {
            const QRegularExpression line(QStringLiteral("^%1=(\\d+)$").arg(QLatin1String(name)),
                                          QRegularExpression::MultilineOption);
            return line.match(QString::fromLatin1(geometry)).captured(1).toInt();
        };
        area_ = QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
        return !area_.isEmpty();
    }

    QPoint Centre() const { return area_.center(); }

    // Moves the pointer of the X server over a point of its client area.
    void MovePointerOver(QPoint client) const {
        Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
                 window_, QString::number(client.x()), QString::number(client.y())});
    }

private:
    QProcess process_;
    QString window_;
    QRect area_;
};

} // namespace tessavundo::e2e
