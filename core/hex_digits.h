// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace tessavundo {

// Uppercase hexadecimal without leading zeros, padded to at least two digits.
inline std::string HexDigits(std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char digits[8];
    char* const end = digits + sizeof digits;
    char* first = end;
    do {
        *--first = kDigits[value % 16];
        value /= 16;
    } while (value != 0);
    if (end - first == 1)
        *--first = '0';
    return std::string(first, end);
}

} // namespace tessavundo
