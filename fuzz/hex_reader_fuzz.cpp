// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The hex reader on any bytes: it fails or gives three values 0..255, ignores case and
// whatever follows the three pairs, and reads its own notation back.
#include "core/color.h"
#include "core/color_readers.h"
#include "fuzz/fuzz_check.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tessavundo;
using tessavundo::fuzzing::Require;

namespace {

bool IsByte(std::int16_t channel) {
    return channel >= 0 && channel <= 255;
}

std::string AsciiLowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto channels = ReadHexChannels(text);

    // The first character is dropped unseen; after a plain ASCII one the pairs are the next
    // six bytes, which lowercasing or cutting off the rest of the text must leave as they read.
    if (!text.empty() && static_cast<unsigned char>(text[0]) < 0x80) {
        std::string lowered = AsciiLowercase(text);
        lowered[0] = text[0];
        Require(ReadHexChannels(lowered) == channels, "the case of the hex digits does not matter");
        Require(ReadHexChannels(text.substr(0, 7)) == channels,
                "text after the third pair is ignored");
    }
    if (!channels)
        return 0;

    Require(IsByte(channels->red) && IsByte(channels->green) && IsByte(channels->blue),
            "every channel read from hex text is a byte");
    const std::string canonical = FormatHexText(*channels);
    Require(canonical.size() == 7, "the hex notation of bytes has seven characters");
    Require(ReadHexChannels(canonical) == channels, "the hex notation reads back as itself");
    return 0;
}
