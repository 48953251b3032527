// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Stored settings are text. Numbers are read the way typed channel numbers are (blanks around,
// a sign, digits with the user's decimal separator) and rounded halves to even; a text that is
// no number or lies outside the target type fails.
namespace tessavundo {

std::optional<std::int32_t> ReadInteger32Setting(std::string_view text,
                                                 std::string_view decimalSeparator);
std::optional<float> ReadSingleSetting(std::string_view text, std::string_view decimalSeparator);

// Plain decimal: no sign for positive values, no leading zeros, no spaces.
std::string FormatInteger32Setting(std::int32_t value);
// At most seven significant digits, the user's decimal separator, no group separator.
std::string FormatSingleSetting(float value, std::string_view decimalSeparator);

} // namespace tessavundo
