// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/command_button.h"

#include "platform/toolkit/button_face.h"

#include <QKeyEvent>

namespace tessavundo {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    // Outside a dialog Qt's button lets Enter go by. A held key repeats no click.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent*) {
    PaintButtonFace(*this);
}

} // namespace tessavundo
