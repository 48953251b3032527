// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/locate.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

namespace tessavundo {
namespace {

PackedColor Packed(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

struct LocateCase {
    const char* name;
    const char* text;
    std::optional<float> huePosition;
    float markerLeft;
    float markerTop;
    PackedColor preview;
    PackedColor border;
    const char* decimalSeparator = ".";
};

class Locate : public testing::TestWithParam<LocateCase> {};

TEST_P(Locate, PlacesPickerOnColor) {
    const LocateCase& example = GetParam();
    const auto location = LocateColor(example.text, example.decimalSeparator);
    ASSERT_TRUE(location);
    ASSERT_EQ(location->huePosition.has_value(), example.huePosition.has_value());
    EXPECT_FLOAT_EQ(location->huePosition.value_or(0), example.huePosition.value_or(0));
    EXPECT_EQ(location->markerLeft, example.markerLeft);
    EXPECT_EQ(location->markerTop, example.markerTop);
    EXPECT_EQ(location->preview, example.preview);
    EXPECT_EQ(location->border, example.border);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, Locate,
    testing::Values(
        LocateCase{"red", "rgb(255,0,0)", 0.0f, 253, -2, Packed(255, 0, 0), Packed(0, 255, 255)},
        LocateCase{"no_brackets", "255,0,0", 0.0f, 253, -2, Packed(255, 0, 0), Packed(0, 255, 255)},
        LocateCase{"white", "rgb(255,255,255)", std::nullopt, -2, -2, kWhite, 0},
        LocateCase{"black", "rgb(0,0,0)", std::nullopt, -2, 253, 0, kWhite},
        LocateCase{"mid_gray", "rgb(128,128,128)", std::nullopt, -2, 125, Packed(128, 128, 128),
                   Packed(127, 127, 127)},
        LocateCase{"case_5", "rgb(200,100,50)", 1449.6666f, 189, 53, Packed(200, 100, 50),
                   Packed(55, 155, 205)},
        LocateCase{"case_2", "rgb(10,20,30)", 640.0f, 168, 223, Packed(10, 20, 30),
                   Packed(245, 235, 225)},
        LocateCase{"near_white_red", "rgb(255,254,254)", 0.0f, -1, -2, Packed(255, 254, 254),
                   Packed(0, 1, 1)},
        LocateCase{"case_0_just_past_red", "rgb(255,0,1)", 1.0039216f, 253, -2, Packed(255, 0, 1),
                   Packed(0, 255, 254)},
        LocateCase{"case_5_just_before_red", "rgb(255,1,0)", 1533.9961f, 253, -2, Packed(255, 1, 0),
                   Packed(0, 254, 255)},
        LocateCase{"scale_256_segment_0", "rgb(255,0,128)", 128.50197f, 253, -2,
                   Packed(255, 0, 128), Packed(0, 255, 127)},
        LocateCase{"scale_256_segment_1", "rgb(1,0,255)", 509.99606f, 253, -2, Packed(1, 0, 255),
                   Packed(254, 255, 0)},
        LocateCase{"magenta", "rgb(255,0,255)", 255.0f, 253, -2, Packed(255, 0, 255),
                   Packed(0, 255, 0)},
        LocateCase{"blue", "rgb(0,0,255)", 512.0f, 253, -2, Packed(0, 0, 255), Packed(255, 255, 0)},
        LocateCase{"cyan", "rgb(0,255,255)", 767.0f, 253, -2, Packed(0, 255, 255),
                   Packed(255, 0, 0)},
        LocateCase{"green", "rgb(0,255,0)", 1024.0f, 253, -2, Packed(0, 255, 0),
                   Packed(255, 0, 255)},
        LocateCase{"yellow", "rgb(255,255,0)", 1279.0f, 253, -2, Packed(255, 255, 0),
                   Packed(0, 0, 255)},
        LocateCase{"tie_red_blue_over_green", "rgb(200,100,200)", 255.0f, 125, 53,
                   Packed(200, 100, 200), Packed(55, 155, 55)},
        LocateCase{"tie_green_blue_over_red", "rgb(100,200,200)", 767.0f, 125, 53,
                   Packed(100, 200, 200), Packed(155, 55, 55)},
        LocateCase{"tie_red_green_over_blue", "rgb(200,200,100)", 1279.0f, 125, 53,
                   Packed(200, 200, 100), Packed(55, 55, 155)},
        LocateCase{"tie_blue_over_red_green", "rgb(100,100,200)", 512.0f, 125, 53,
                   Packed(100, 100, 200), Packed(155, 155, 55)},
        LocateCase{"tie_green_over_red_blue", "rgb(100,200,100)", 1024.0f, 125, 53,
                   Packed(100, 200, 100), Packed(155, 55, 155)},
        LocateCase{"case_1", "rgb(150,50,250)", 383.0f, 202, 3, Packed(150, 50, 250),
                   Packed(105, 205, 5)},
        LocateCase{"case_3", "rgb(50,250,150)", 895.0f, 202, 3, Packed(50, 250, 150),
                   Packed(205, 5, 105)},
        LocateCase{"case_4", "rgb(150,250,50)", 1152.0f, 202, 3, Packed(150, 250, 50),
                   Packed(105, 5, 205)},
        // Compared as R = 12, computed with r = 12.5; 255 - 12.5 rounds to the even 242.
        LocateCase{"fractional_channel", "rgb(12.5,0,0)", 0.0f, 253, 240.5f, Packed(12, 0, 0),
                   Packed(242, 255, 255)},
        LocateCase{"comma_separator", "rgb(12,5,0,0)", 1428.3334f, 253, 241, Packed(12, 5, 0),
                   Packed(243, 250, 255), ","},
        LocateCase{"comma_separator_blanks", "( 12 , 5 , 0 )", 1428.3334f, 253, 241,
                   Packed(12, 5, 0), Packed(243, 250, 255), ","},
        // Off-field points of fractional channels are pulled back to the field's edge.
        LocateCase{"left_clamped", "rgb(1,-0.49,0)", 84.187920f, 253, 252, Packed(1, 0, 0),
                   Packed(254, 255, 255)},
        LocateCase{"top_clamped", "rgb(255.4,0,0)", 0.0f, 253, -2, Packed(255, 0, 0),
                   Packed(0, 255, 255)},
        LocateCase{"gray_top_clamped", "rgb(255.4,255,255)", std::nullopt, -2, -2, kWhite, 0},
        // A gray's row comes from the exact red channel, not from the rounded byte.
        LocateCase{"gray_fractional", "rgb(100.4,100,100)", std::nullopt, -2, 152.6f,
                   Packed(100, 100, 100), Packed(155, 155, 155)},
        LocateCase{"gray_bottom_clamped", "rgb(-0.5,0,0)", std::nullopt, -2, 253, 0, kWhite}),
    RowName());

struct RejectedCase {
    const char* name;
    const char* text;
};

class LocateRejects : public testing::TestWithParam<RejectedCase> {};

TEST_P(LocateRejects, GivesNoLocation) {
    EXPECT_FALSE(LocateColor(GetParam().text, "."));
}

INSTANTIATE_TEST_SUITE_P(Texts, LocateRejects,
                         testing::Values(RejectedCase{"above_byte", "rgb(256,0,0)"},
                                         RejectedCase{"rounds_above_byte", "rgb(0,255.5,0)"},
                                         RejectedCase{"negative", "rgb(-1,0,0)"},
                                         RejectedCase{"two_channels", "rgb(1,2)"},
                                         RejectedCase{"not_a_number", "rgb(a,0,0)"},
                                         RejectedCase{"empty_channel", "rgb(1,,3)"},
                                         RejectedCase{"empty_text", ""},
                                         RejectedCase{"brackets_only", "rgb()"},
                                         RejectedCase{"exponent", "rgb(1e2,0,0)"}),
                         RowName());

TEST(LocateColor, IgnoresChannelsAfterThird) {
    EXPECT_EQ(LocateColor("rgb(10,20,30,junk)", ".")->huePosition, 640.0f);
}

// The preview takes the rounded channels; the marker's outline complements the exact ones,
// rounded halves to even: 255 - 200.4 = 54.6 gives 55, where cutting off the fraction gave 54.
TEST(LocateColor, OutlineComplementsTheExactChannels) {
    const auto location = LocateColor("rgb(200.4,100,50.5)", ".");
    ASSERT_TRUE(location);
    EXPECT_EQ(location->preview, PackBytes(200, 100, 50));
    EXPECT_EQ(location->border, PackBytes(55, 155, 204));
}

TEST(LocateColor, KeepsEveryWholeColorMarkerOnField) {
    for (int red = 0; red < 256; red += 5) {
        for (int green = 0; green < 256; green += 5) {
            for (int blue = 0; blue < 256; blue += 17) {
                const std::string text = "rgb(" + std::to_string(red) + "," +
                                         std::to_string(green) + "," + std::to_string(blue) + ")";
                const auto location = LocateColor(text, ".");
                ASSERT_TRUE(location) << text;
                ASSERT_GE(location->markerLeft, -2) << text;
                ASSERT_LE(location->markerLeft, 253) << text;
                ASSERT_GE(location->markerTop, -2) << text;
                ASSERT_LE(location->markerTop, 253) << text;
                if (location->huePosition) {
                    ASSERT_GE(*location->huePosition, 0) << text;
                    ASSERT_LT(*location->huePosition, 1536) << text;
                }
            }
        }
    }
}

} // namespace
} // namespace tessavundo
