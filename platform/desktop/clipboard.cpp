// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessavundo {

void SystemClipboard::Clear() {
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

void SystemClipboard::SetText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

} // namespace tessavundo
