// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/color_readers.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>
#include <string>

namespace tessavundo {
namespace {

using Channels = std::vector<std::string_view>;

TEST(ReadRgbChannels, TakesTextBetweenBrackets) {
    EXPECT_EQ(ReadRgbChannels("rgb(255,0,0)"), (Channels{"255", "0", "0"}));
    EXPECT_EQ(ReadRgbChannels("hsl(1,2,3)"), (Channels{"1", "2", "3"}));
    EXPECT_EQ(ReadRgbChannels("rgb( 1 , 2 , 3 )"), (Channels{" 1 ", " 2 ", " 3 "}));
}

TEST(ReadRgbChannels, WorksWithoutBrackets) {
    EXPECT_EQ(ReadRgbChannels("255,0,0"), (Channels{"255", "0", "0"}));
    EXPECT_EQ(ReadRgbChannels("(255,0,0"), (Channels{"255", "0", "0"}));
}

TEST(ReadRgbChannels, StopsAtSecondOpeningBracket) {
    EXPECT_EQ(ReadRgbChannels("a(1,2(3,4"), (Channels{"1", "2"}));
}

TEST(ReadRgbChannels, KeepsEveryPieceIncludingEmptyOnes) {
    EXPECT_EQ(ReadRgbChannels("rgb(1,2)"), (Channels{"1", "2"}));
    EXPECT_EQ(ReadRgbChannels("rgb(1,2,3,4)"), (Channels{"1", "2", "3", "4"}));
    EXPECT_EQ(ReadRgbChannels("rgb(1,,3)"), (Channels{"1", "", "3"}));
    EXPECT_EQ(ReadRgbChannels("rgb(,)"), (Channels{"", ""}));
}

TEST(ReadRgbChannels, GivesNothingForEmptyText) {
    for (const char* text : {"", "rgb(", "rgb()", ")1,2,3", "(", "rgb(()"})
        EXPECT_TRUE(ReadRgbChannels(text).empty()) << text;
}

struct NumberCase {
    const char* name;
    const char* text;
    const char* separator;
    std::optional<double> number;
};

class ChannelNumberRead : public testing::TestWithParam<NumberCase> {};

TEST_P(ChannelNumberRead, GivesNumberOrFails) {
    EXPECT_EQ(ChannelNumber(GetParam().text, GetParam().separator), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Texts, ChannelNumberRead,
                         testing::Values(NumberCase{"integer", "12", ".", 12},
                                         NumberCase{"blanks", " \t12 \t", ".", 12},
                                         NumberCase{"plus", "+7", ".", 7},
                                         NumberCase{"minus", "-1", ".", -1},
                                         NumberCase{"point_fraction", "12.5", ".", 12.5},
                                         NumberCase{"comma_fraction", "12,5", ",", 12.5},
                                         NumberCase{"trailing_separator", "5.", ".", 5},
                                         NumberCase{"leading_separator", ".5", ".", 0.5},
                                         NumberCase{"signed_leading_separator", "-,5", ",", -0.5},
                                         NumberCase{"long_separator",
                                                    "1\xD9\xAB"
                                                    "25",
                                                    "\xD9\xAB", 1.25},
                                         NumberCase{"other_separator", "12.5", ",", std::nullopt},
                                         NumberCase{"no_separator_given", "12.5", "", std::nullopt},
                                         NumberCase{"two_separators", "1.2.3", ".", std::nullopt},
                                         NumberCase{"empty", "", ".", std::nullopt},
                                         NumberCase{"only_blanks", "  ", ".", std::nullopt},
                                         NumberCase{"only_sign", "-", ".", std::nullopt},
                                         NumberCase{"only_separator", ".", ".", std::nullopt},
                                         NumberCase{"blank_after_sign", "- 1", ".", std::nullopt},
                                         NumberCase{"blank_inside", "1 2", ".", std::nullopt},
                                         NumberCase{"two_signs", "+-1", ".", std::nullopt},
                                         NumberCase{"exponent", "1e2", ".", std::nullopt},
                                         NumberCase{"radix_prefix", "0x10", ".", std::nullopt},
                                         NumberCase{"group_separator", "1,000", ".", std::nullopt},
                                         NumberCase{"currency", "$5", ".", std::nullopt},
                                         NumberCase{"letters", "a", ".", std::nullopt},
                                         NumberCase{"non_breaking_space",
                                                    "\xC2\xA0"
                                                    "5",
                                                    ".", std::nullopt}),
                         RowName());

TEST(ChannelNumber, FailsBeyondDoubleRange) {
    EXPECT_FALSE(ChannelNumber("1" + std::string(400, '0'), "."));
    EXPECT_TRUE(ChannelNumber("1" + std::string(300, '0'), "."));
}

struct ByteCase {
    const char* name;
    const char* text;
    std::optional<std::int16_t> byte;
};

class ChannelByteRead : public testing::TestWithParam<ByteCase> {};

TEST_P(ChannelByteRead, RoundsHalvesToEvenWithinByteRange) {
    EXPECT_EQ(ChannelByte(GetParam().text, "."), GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChannelByteRead,
    testing::Values(ByteCase{"blanks", " 12 ", 12}, ByteCase{"half_down_to_even", "12.5", 12},
                    ByteCase{"half_up_to_even", "13.5", 14}, ByteCase{"near_top", "255.4", 255},
                    ByteCase{"half_above_top", "255.5", std::nullopt},
                    ByteCase{"minus_one", "-1", std::nullopt},
                    ByteCase{"small_negative_rounds_to_zero", "-0.4", 0},
                    ByteCase{"minus_half_rounds_to_zero", "-0.5", 0},
                    ByteCase{"empty", "", std::nullopt}, ByteCase{"letters", "a", std::nullopt}),
    RowName());

TEST(ChannelByte, UsesGivenSeparator) {
    EXPECT_EQ(ChannelByte("2,5", ","), 2);
    EXPECT_EQ(ChannelByte("3,5", ","), 4);
    EXPECT_FALSE(ChannelByte("2.5", ","));
}

TEST(ChannelInteger, CoversSigned16BitRange) {
    EXPECT_EQ(ChannelInteger("300", "."), 300);
    EXPECT_EQ(ChannelInteger("-32768", "."), -32768);
    EXPECT_EQ(ChannelInteger("32767.4", "."), 32767);
    EXPECT_FALSE(ChannelInteger("32767.5", "."));
    EXPECT_FALSE(ChannelInteger("-32769", "."));
    EXPECT_FALSE(ChannelInteger("x", "."));
}

struct HexDigitsCase {
    const char* name;
    const char* text;
    std::optional<std::string> digits;
};

class ChannelHexDigitsRead : public testing::TestWithParam<HexDigitsCase> {};

TEST_P(ChannelHexDigitsRead, WritesAtLeastTwoUppercaseDigits) {
    EXPECT_EQ(ChannelHexDigits(GetParam().text, "."), GetParam().digits);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChannelHexDigitsRead,
    testing::Values(HexDigitsCase{"zero", "0", "00"}, HexDigitsCase{"nine", "9", "09"},
                    HexDigitsCase{"ten", "10", "0A"}, HexDigitsCase{"fifteen", "15", "0F"},
                    HexDigitsCase{"sixteen", "16", "10"}, HexDigitsCase{"byte_top", "255", "FF"},
                    HexDigitsCase{"above_byte", "256", "100"},
                    HexDigitsCase{"three_hundred", "300", "12C"},
                    HexDigitsCase{"rounded", "2.5", "02"},
                    HexDigitsCase{"int32_top", "2147483647", "7FFFFFFF"},
                    HexDigitsCase{"above_int32", "2147483648", std::nullopt},
                    HexDigitsCase{"negative", "-1", std::nullopt},
                    HexDigitsCase{"negative_rounds_to_zero", "-0.4", "00"},
                    HexDigitsCase{"empty", "", std::nullopt}),
    RowName());

struct HexCase {
    const char* name;
    const char* text;
    std::optional<ChannelTriple> channels;
};

class ReadHexChannelsRead : public testing::TestWithParam<HexCase> {};

TEST_P(ReadHexChannelsRead, ReadsThreePairsAfterFirstCharacter) {
    EXPECT_EQ(ReadHexChannels(GetParam().text), GetParam().channels);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadHexChannelsRead,
    testing::Values(HexCase{"uppercase", "#FF8000", ChannelTriple{255, 128, 0}},
                    HexCase{"lowercase", "#ff8000", ChannelTriple{255, 128, 0}},
                    HexCase{"mixed_case", "#Ff00fF", ChannelTriple{255, 0, 255}},
                    HexCase{"short_last_pair", "#12345", ChannelTriple{18, 52, 5}},
                    HexCase{"extra_ignored", "#FF00001234", ChannelTriple{255, 0, 0}},
                    HexCase{"extra_junk_ignored", "#FF0000 zz", ChannelTriple{255, 0, 0}},
                    HexCase{"no_hash", "FF0000", ChannelTriple{240, 0, 0}},
                    HexCase{"multibyte_first_character",
                            "\xE2\x82\xAC"
                            "0A0B0C",
                            ChannelTriple{10, 11, 12}},
                    HexCase{"empty_third_pair", "#F80", std::nullopt},
                    HexCase{"not_hex", "#GG0000", std::nullopt},
                    HexCase{"bad_last_pair", "#FF00G0", std::nullopt},
                    HexCase{"blank_in_pair", "#F 0000", std::nullopt},
                    HexCase{"blank_after_pair", "#FF00 0", std::nullopt},
                    HexCase{"sign_in_pair", "#-10000", std::nullopt},
                    HexCase{"non_ascii_in_pair",
                            "#FF\xC3\xA9"
                            "00",
                            std::nullopt},
                    HexCase{"only_hash", "#", std::nullopt}, HexCase{"empty", "", std::nullopt}),
    RowName());

} // namespace
} // namespace tessavundo
