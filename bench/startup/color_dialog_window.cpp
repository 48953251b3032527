// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Qt's own color dialog as a program of its own: the peer a user would otherwise start, as a
// comparison for the picker's start-up. Qt's widget dialog, not a desktop's native one, so that
// both draw with the same toolkit.
#include <QApplication>
#include <QColorDialog>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QColorDialog dialog(Qt::red);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.show();
    return QApplication::exec();
}
