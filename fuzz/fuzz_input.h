// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessavundo::fuzzing {

// Decimal separators the user's locale can give: the two common ones and a multi-byte one
// (U+066B, the Arabic decimal separator, in UTF-8).
inline constexpr std::string_view kSeparators[] = {".", ",", "\xD9\xAB"};

// The first byte of the input picks the separator; the rest is the text.
struct SeparatedText {
    std::string_view separator;
    std::string_view text;
};

inline SeparatedText TakeSeparator(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return {kSeparators[0], {}};
    const auto* chars = reinterpret_cast<const char*>(data);
    return {kSeparators[data[0] % std::size(kSeparators)], std::string_view(chars + 1, size - 1)};
}

} // namespace tessavundo::fuzzing
