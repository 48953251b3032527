// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <cstdint>
#include <string>

namespace tessavundo {

// A text box whose change event runs for every change of its text, typed or written from code,
// before the write returns; writing the text it already holds runs nothing.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    // The color core's texts are UTF-8; they become the toolkit's here, at the boundary.
    void SetText(const std::string& text) { setText(QString::fromStdString(text)); }
    int SelStart() const { return cursorPosition(); }
    void SetSelStart(int position) { setCursorPosition(position); }

signals:
    void Change();
    void KeyPress(std::int16_t& keyAscii);
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Whether a paste from `mode` is left out because its owner is silent; rings the bell then.
    bool LeavesPasteOut(QClipboard::Mode mode) const;
};

} // namespace tessavundo
