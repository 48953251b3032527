// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The four channel readers on any bytes with any of the locale's decimal separators: each reads
// the same number, the rounded readers fail exactly outside their ranges, and the hex digits
// read back as the number.
#include "core/color_readers.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

using namespace tessavundo;
using tessavundo::fuzzing::Require;

namespace {

bool InRange(double value, double lowest, double highest) {
    return value >= lowest && value <= highest;
}

void CheckHexDigits(const std::string& digits, double rounded) {
    Require(digits.size() >= 2, "hex digits have at least two digits");
    Require(digits.size() == 2 || digits[0] != '0', "hex digits have no needless leading zero");
    Require(digits.find_first_not_of("0123456789ABCDEF") == std::string::npos,
            "hex digits are uppercase hexadecimal");
    Require(static_cast<double>(std::strtoll(digits.c_str(), nullptr, 16)) == rounded,
            "hex digits read back as the rounded number");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [separator, text] = fuzzing::TakeSeparator(data, size);

    const auto number = ChannelNumber(text, separator);
    const auto byte = ChannelByte(text, separator);
    const auto integer = ChannelInteger(text, separator);
    const auto hex = ChannelHexDigits(text, separator);

    // Blanks around a channel text never change what it reads as.
    const std::string padded = " \t" + std::string(text) + "\t ";
    Require(ChannelNumber(padded, separator) == number, "surrounding blanks change nothing");

    if (!number) {
        Require(!byte && !integer && !hex, "no rounded reading without a number");
        return 0;
    }
    Require(std::isfinite(*number), "a channel number is finite");
    if (separator == ".") {
        // The C library reads the same plain decimal with the same correct rounding.
        const std::string plain(text);
        Require(std::strtod(plain.c_str(), nullptr) == *number, "the number is what strtod reads");
    }

    const double rounded = std::nearbyint(*number);
    Require(byte.has_value() == InRange(rounded, 0, 255), "ChannelByte fails just outside 0..255");
    if (byte)
        Require(*byte == rounded, "ChannelByte gives the number rounded halves to even");
    Require(integer.has_value() == InRange(rounded, std::numeric_limits<std::int16_t>::min(),
                                           std::numeric_limits<std::int16_t>::max()),
            "ChannelInteger fails just outside the 16-bit range");
    if (integer)
        Require(*integer == rounded, "ChannelInteger gives the number rounded halves to even");
    Require(hex.has_value() == InRange(rounded, 0, std::numeric_limits<std::int32_t>::max()),
            "ChannelHexDigits fails for a negative or too large number");
    if (hex)
        CheckHexDigits(*hex, rounded);
    return 0;
}
