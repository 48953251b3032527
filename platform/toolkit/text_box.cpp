// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/text_box.h"

#include "platform/desktop/clipboard_owner.h"
#include "platform/toolkit/input_codes.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace tessavundo {

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent) {
    // textChanged, not textEdited: a write from code must run the change routine too.
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (auto keyAscii = KeyAscii(*event))
        emit KeyPress(*keyAscii);
    if (event->matches(QKeySequence::Paste) && LeavesPasteOut(QClipboard::Clipboard)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// A silent clipboard owner would hold the window for fifteen seconds; the paste is left out
// instead, with the bell for a sign.
bool TextBox::LeavesPasteOut(QClipboard::Mode mode) const {
    if (isReadOnly() || ClipboardOwnerAnswers(mode))
        return false;
    QApplication::beep();
    return true;
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    // The standard menu reads the clipboard to enable its paste entry. With a silent owner it
    // is built as for a read-only box, without the entries that change the text, which the box
    // takes again at once.
    const bool silentOwner = !isReadOnly() && !ClipboardOwnerAnswers();
    if (silentOwner)
        setReadOnly(true);
    QMenu* const menu = createStandardContextMenu();
    if (silentOwner)
        setReadOnly(false);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the selection another program holds, which the toolkit asks its
    // owner for in the same rounds of waiting as the clipboard.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection() &&
        LeavesPasteOut(QClipboard::Selection)) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
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
