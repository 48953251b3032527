// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <map>
#include <optional>

namespace tessavundo {

// The content of a settings file in the INI format that Qt's settings files use: sections of
// keys with text values. Values are kept as they are spelled in the file, so that everything
// the picker does not write goes back unchanged; sections and keys are written in sorted order
// with a blank line between sections, as Qt writes them.
class IniDocument {
public:
    static IniDocument Parse(QByteArrayView bytes);

    // A line that is no section header, no key=value and no comment, or a section header that
    // does not close: what was read around it may be misread.
    bool IsDamaged() const { return damaged_; }

    bool Contains(const QString& section, const QString& key) const;
    // Empty when the key is missing or its value is not one text.
    std::optional<QString> Text(const QString& section, const QString& key) const;
    void SetText(const QString& section, const QString& key, const QString& text);

    QByteArray Serialize() const;

private:
    // Section name ("" for the keys before any section) -> key -> the value as spelled.
    std::map<QString, std::map<QString, QByteArray>> sections_;
    bool damaged_ = false;
};

} // namespace tessavundo
