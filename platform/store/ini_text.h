// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Keys and text values spelled the way Qt's INI settings files spell them, so that a file
// written by earlier versions of the picker (which wrote it through QSettings) reads back the
// same, and the file written now reads the same in those versions.
namespace tessavundo::ini_text {

// A key or section name: letters, digits, '_', '-' and '.' as they are, '/' as '\', anything
// else as %XX or %UXXXX.
QByteArray EscapeKey(const QString& key);
QString UnescapeKey(QByteArrayView escaped);

// A value holding one text: C-style escapes, UTF-8, quotes where the text would otherwise read
// as a list or lose blanks at its ends, and '@' doubled at the start.
QByteArray EscapeText(const QString& text);
// The text of a value as written after '='; empty when the value is not one text (a list, a
// byte array, a rectangle, an invalid value and the like).
std::optional<QString> UnescapeText(QByteArrayView escaped);

} // namespace tessavundo::ini_text
