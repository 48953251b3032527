// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QPushButton>
#include <cstdint>

namespace tessavundo {

// A toggle button with a picture. Value is 1 while it is down, 0 while up; every change of the
// value, by the user or from code, runs the click event at once. Space on the focused toggle
// flips it. Assistive technology hears a check box, checked while it is down. The window's
// focus ring is its only focus indication.
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
    void paintEvent(QPaintEvent* event) override;
};

// The toggle's accessible interface, for the toolkit's accessibility factories.
QAccessibleInterface* CreateToggleAccessible(const QString& className, QObject* object);

} // namespace tessavundo
