// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The yardstick for start-up time and memory: a Qt Widgets program that shows one empty window
// of the picker's size and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(441, 273);
    window.show();
    return QApplication::exec();
}
