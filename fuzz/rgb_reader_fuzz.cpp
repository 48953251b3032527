// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The rgb reader on any bytes: the channel texts are consecutive pieces of the typed text,
// separated by single commas, that hold no bracket and no comma.
#include "core/color_readers.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using tessavundo::ReadRgbChannels;
using tessavundo::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto channels = ReadRgbChannels(text);
    if (channels.empty())
        return 0;

    const char* const textEnd = text.data() + text.size();
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const std::string_view channel = channels[i];
        Require(channel.data() >= text.data() && channel.data() + channel.size() <= textEnd,
                "a channel text lies inside the typed text");
        Require(channel.find_first_of("(),") == std::string_view::npos,
                "a channel text holds no bracket and no comma");
        if (i > 0) {
            const std::string_view previous = channels[i - 1];
            Require(previous.data() + previous.size() + 1 == channel.data() &&
                        channel.data()[-1] == ',',
                    "channel texts follow each other, one comma apart");
        }
    }

    const std::size_t firstOpen = text.find('(');
    const std::size_t first = static_cast<std::size_t>(channels.front().data() - text.data());
    Require(firstOpen == std::string_view::npos ? first == 0 : first == firstOpen + 1,
            "the first channel starts after the first '(' or at the start");
    const std::string_view last = channels.back();
    const std::size_t end = static_cast<std::size_t>(last.data() + last.size() - text.data());
    Require(end == text.size() || text[end] == '(' || text[end] == ')',
            "the last channel ends at a bracket or the end of the text");

    // Written back in the rgb notation, the channel texts read back as they were.
    std::string rewritten = "rgb(";
    for (std::size_t i = 0; i < channels.size(); ++i) {
        rewritten += (i == 0 ? "" : ",");
        rewritten += channels[i];
    }
    rewritten += ")";
    const auto reread = ReadRgbChannels(rewritten);
    Require(reread.size() == channels.size(), "rewritten text gives as many channels");
    for (std::size_t i = 0; i < channels.size(); ++i)
        Require(reread[i] == channels[i], "rewritten text gives the same channels");
    return 0;
}
