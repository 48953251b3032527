// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "settings/setting_values.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>
#include <limits>

namespace tessavundo {
namespace {

struct IntegerCase {
    const char* name;
    const char* text;
    const char* separator;
    std::optional<std::int32_t> value;
};

class Integer32SettingRead : public testing::TestWithParam<IntegerCase> {};

TEST_P(Integer32SettingRead, GivesValueOrFails) {
    EXPECT_EQ(ReadInteger32Setting(GetParam().text, GetParam().separator), GetParam().value);
}

constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Texts, Integer32SettingRead,
    testing::Values(
        IntegerCase{"red", "255", ".", 255}, IntegerCase{"blue", "16711680", ".", 16711680},
        IntegerCase{"system_color", "-2147483643", ".", -2147483643},
        IntegerCase{"blanks_around", " 255 ", ".", 255},
        IntegerCase{"tab_around", "\t255\t", ".", 255}, IntegerCase{"plus", "+255", ".", 255},
        IntegerCase{"minus_zero", "-0", ".", 0}, IntegerCase{"leading_zeros", "007", ".", 7},
        IntegerCase{"comma_fraction", "1,5", ",", 2}, IntegerCase{"point_fraction", "1.5", ".", 2},
        IntegerCase{"half_to_even_down", "2.5", ".", 2},
        IntegerCase{"half_to_even_up", "3.5", ".", 4},
        IntegerCase{"negative_half_to_even", "-2.5", ".", -2},
        IntegerCase{"below_half", "2.4999", ".", 2}, IntegerCase{"above_half", "2.5001", ".", 3},
        IntegerCase{"highest", "2147483647", ".", kHighest},
        IntegerCase{"highest_plus_fraction", "2147483647.4", ".", kHighest},
        IntegerCase{"highest_rounded_over", "2147483647.5", ".", std::nullopt},
        IntegerCase{"above_highest", "2147483648", ".", std::nullopt},
        IntegerCase{"lowest", "-2147483648", ".", kLowest},
        IntegerCase{"lowest_half_to_even", "-2147483648.5", ".", kLowest},
        IntegerCase{"below_lowest", "-2147483649", ".", std::nullopt},
        IntegerCase{"twenty_digits", "99999999999999999999", ".", std::nullopt},
        IntegerCase{"exponent", "1e10", ".", std::nullopt},
        IntegerCase{"not_a_number", "NaN", ".", std::nullopt},
        IntegerCase{"infinity", "inf", ".", std::nullopt},
        IntegerCase{"radix_prefix", "0x10", ".", std::nullopt},
        IntegerCase{"other_locales_separator", "1.5", ",", std::nullopt},
        IntegerCase{"group_separator", "1,920", ".", std::nullopt},
        IntegerCase{"empty", "", ".", std::nullopt},
        IntegerCase{"only_blanks", "   ", ".", std::nullopt},
        IntegerCase{"letters", "xyz", ".", std::nullopt},
        IntegerCase{"trailing_junk", "255abc", ".", std::nullopt},
        IntegerCase{"quoted", "\"255\"", ".", std::nullopt}),
    RowName());

struct SingleCase {
    const char* name;
    const char* text;
    const char* separator;
    std::optional<float> value;
};

class SingleSettingRead : public testing::TestWithParam<SingleCase> {};

TEST_P(SingleSettingRead, GivesValueOrFails) {
    EXPECT_EQ(ReadSingleSetting(GetParam().text, GetParam().separator), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, SingleSettingRead,
                         testing::Values(SingleCase{"whole", "1920", ".", 1920.0f},
                                         SingleCase{"negative", "-300", ".", -300.0f},
                                         SingleCase{"blanks_around", " 1500 ", ".", 1500.0f},
                                         SingleCase{"comma_fraction", "1,5", ",", 1.5f},
                                         SingleCase{"kept_unrounded", "2.5", ".", 2.5f},
                                         SingleCase{"twenty_digits", "99999999999999999999", ".",
                                                    1e20f},
                                         SingleCase{"exponent", "1e10", ".", std::nullopt},
                                         SingleCase{"not_a_number", "NaN", ".", std::nullopt},
                                         SingleCase{"radix_prefix", "0x10", ".", std::nullopt},
                                         SingleCase{"group_separator", "1,920", ".", std::nullopt},
                                         SingleCase{"empty", "", ".", std::nullopt}),
                         RowName());

TEST(SingleSettingRange, FailsBeyondWhatASingleHolds) {
    const std::string huge = "1" + std::string(39, '0');
    EXPECT_EQ(ReadSingleSetting(huge, "."), std::nullopt);
    EXPECT_EQ(ReadSingleSetting("-" + huge, "."), std::nullopt);
    EXPECT_EQ(ReadSingleSetting("3" + std::string(38, '0'), "."), 3e38f);
}

TEST(Integer32SettingFormat, IsPlainSignedDecimal) {
    EXPECT_EQ(FormatInteger32Setting(255), "255");
    EXPECT_EQ(FormatInteger32Setting(16777215), "16777215");
    EXPECT_EQ(FormatInteger32Setting(0), "0");
    EXPECT_EQ(FormatInteger32Setting(-2147483643), "-2147483643");
    EXPECT_EQ(FormatInteger32Setting(kLowest), "-2147483648");
    EXPECT_EQ(FormatInteger32Setting(kHighest), "2147483647");
}

TEST(SingleSettingFormat, WholeTwipsHaveNoSeparatorOfAnyKind) {
    for (const char* separator : {".", ","}) {
        EXPECT_EQ(FormatSingleSetting(1920, separator), "1920");
        EXPECT_EQ(FormatSingleSetting(-300, separator), "-300");
        EXPECT_EQ(FormatSingleSetting(0, separator), "0");
        EXPECT_EQ(FormatSingleSetting(1234567, separator), "1234567");
        EXPECT_EQ(FormatSingleSetting(-1234560, separator), "-1234560");
    }
}

TEST(SingleSettingFormat, FractionUsesTheLocalesSeparator) {
    EXPECT_EQ(FormatSingleSetting(1.5f, "."), "1.5");
    EXPECT_EQ(FormatSingleSetting(1.5f, ","), "1,5");
    EXPECT_EQ(FormatSingleSetting(-7.25f, "\xD9\xAB"), "-7\xD9\xAB"
                                                       "25");
}

TEST(SingleSettingFormat, KeepsAtMostSevenSignificantDigits) {
    EXPECT_EQ(FormatSingleSetting(1.0f / 3.0f, "."), "0.3333333");
    EXPECT_EQ(FormatSingleSetting(1920.125f, "."), "1920.125");
    EXPECT_EQ(FormatSingleSetting(19200.12f, "."), "19200.12");
}

TEST(SingleSettingFormat, ReadsBackAsTheSameValue) {
    for (const float value : {0.0f, 15.0f, -15.0f, 1920.0f, 28785.0f, -300.0f, 1.5f, 86400.0f}) {
        for (const char* separator : {".", ","}) {
            EXPECT_EQ(ReadSingleSetting(FormatSingleSetting(value, separator), separator), value)
                << value << " with " << separator;
        }
    }
}

} // namespace
} // namespace tessavundo
