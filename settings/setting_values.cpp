// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "settings/setting_values.h"

#include "core/color_readers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tessavundo {

std::optional<std::int32_t> ReadInteger32Setting(std::string_view text,
                                                 std::string_view decimalSeparator) {
    const auto number = ChannelNumber(text, decimalSeparator);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<float> ReadSingleSetting(std::string_view text, std::string_view decimalSeparator) {
    const auto number = ChannelNumber(text, decimalSeparator);
    if (!number || std::abs(*number) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*number);
}

std::string FormatInteger32Setting(std::int32_t value) {
    return std::to_string(value);
}

std::string FormatSingleSetting(float value, std::string_view decimalSeparator) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

} // namespace tessavundo
