// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// Root pixels of every X visual layout, widened to 8 bits per channel.
#include "platform/screen/x11_pixel_format.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>
#include <vector>

namespace tessavundo {
namespace {

constexpr PackedColor Rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

X11Visual TrueColor(std::uint8_t depth, int bitsPerPixel, std::uint32_t red, std::uint32_t green,
                    std::uint32_t blue, bool mostSignificantByteFirst = false) {
    return X11Visual{XCB_VISUAL_CLASS_TRUE_COLOR,
                     depth,
                     bitsPerPixel,
                     mostSignificantByteFirst,
                     red,
                     green,
                     blue};
}

X11Visual Indexed(std::uint8_t visualClass, std::uint8_t depth, int bitsPerPixel) {
    return X11Visual{visualClass, depth, bitsPerPixel, false, 0, 0, 0};
}

struct WideningCase {
    const char* name;
    std::uint32_t value;
    int width;
    int expected;
};

class WidenChannelTest : public testing::TestWithParam<WideningCase> {};

TEST_P(WidenChannelTest, RepeatsTheBitsAndKeepsTheTopEight) {
    EXPECT_EQ(WidenChannel(GetParam().value, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, WidenChannelTest,
    testing::Values(
        WideningCase{"five_bit_top", 31, 5, 255}, WideningCase{"five_bit_half", 16, 5, 132},
        WideningCase{"five_bit_zero", 0, 5, 0}, WideningCase{"six_bit_half", 32, 6, 130},
        WideningCase{"six_bit_top", 63, 6, 255}, WideningCase{"one_bit", 1, 1, 255},
        WideningCase{"two_bit", 2, 2, 170}, WideningCase{"three_bit", 4, 3, 146},
        WideningCase{"eight_bit", 0x5A, 8, 0x5A}, WideningCase{"ten_bit_padded_top", 1020, 10, 255},
        WideningCase{"ten_bit_half", 514, 10, 128}, WideningCase{"ten_bit_top", 1023, 10, 255},
        WideningCase{"sixteen_bit", 0x8000, 16, 0x80}),
    RowName());

struct LayoutCase {
    const char* name;
    X11Visual visual;
    std::vector<std::uint8_t> bytes;
    PackedColor expected;
};

class PixelLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(PixelLayoutTest, ReadsTheChannelsByTheirMasks) {
    const LayoutCase& layout = GetParam();
    const auto format = PixelFormatOf(layout.visual);
    ASSERT_TRUE(format.has_value());
    ASSERT_FALSE(format->throughColormap);
    ASSERT_EQ(static_cast<std::size_t>(format->bytesPerPixel), layout.bytes.size());
    EXPECT_EQ(ChannelsColor(*format, PixelValue(*format, layout.bytes.data())), layout.expected);
}

// A root of #FF8000, as the server stores it at each depth: X pads the 8-bit channels with
// zero bits (red 0xFF00, green 0x8000) and keeps the top bits that fit.
INSTANTIATE_TEST_SUITE_P(Layouts, PixelLayoutTest,
                         testing::Values(
                             // Red 31, green 32 of 63: 0xFC00, least significant byte first.
                             LayoutCase{"depth16_rgb565",
                                        TrueColor(16, 16, 0xF800, 0x07E0, 0x001F),
                                        {0x00, 0xFC},
                                        Rgb(0xFF, 0x82, 0x00)},
                             LayoutCase{"depth16_bgr565",
                                        TrueColor(16, 16, 0x001F, 0x07E0, 0xF800),
                                        {0x1F, 0x04},
                                        Rgb(0xFF, 0x82, 0x00)},
                             LayoutCase{"depth16_most_significant_byte_first",
                                        TrueColor(16, 16, 0xF800, 0x07E0, 0x001F, true),
                                        {0xFC, 0x00},
                                        Rgb(0xFF, 0x82, 0x00)},
                             // Red 31, green 16 of 31: 0x7E00; the unused top bit is padding.
                             LayoutCase{"depth15_rgb555",
                                        TrueColor(15, 16, 0x7C00, 0x03E0, 0x001F),
                                        {0x00, 0x7E},
                                        Rgb(0xFF, 0x84, 0x00)},
                             LayoutCase{"depth15_padding_bit_set",
                                        TrueColor(15, 16, 0x7C00, 0x03E0, 0x001F),
                                        {0x00, 0xFE},
                                        Rgb(0xFF, 0x84, 0x00)},
                             LayoutCase{"depth24_in_four_bytes",
                                        TrueColor(24, 32, 0xFF0000, 0x00FF00, 0x0000FF),
                                        {0x00, 0x80, 0xFF, 0x00},
                                        Rgb(0xFF, 0x80, 0x00)},
                             LayoutCase{"depth24_in_three_bytes",
                                        TrueColor(24, 24, 0xFF0000, 0x00FF00, 0x0000FF),
                                        {0x56, 0x34, 0x12},
                                        Rgb(0x12, 0x34, 0x56)},
                             LayoutCase{"depth24_bgr",
                                        TrueColor(24, 32, 0x0000FF, 0x00FF00, 0xFF0000),
                                        {0x12, 0x34, 0x56, 0x00},
                                        Rgb(0x12, 0x34, 0x56)},
                             LayoutCase{"depth24_most_significant_byte_first",
                                        TrueColor(24, 32, 0xFF0000, 0x00FF00, 0x0000FF, true),
                                        {0x00, 0x12, 0x34, 0x56},
                                        Rgb(0x12, 0x34, 0x56)},
                             // Red 1020 of 1023, green 512: 0x3FC80000.
                             LayoutCase{"depth30_rgb101010",
                                        TrueColor(30, 32, 0x3FF00000, 0x000FFC00, 0x000003FF),
                                        {0x00, 0x00, 0xC8, 0x3F},
                                        Rgb(0xFF, 0x80, 0x00)},
                             // Red 0, green 514, blue 1023: 0x00080BFF.
                             LayoutCase{"depth30_other_channels",
                                        TrueColor(30, 32, 0x3FF00000, 0x000FFC00, 0x000003FF),
                                        {0xFF, 0x0B, 0x08, 0x00},
                                        Rgb(0x00, 0x80, 0xFF)},
                             LayoutCase{"depth32_alpha_ignored",
                                        TrueColor(32, 32, 0xFF0000, 0x00FF00, 0x0000FF),
                                        {0x56, 0x34, 0x12, 0xFF},
                                        Rgb(0x12, 0x34, 0x56)},
                             LayoutCase{"direct_color_by_its_masks",
                                        X11Visual{XCB_VISUAL_CLASS_DIRECT_COLOR, 16, 16, false,
                                                  0xF800, 0x07E0, 0x001F},
                                        {0x00, 0xFC},
                                        Rgb(0xFF, 0x82, 0x00)}),
                         RowName());

struct RefusedCase {
    const char* name;
    X11Visual visual;
};

class UnreadableVisualTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(UnreadableVisualTest, IsNoFormat) {
    EXPECT_FALSE(PixelFormatOf(GetParam().visual).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Visuals, UnreadableVisualTest,
    testing::Values(
        RefusedCase{"one_bit_per_pixel", Indexed(XCB_VISUAL_CLASS_STATIC_GRAY, 1, 1)},
        RefusedCase{"four_bits_per_pixel", Indexed(XCB_VISUAL_CLASS_PSEUDO_COLOR, 4, 4)},
        RefusedCase{"no_pixmap_format", TrueColor(24, 0, 0xFF0000, 0x00FF00, 0x0000FF)},
        RefusedCase{"more_than_four_bytes", TrueColor(24, 40, 0xFF0000, 0x00FF00, 0x0000FF)},
        RefusedCase{"depth_above_the_pixel", TrueColor(24, 16, 0xFF0000, 0x00FF00, 0x0000FF)},
        RefusedCase{"empty_mask", TrueColor(16, 16, 0xF800, 0, 0x001F)},
        RefusedCase{"split_mask", TrueColor(16, 16, 0xF0F0, 0x0F00, 0x000F)}),
    RowName());

TEST(ColormapVisual, PixelsAreIndicesCutToTheDepth) {
    const auto format = PixelFormatOf(Indexed(XCB_VISUAL_CLASS_PSEUDO_COLOR, 8, 8));
    ASSERT_TRUE(format.has_value());
    EXPECT_TRUE(format->throughColormap);
    const std::uint8_t byte = 0xAB;
    EXPECT_EQ(PixelValue(*format, &byte), 0xABu);

    const auto gray = PixelFormatOf(Indexed(XCB_VISUAL_CLASS_GRAY_SCALE, 4, 8));
    ASSERT_TRUE(gray.has_value());
    EXPECT_TRUE(gray->throughColormap);
    EXPECT_EQ(PixelValue(*gray, &byte), 0x0Bu);
}

TEST(ColormapVisual, EntriesKeepTheirTopEightBits) {
    // The server widens #FF8000 to 16 bits by repetition, or pads it with zero bits.
    EXPECT_EQ(ColormapEntryColor(0xFFFF, 0x8080, 0x0000), Rgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(ColormapEntryColor(0xFF00, 0x8000, 0x00FF), Rgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(ColormapEntryColor(0x1234, 0x5678, 0x9ABC), Rgb(0x12, 0x56, 0x9A));
}

} // namespace
} // namespace tessavundo
