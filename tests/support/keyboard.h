// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace tessavundo::testing {

// Types through the window system layer, so that each key goes to whatever control holds the
// focus, as it does for a user.
inline void Type(QWidget& window, const QString& text) {
    for (const QChar character : text)
        QTest::keyClick(window.windowHandle(), character.toLatin1());
}

inline void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

} // namespace tessavundo::testing
