// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/color_readers.h"

#include "core/hex_digits.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tessavundo {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The channel rounded halves to even, if that lies within lowest..highest.
std::optional<double> RoundedChannel(std::string_view channel, std::string_view decimalSeparator,
                                     double lowest, double highest) {
    const auto number = ChannelNumber(channel, decimalSeparator);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (!(rounded >= lowest && rounded <= highest))
        return std::nullopt;
    return rounded;
}

std::optional<std::uint8_t> HexDigitValue(char c) {
    if (IsDigit(c))
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    return std::nullopt;
}

std::optional<std::int16_t> HexPairValue(std::string_view pair) {
    if (pair.empty())
        return std::nullopt;
    std::int16_t value = 0;
    for (const char c : pair) {
        const auto digit = HexDigitValue(c);
        if (!digit)
            return std::nullopt;
        value = static_cast<std::int16_t>(value * 16 + *digit);
    }
    return value;
}

// Bytes taken by the UTF-8 character at the start of `text`; a malformed sequence counts
// only as far as its continuation bytes go.
std::size_t FirstCharacterLength(std::string_view text) {
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t length = 1;
    while (length < expected && length < text.size() &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

} // namespace

std::vector<std::string_view> ReadRgbChannels(std::string_view text) {
    std::string_view inner = text;
    if (const auto open = text.find('('); open != std::string_view::npos) {
        inner = text.substr(open + 1);
        inner = inner.substr(0, inner.find('('));
    }
    inner = inner.substr(0, inner.find(')'));

    std::vector<std::string_view> channels;
    if (inner.empty())
        return channels;
    for (;;) {
        const auto comma = inner.find(',');
        channels.push_back(inner.substr(0, comma));
        if (comma == std::string_view::npos)
            return channels;
        inner.remove_prefix(comma + 1);
    }
}

std::optional<double> ChannelNumber(std::string_view channel, std::string_view decimalSeparator) {
    const std::string_view text = TrimBlanks(channel);

    // Checked here by hand and then handed over in from_chars' own form ('.' as the point,
    // no '+'), because from_chars alone would also take exponents and stop at junk.
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    bool hasDigit = false;
    bool hasSeparator = false;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            plain += text[i];
            hasDigit = true;
            ++i;
        } else if (!hasSeparator && !decimalSeparator.empty() &&
                   text.substr(i).starts_with(decimalSeparator)) {
            plain += '.';
            hasSeparator = true;
            i += decimalSeparator.size();
        } else {
            return std::nullopt;
        }
    }
    if (!hasDigit)
        return std::nullopt;

    double value = 0;
    const char* const end = plain.data() + plain.size();
    const auto [stop, error] = std::from_chars(plain.data(), end, value, std::chars_format::fixed);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> ChannelByte(std::string_view channel,
                                        std::string_view decimalSeparator) {
    const auto value = RoundedChannel(channel, decimalSeparator, 0, 255);
    if (!value)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<std::int16_t> ChannelInteger(std::string_view channel,
                                           std::string_view decimalSeparator) {
    const auto value =
        RoundedChannel(channel, decimalSeparator, std::numeric_limits<std::int16_t>::min(),
                       std::numeric_limits<std::int16_t>::max());
    if (!value)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<std::string> ChannelHexDigits(std::string_view channel,
                                            std::string_view decimalSeparator) {
    const auto value =
        RoundedChannel(channel, decimalSeparator, 0, std::numeric_limits<std::int32_t>::max());
    if (!value)
        return std::nullopt;
    return HexDigits(static_cast<std::uint32_t>(*value));
}

std::optional<ChannelTriple> ReadHexChannels(std::string_view text) {
    // A non-ASCII byte inside the pairs is no hex digit, so counting the pairs in bytes
    // fails exactly where counting them in characters would.
    const std::string_view digits = text.substr(FirstCharacterLength(text));
    const auto pair = [digits](std::size_t index) {
        return HexPairValue(index < digits.size() ? digits.substr(index, 2) : std::string_view{});
    };
    const auto red = pair(0);
    const auto green = pair(2);
    const auto blue = pair(4);
    if (!red || !green || !blue)
        return std::nullopt;
    return ChannelTriple{*red, *green, *blue};
}

} // namespace tessavundo
