// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/button_face.h"

#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tessavundo {

namespace {

// QPushButton's initStyleOption is protected; a button reached through this class may call it.
// Never made, so it needs no meta-object of its own.
class StyledButton : public QPushButton { // clazy:exclude=missing-qobject-macro
public:
    using QPushButton::initStyleOption;
};

} // namespace

void PaintButtonFace(QPushButton& button) {
    QStylePainter painter(&button);
    QStyleOptionButton option;
    static_cast<StyledButton&>(button).initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace tessavundo
