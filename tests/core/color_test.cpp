// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/color.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

namespace tessavundo {
namespace {

struct SplitCase {
    const char* name;
    PackedColor color;
    const char* rgbText;
    const char* hexText;
};

class SplitAndFormat : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitAndFormat, WritesBothNotations) {
    const ChannelTriple channels = SplitColor(GetParam().color);
    EXPECT_EQ(FormatRgbText(channels), GetParam().rgbText);
    EXPECT_EQ(FormatHexText(channels), GetParam().hexText);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, SplitAndFormat,
    testing::Values(SplitCase{"black", 0, "rgb(0,0,0)", "#000000"},
                    SplitCase{"white", 0xFFFFFF, "rgb(255,255,255)", "#FFFFFF"},
                    SplitCase{"minus_one", -1, "rgb(255,0,0)", "#FF0000"},
                    SplitCase{"green_half", 128 * 256 + 64 * 65536, "rgb(0,128,64)", "#008040"},
                    SplitCase{"small_values", 10 + 11 * 256 + 12 * 65536, "rgb(10,11,12)",
                              "#0A0B0C"},
                    // Truncating division: -65536 / 256 is -256, whose
                    // low byte is 0, and -65536 / 65536 is -1.
                    SplitCase{"system_color_like", -65536, "rgb(0,0,255)", "#0000FF"}),
    RowName());

TEST(FormatHexText, PadsEachChannelToTwoDigits) {
    EXPECT_EQ(FormatHexText({0, 9, 10}), "#00090A");
    EXPECT_EQ(FormatHexText({15, 16, 255}), "#0F10FF");
}

TEST(FormatHexText, KeepsEveryDigitAboveByteRange) {
    EXPECT_EQ(FormatHexText({256, 0, 0}), "#1000000");
}

TEST(PackColor, CombinesChannelsLowestFirst) {
    EXPECT_EQ(PackColor(1, 2, 3), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(PackColor(255, 255, 255), 0xFFFFFF);
}

TEST(PackColor, CountsChannelsAboveByteRangeAs255) {
    EXPECT_EQ(PackColor(300, 0, 0), PackColor(255, 0, 0));
    EXPECT_EQ(PackColor(0, 32767, 256), 255 * 256 + 255 * 65536);
}

TEST(PackColor, FailsForNegativeChannel) {
    EXPECT_FALSE(PackColor(-1, 0, 0));
    EXPECT_FALSE(PackColor(0, -1, 0));
    EXPECT_FALSE(PackColor(0, 0, -32768));
}

TEST(SplitColor, UndoesPackColorForEveryChannelValue) {
    for (std::int16_t value = 0; value <= 255; ++value) {
        const ChannelTriple channels{value, static_cast<std::int16_t>(255 - value), value};
        EXPECT_EQ(SplitColor(*PackColor(channels.red, channels.green, channels.blue)), channels);
    }
}

} // namespace
} // namespace tessavundo
