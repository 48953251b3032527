// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDebug>
#include <QFontInfo>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

namespace tessavundo::testing {

// The room the style leaves a button's caption: the button less its frame and margins.
inline int CaptionRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

// The shown buttons of `window` whose caption is wider, in the font the button itself draws
// with, than the room it has, each described with the widths. The buttons keep their fixed
// size in every language, so such a caption is cut off. Every button's measure is logged, for
// whoever picks a word.
inline QStringList OverflowingCaptions(const QWidget& window) {
    QStringList overflowing;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->isHidden())
            continue;
        const int room = CaptionRoom(*button);
        const int width = button->fontMetrics().horizontalAdvance(button->text());
        const QFontInfo font(button->font());
        const QString measure =
            QStringLiteral("%1 \"%2\" needs %3 of %4 pixels in %5 %6 pt, weight %7")
                .arg(button->objectName(), button->text())
                .arg(width)
                .arg(room)
                .arg(font.family())
                .arg(font.pointSizeF())
                .arg(font.weight());
        qInfo().noquote() << measure;
        if (width > room)
            overflowing.append(measure);
    }
    return overflowing;
}

} // namespace tessavundo::testing
