// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

namespace tessavundo::test {

// The first of the programs that is not installed, or an empty string.
inline QString MissingTool(const QStringList& programs) {
    for (const QString& program : programs)
        if (QStandardPaths::findExecutable(program).isEmpty())
            return program;
    return QString();
}

// Runs an X tool such as xsetroot or xdotool against the test's display.
inline bool RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

inline bool IsOnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// A frameless top-level of one solid color at a logical position of the desktop.
class SolidWindow : public QWidget {
public:
    SolidWindow(QColor color, QRect logicalGeometry) {
        setWindowFlags(Qt::FramelessWindowHint);
        QPalette solid = palette();
        solid.setColor(QPalette::Window, color);
        setPalette(solid);
        setAutoFillBackground(true);
        setGeometry(logicalGeometry);
    }

    QRect LogicalClientRect() const { return QRect(mapToGlobal(QPoint(0, 0)), size()); }
};

} // namespace tessavundo::test
