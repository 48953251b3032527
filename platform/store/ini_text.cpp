// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/ini_text.h"

#include <QStringList>
#include <QStringView>
#include <algorithm>

namespace tessavundo::ini_text {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char16_t kLastControl = 0x1f;
constexpr int kOctalBase = 8;
constexpr int kHexBase = 16;

bool IsPlainKeyCharacter(char16_t ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '_' || ch == '-' || ch == '.';
}

bool IsHexDigit(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    return (ch | 0x20) - 'a' + 10;
}

// The escapes of one letter that a value may hold.
std::optional<char16_t> SimpleEscape(char ch) {
    switch (ch) {
    case 'a':
        return u'\a';
    case 'b':
        return u'\b';
    case 'f':
        return u'\f';
    case 'n':
        return u'\n';
    case 'r':
        return u'\r';
    case 't':
        return u'\t';
    case 'v':
        return u'\v';
    case '"':
        return u'"';
    case '?':
        return u'?';
    case '\'':
        return u'\'';
    case '\\':
        return u'\\';
    default:
        return std::nullopt;
    }
}

void ChopTrailingBlanks(QString& text, qsizetype limit) {
    qsizetype end = text.size();
    while (end > limit && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    text.truncate(end);
}

// The value as Qt reads it: one text, or a list when it holds a comma outside quotes.
struct UnescapedValue {
    QString text;
    bool isList = false;
};

UnescapedValue UnescapeValue(QByteArrayView bytes) {
    UnescapedValue value;
    const qsizetype end = bytes.size();
    qsizetype i = 0;
    bool inQuotes = false;
    bool currentIsQuoted = false;
    auto skipBlanks = [&] {
        while (i < end && (bytes[i] == ' ' || bytes[i] == '\t'))
            ++i;
    };
    skipBlanks();
    qsizetype chopLimit = 0;
    while (i < end) {
        const char ch = bytes[i];
        if (ch == '\\') {
            if (++i >= end)
                break;
            const char escaped = bytes[i++];
            if (const auto simple = SimpleEscape(escaped)) {
                value.text += QChar(*simple);
            } else if (escaped == 'x' || (escaped >= '0' && escaped <= '7')) {
                const bool hex = escaped == 'x';
                if (hex && (i >= end || !IsHexDigit(bytes[i]))) {
                    chopLimit = value.text.size();
                    continue;
                }
                int code = hex ? 0 : escaped - '0';
                while (i < end &&
                       (hex ? IsHexDigit(bytes[i]) : (bytes[i] >= '0' && bytes[i] <= '7'))) {
                    code = code * (hex ? kHexBase : kOctalBase) + HexValue(bytes[i]);
                    code &= 0xffff;
                    ++i;
                }
                value.text += QChar(static_cast<char16_t>(code));
            } else if (escaped == '\n' || escaped == '\r') {
                // A line continued on the next one.
                if (i < end && (bytes[i] == '\n' || bytes[i] == '\r') && bytes[i] != escaped)
                    ++i;
            }
            chopLimit = value.text.size();
        } else if (ch == '"') {
            ++i;
            currentIsQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = value.text.size();
            }
        } else if (ch == ',' && !inQuotes) {
            // Only whether the value is a list matters here, not its items.
            value.isList = true;
            return value;
        } else {
            qsizetype run = i + 1;
            while (run < end && bytes[run] != '\\' && bytes[run] != '"' && bytes[run] != ',')
                ++run;
            value.text += QString::fromUtf8(bytes.sliced(i, run - i));
            i = run;
        }
    }
    if (!currentIsQuoted)
        ChopTrailingBlanks(value.text, chopLimit);
    return value;
}

// Arguments of "@Rect(1 2 3 4)" and the like, counted as Qt splits them.
qsizetype ArgumentCount(QStringView text, qsizetype open) {
    qsizetype count = 0;
    for (qsizetype i = open + 1; i < text.size(); ++i)
        if (text[i] == u')' || text[i] == u' ')
            ++count;
    return count;
}

} // namespace

