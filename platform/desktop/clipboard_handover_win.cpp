// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/clipboard_handover.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessavundo {

// The Windows clipboard keeps the text after its owner ends.
QString HandOverToClipboard(const QString& text) {
    if (!qGuiApp)
        return QStringLiteral("there is no clipboard without the toolkit");
    QGuiApplication::clipboard()->setText(text);
    return QString();
}

} // namespace tessavundo
