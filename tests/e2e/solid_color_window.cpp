// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// A window of one color, titled "Solid color", for the picker to sample on a test's X server.
// Usage: solid_color_window '#AB3210' [left top]
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QColor color(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("#AB3210"));
    if (!color.isValid())
        return 2;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Solid color"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, color);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(300, 200);
    if (argc > 3)
        window.move(QString::fromLocal8Bit(argv[2]).toInt(),
                    QString::fromLocal8Bit(argv[3]).toInt());
    window.show();
    return QApplication::exec();
}
