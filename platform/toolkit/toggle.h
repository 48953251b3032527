// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>
#include <cstdint>

namespace tessavundo {

// A toggle button with a picture. Value is 1 while it is down, 0 while up; every change of the
// value, by the user or from code, runs the click event at once. Space on the focused toggle
// flips it. Assistive technology hears a toggle button, pressed while it is down.
class Toggle : public QPushButton {
    Q_OBJECT

public:
    explicit Toggle(QWidget* parent = nullptr);

    std::int16_t Value() const { return isChecked() ? 1 : 0; }
    void SetValue(std::int16_t value) { setChecked(value == 1); }

signals:
    void Click();
    void KeyPress(std::int16_t& keyAscii);
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace tessavundo
