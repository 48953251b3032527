// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace tessavundo {

// A command button that Enter and keypad Enter click as well as Space, on every platform, as
// Windows' dialogs and most desktops' buttons do; the window's focus ring is its only focus
// indication.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessavundo
