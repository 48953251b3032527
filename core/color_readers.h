// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Readers of typed color text. Text is UTF-8. The decimal separator is the user's locale's
// (for example "." or ","), passed in so that this code stays free of any toolkit.
//
// A channel text is a number when it holds, in this order: optional blanks (space or tab), an
// optional sign directly before the number, digits with at most one decimal separator and at
// least one digit in all ("5." and ".5" are numbers), optional blanks. Nothing else is
// accepted: no exponent, group separator, currency sign or radix prefix.
namespace tessavundo {

// Cuts rgb text into its channel texts: the text between the first "(" and the next "(" (or
// the whole text when it has no "("), up to the first ")", split at every ",". The returned
// views point into `text`.
std::vector<std::string_view> ReadRgbChannels(std::string_view text);

// The channel as a double.
std::optional<double> ChannelNumber(std::string_view channel, std::string_view decimalSeparator);

// The channel rounded to the nearest integer, halves to even; fails outside 0..255.
std::optional<std::int16_t> ChannelByte(std::string_view channel,
                                        std::string_view decimalSeparator);

// Rounded like ChannelByte; fails outside the signed 16-bit range.
std::optional<std::int16_t> ChannelInteger(std::string_view channel,
                                           std::string_view decimalSeparator);

// Rounded like ChannelByte, then written as uppercase hexadecimal with at least two digits and
// no upper bound ("300" gives "12C"). Fails for a negative value or one outside the signed
// 32-bit range.
std::optional<std::string> ChannelHexDigits(std::string_view channel,
                                            std::string_view decimalSeparator);

// Reads "#RRGGBB": the first character is dropped unseen, then three pairs of one or two hex
// digits (either case) are read; characters after the sixth are ignored. Fails, yielding
// nothing, when a pair is empty or holds anything but a hex digit.
std::optional<ChannelTriple> ReadHexChannels(std::string_view text);

} // namespace tessavundo
