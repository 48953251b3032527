// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/hue_scale.h"
#include "core/shade_field.h"
#include "core/shade_field_reference.h"
#include "tests/core/noise_field.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>
#include <limits>

namespace tessavundo {
namespace {

using Renderer = void (*)(float, ShadeFieldPixels);

struct NamedRenderer {
    const char* name;
    Renderer render;
};

const NamedRenderer kRenderers[] = {{"reference", RenderShadeFieldReference},
                                    {"fast", RenderShadeField}};

struct PixelCase {
    const char* name;
    float position;
    int x;
    int y;
    ChannelTriple color;
};

const PixelCase kPixelCases[] = {
    {"p0_top_left_white", 0, 0, 0, {255, 255, 255}},
    {"p0_top_right_red", 0, 255, 0, {255, 0, 0}},
    {"p0_bottom_left_black", 0, 0, 255, {0, 0, 0}},
    {"p0_bottom_right_black", 0, 255, 255, {0, 0, 0}},
    {"p100_inside", 100, 128, 64, {191, 95, 132}},
    {"segment_0", 100, 100, 50, {205, 124, 156}},
    {"segment_1", 300, 100, 50, {191, 124, 205}},
    {"segment_2", 600, 100, 50, {124, 152, 205}},
    {"segment_3", 900, 100, 50, {124, 205, 163}},
    {"segment_4", 1100, 100, 50, {148, 205, 124}},
    {"segment_5", 1400, 100, 50, {205, 167, 124}},
    // The fixed operation order gives one less than exact arithmetic (113) here.
    {"operation_order", 5, 68, 102, {153, 112, 112}},
    {"p255_top_right", 255, 255, 0, {255, 0, 255}},
    {"p256_top_right", 256, 255, 0, {255, 0, 255}},
    {"p511_top_right", 511, 255, 0, {0, 0, 255}},
    {"p512_top_right", 512, 255, 0, {0, 0, 255}},
    {"p767_top_right", 767, 255, 0, {0, 255, 255}},
    {"p768_top_right", 768, 255, 0, {0, 255, 255}},
    {"p1023_top_right", 1023, 255, 0, {0, 255, 0}},
    {"p1024_top_right", 1024, 255, 0, {0, 255, 0}},
    {"p1279_top_right", 1279, 255, 0, {255, 255, 0}},
    {"p1280_top_right", 1280, 255, 0, {255, 255, 0}},
    {"p1535_top_right", 1535, 255, 0, {255, 0, 0}},
    {"fractional_top_right", 100.5f, 255, 0, {255, 0, 100}},
    {"p511_5_right_column", 511.5f, 255, 100, {0, 0, 155}},
    {"p511_5_top_row", 511.5f, 254, 0, {0, 1, 255}},
    {"minus_200_held_mid", -200, 200, 0, {255, 55, 1}},
    {"minus_200_right_column", -200, 255, 100, {155, 0, 0}},
};

class ShadePixel : public testing::TestWithParam<std::tuple<NamedRenderer, PixelCase>> {};

TEST_P(ShadePixel, HasExpectedColor) {
    const auto& [renderer, example] = GetParam();
    NoiseField field;
    renderer.render(example.position, field.pixels());
    EXPECT_EQ(field.color(example.x, example.y), example.color);
}

INSTANTIATE_TEST_SUITE_P(Examples, ShadePixel,
                         testing::Combine(testing::ValuesIn(kRenderers),
                                          testing::ValuesIn(kPixelCases)),
                         [](const auto& row) {
                             return std::string(std::get<0>(row.param).name) + "_" +
                                    std::get<1>(row.param).name;
                         });

class ShadeRenderer : public testing::TestWithParam<NamedRenderer> {};

TEST_P(ShadeRenderer, LeavesBufferUntouchedOutsideEverySegment) {
    for (const float position : {1536.0f, 2000.0f, 1e30f, std::numeric_limits<float>::infinity(),
                                 std::numeric_limits<float>::quiet_NaN()}) {
        NoiseField field;
        const auto before = field.bytes();
        GetParam().render(position, field.pixels());
        EXPECT_EQ(field.bytes(), before) << "position " << position;
    }
}

TEST_P(ShadeRenderer, KeepsFourthByteOfEveryPixel) {
    NoiseField field;
    const auto before = field.bytes();
    GetParam().render(700, field.pixels());
    for (std::size_t i = 3; i < kShadeFieldBytes; i += 4)
        ASSERT_EQ(field.bytes()[i], before[i]) << "byte " << i;
}

TEST_P(ShadeRenderer, DrawsGrayLeftEdgeAndBlackBottomRow) {
    for (const float position : {0.0f, 333.0f, 1500.25f}) {
        NoiseField field;
        GetParam().render(position, field.pixels());
        for (int i = 0; i < kShadeFieldSize; ++i) {
            const auto gray = static_cast<std::int16_t>(255 - i);
            EXPECT_EQ(field.color(0, i), (ChannelTriple{gray, gray, gray})) << "row " << i;
            EXPECT_EQ(field.color(i, 255), (ChannelTriple{0, 0, 0})) << "column " << i;
        }
    }
}

TEST_P(ShadeRenderer, HalfBelowSegmentStartGivesNoRedInRightColumn) {
    NoiseField field;
    GetParam().render(511.5f, field.pixels());
    for (int y = 0; y < kShadeFieldSize; ++y)
        EXPECT_EQ(field.color(255, y).red, 0) << "row " << y;
}

TEST_P(ShadeRenderer, HoldsLastStoredMidAlongTopRowBelowScale) {
    NoiseField field;
    GetParam().render(-200, field.pixels());
    EXPECT_NE(field.color(141, 0).blue, 1);
    for (int x = 142; x < kShadeFieldSize; ++x)
        EXPECT_EQ(field.color(x, 0).blue, 1) << "column " << x;
}

TEST_P(ShadeRenderer, KeepsDeliveredMidWhenNoMidIsStored) {
    // At minus infinity every mid shade is NaN or negative, so the mid (blue) bytes stay as
    // delivered while the other shades are written.
    NoiseField field;
    const NoiseField delivered;
    GetParam().render(-std::numeric_limits<float>::infinity(), field.pixels());
    for (int y = 0; y < kShadeFieldSize; ++y)
        for (int x = 0; x < kShadeFieldSize; ++x)
            ASSERT_EQ(field.byte(x, y, 0), delivered.byte(x, y, 0)) << x << "," << y;
    EXPECT_EQ(field.byte(0, 0, 2), 255);
    EXPECT_EQ(field.byte(0, 0, 1), 255);
}

INSTANTIATE_TEST_SUITE_P(Renderers, ShadeRenderer, testing::ValuesIn(kRenderers), RowName());

TEST(ShadeFieldReference, TopRightPixelIsPureHueOfEveryWholePosition) {
    NoiseField field;
    for (int p = 0; p < kHuePositionCount; ++p) {
        RenderShadeFieldReference(static_cast<float>(p), field.pixels());
        ASSERT_EQ(field.color(255, 0), PureHueColor(p)) << "position " << p;
    }
}

} // namespace
} // namespace tessavundo
