// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The empty window with one text field where the picker has its rgb field: the least a window
// with text does before it is mapped (the font configuration, text layout, the accessibility
// bridge), as a comparison for the picker's start-up.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(441, 273);
    QLineEdit field(QStringLiteral("rgb(255,0,0)"), &window);
    field.setGeometry(296, 40, 89, 25);
    window.show();
    return QApplication::exec();
}
