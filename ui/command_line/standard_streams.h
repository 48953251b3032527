// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

namespace tessavundo {

// Writes and flushes at once, so that a script reading the pipe has the text the moment it is
// printed. False when it could not be written (a closed pipe, a full disk).
inline bool Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

// One line on the standard error, after the program's name.
inline void Complain(const QString& problem) {
    Print(stderr, QStringLiteral("tessavundo: ") + problem + QLatin1Char('\n'));
}

} // namespace tessavundo
