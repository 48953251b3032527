// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace tessavundo {

void ShowQuestionMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tessavundo