QByteArray EscapeKey(const QString& key) {
    QByteArray result;
    result.reserve(key.size());
    for (const QChar qch : key) {
        const char16_t ch = qch.unicode();
        if (ch == u'/') {
            result += '\\';
        } else if (IsPlainKeyCharacter(ch)) {
            result += static_cast<char>(ch);
        } else if (ch <= 0xff) {
            result += '%';
            result += kHexDigits[ch / 16];
            result += kHexDigits[ch % 16];
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                result += kHexDigits[(ch >> shift) & 0xf];
        }
    }
    return result;
}

QString UnescapeKey(QByteArrayView escaped) {
    QString result;
    qsizetype i = 0;
    const qsizetype end = escaped.size();
    while (i < end) {
        const char ch = escaped[i];
        if (ch == '\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (ch != '%' || i == end - 1) {
            result += QChar::fromLatin1(ch);
            ++i;
            continue;
        }
        const bool wide = escaped[i + 1] == 'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = first + digits <= end;
        char16_t code = 0;
        for (qsizetype d = first; ok && d < first + digits; ++d) {
            ok = IsHexDigit(escaped[d]);
            code = static_cast<char16_t>(code * kHexBase + (ok ? HexValue(escaped[d]) : 0));
        }
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

QByteArray EscapeText(const QString& text) {
    // Qt reads a leading '@' as the mark of a typed value, and a NUL only inside @String().
    QString value = text;
    if (value.contains(QChar::Null))
        value = QStringLiteral("@String(") + value + u')';
    else if (value.startsWith(u'@'))
        value.prepend(u'@');

    QByteArray result;
    result.reserve(value.size() + 2);
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    qsizetype utf8Start = -1;
    auto flushUtf8 = [&](qsizetype upTo) {
        if (utf8Start >= 0)
            result += QStringView(value).sliced(utf8Start, upTo - utf8Start).toUtf8();
        utf8Start = -1;
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t ch = value[i].unicode();
        if (ch > 0x7e) {
            if (utf8Start < 0)
                utf8Start = i;
            escapeNextIfHexDigit = false;
            continue;
        }
        flushUtf8(i);
        if (ch == u';' || ch == u',' || ch == u'=')
            needsQuotes = true;
        // "\x1" followed by "2" would read as one escape, "\x12".
        if (escapeNextIfHexDigit && ch < 0x80 && IsHexDigit(static_cast<char>(ch))) {
            result += "\\x" + QByteArray::number(ch, kHexBase);
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (ch) {
        case u'\0':
            result += "\\0";
            escapeNextIfHexDigit = true;
            break;
        case u'\a':
            result += "\\a";
            break;
        case u'\b':
            result += "\\b";
            break;
        case u'\f':
            result += "\\f";
            break;
        case u'\n':
            result += "\\n";
            break;
        case u'\r':
            result += "\\r";
            break;
        case u'\t':
            result += "\\t";
            break;
        case u'\v':
            result += "\\v";
            break;
        case u'"':
        case u'\\':
            result += '\\';
            result += static_cast<char>(ch);
            break;
        default:
            if (ch <= kLastControl) {
                result += "\\x" + QByteArray::number(ch, kHexBase);
                escapeNextIfHexDigit = true;
            } else {
                result += static_cast<char>(ch);
            }
        }
    }
    flushUtf8(value.size());
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' ')) {
        result.prepend('"');
        result += '"';
    }
    return result;
}

std::optional<QString> UnescapeText(QByteArrayView escaped) {
    const UnescapedValue value = UnescapeValue(escaped);
    if (value.isList)
        return std::nullopt;
    const QString& text = value.text;
    if (!text.startsWith(u'@'))
        return text;
    if (text.endsWith(u')')) {
        if (text.startsWith(QLatin1String("@String(")))
            return text.sliced(8).chopped(1);
        if (text.startsWith(QLatin1String("@ByteArray(")) ||
            text.startsWith(QLatin1String("@Variant(")) ||
            text.startsWith(QLatin1String("@DateTime(")))
            return std::nullopt;
        if (text.startsWith(QLatin1String("@Rect(")) && ArgumentCount(text, 5) == 4)
            return std::nullopt;
        if ((text.startsWith(QLatin1String("@Size(")) ||
             text.startsWith(QLatin1String("@Point("))) &&
            ArgumentCount(text, text.indexOf(u'(')) == 2)
            return std::nullopt;
        if (text == QLatin1String("@Invalid()"))
            return std::nullopt;
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    return text;
}

} // namespace tessavundo::ini_text
