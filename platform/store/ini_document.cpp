// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/ini_document.h"

#include "platform/store/ini_text.h"

#include <QLatin1String>

namespace tessavundo {

namespace {

// The name Qt writes for the keys outside any section.
const QLatin1String kGeneralSection("General");

bool IsLineBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// One logical line: a backslash escapes the next character, line breaks included, and a ';'
// outside quotes starts a comment that runs to the end of the line.
struct Line {
    QByteArrayView text;
    qsizetype equals = -1;
};

class LineReader {
public:
    explicit LineReader(QByteArrayView bytes)
        : bytes_(bytes) {}

    std::optional<Line> Next() {
        for (;;) {
            while (pos_ < bytes_.size() && IsLineBlank(bytes_[pos_]))
                ++pos_;
            if (pos_ >= bytes_.size())
                return std::nullopt;
            if (bytes_[pos_] != ';')
                break;
            SkipToLineEnd();
        }
        const qsizetype start = pos_;
        Line line;
        bool inQuotes = false;
        while (pos_ < bytes_.size()) {
            const char ch = bytes_[pos_];
            if (ch == '\n' || ch == '\r' || (ch == ';' && !inQuotes))
                break;
            ++pos_;
            if (ch == '=' && line.equals < 0) {
                line.equals = pos_ - 1 - start;
            } else if (ch == '"') {
                inQuotes = !inQuotes;
            } else if (ch == '\\' && pos_ < bytes_.size()) {
                const char escaped = bytes_[pos_++];
                if (pos_ < bytes_.size() && (escaped == '\n' || escaped == '\r') &&
                    (bytes_[pos_] == '\n' || bytes_[pos_] == '\r') && bytes_[pos_] != escaped)
                    ++pos_;
            }
        }
        line.text = bytes_.sliced(start, pos_ - start);
        if (pos_ < bytes_.size() && bytes_[pos_] == ';')
            SkipToLineEnd();
        return line;
    }

private:
    void SkipToLineEnd() {
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r')
            ++pos_;
    }

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

QByteArrayView TrimmedBlanks(QByteArrayView text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

QString SectionName(QByteArrayView header) {
    const QByteArrayView name = TrimmedBlanks(header);
    if (QLatin1String(name.data(), name.size()).compare(kGeneralSection, Qt::CaseInsensitive) == 0)
        return QString();
    return ini_text::UnescapeKey(name);
}

QByteArray SectionHeader(const QString& name) {
    if (name.isEmpty())
        return "[" + QByteArray(kGeneralSection.data(), kGeneralSection.size()) + "]";
    // "%General" keeps a section of that name apart from the keys outside any section.
    if (name.compare(kGeneralSection, Qt::CaseInsensitive) == 0)
        return "[%" + name.toLatin1() + "]";
    return "[" + ini_text::EscapeKey(name) + "]";
}

} // namespace

IniDocument IniDocument::Parse(QByteArrayView bytes) {
    IniDocument document;
    LineReader reader(bytes);
    QString section;
    while (const auto line = reader.Next()) {
        if (line->text.front() == '[') {
            const qsizetype close = line->text.indexOf(']');
            if (close < 0) {
                document.damaged_ = true;
                section = SectionName(line->text.sliced(1));
            } else {
                section = SectionName(line->text.sliced(1, close - 1));
            }
            continue;
        }
        if (line->equals < 0) {
            document.damaged_ = true;
            continue;
        }
        const QString key = ini_text::UnescapeKey(TrimmedBlanks(line->text.first(line->equals)));
        document.sections_[section][key] = line->text.sliced(line->equals + 1).toByteArray();
    }
    return document;
}

bool IniDocument::Contains(const QString& section, const QString& key) const {
    const auto found = sections_.find(section);
    return found != sections_.end() && found->second.count(key) != 0;
}

std::optional<QString> IniDocument::Text(const QString& section, const QString& key) const {
    const auto found = sections_.find(section);
    if (found == sections_.end())
        return std::nullopt;
    const auto value = found->second.find(key);
    if (value == found->second.end())
        return std::nullopt;
    return ini_text::UnescapeText(value->second);
}

void IniDocument::SetText(const QString& section, const QString& key, const QString& text) {
    sections_[section][key] = ini_text::EscapeText(text);
}

QByteArray IniDocument::Serialize() const {
    QByteArray bytes;
    for (const auto& [name, keys] : sections_) {
        if (keys.empty())
            continue;
        if (!bytes.isEmpty())
            bytes += '\n';
        bytes += SectionHeader(name) + '\n';
        for (const auto& [key, value] : keys)
            bytes += ini_text::EscapeKey(key) + '=' + value + '\n';
    }
    return bytes;
}

} // namespace tessavundo
