// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/text_box.h"

#include "platform/toolkit/input_codes.h"

namespace tessavundo {

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent) {
    // textChanged, not textEdited: a write from code must run the change routine too.
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (auto keyAscii = KeyAscii(*event))
        emit KeyPress(*keyAscii);
    QLineEdit::keyPressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (IsFocusMoveInsideWindow(event->reason()))
        emit GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (IsFocusMoveInsideWindow(event->reason()))
        emit LostFocus();
}

} // namespace tessavundo
