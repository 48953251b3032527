// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/hue_scale.h"
#include "tests/support/row_name.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tessavundo {
namespace {

struct PureCase {
    const char* name;
    int position;
    ChannelTriple color;
};

class PureHue : public testing::TestWithParam<PureCase> {};

TEST_P(PureHue, MatchesScale) {
    EXPECT_EQ(PureHueColor(GetParam().position), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PureHue,
    testing::Values(
        PureCase{"top_red", 0, {255, 0, 0}}, PureCase{"bottom_red", 1535, {255, 0, 0}},
        PureCase{"magenta_end", 255, {255, 0, 255}}, PureCase{"magenta_start", 256, {255, 0, 255}},
        PureCase{"blue_end", 511, {0, 0, 255}}, PureCase{"blue_start", 512, {0, 0, 255}},
        PureCase{"cyan_end", 767, {0, 255, 255}}, PureCase{"cyan_start", 768, {0, 255, 255}},
        PureCase{"green_end", 1023, {0, 255, 0}}, PureCase{"green_start", 1024, {0, 255, 0}},
        PureCase{"yellow_end", 1279, {255, 255, 0}}, PureCase{"yellow_start", 1280, {255, 255, 0}},
        PureCase{"segment_0_middle", 128, {255, 0, 128}},
        PureCase{"segment_1_middle", 300, {211, 0, 255}},
        PureCase{"segment_2_middle", 640, {0, 128, 255}},
        PureCase{"segment_3_middle", 900, {0, 255, 123}},
        PureCase{"segment_4_middle", 1100, {76, 255, 0}},
        PureCase{"segment_5_middle", 1408, {255, 127, 0}}, PureCase{"below_scale", -5, {255, 0, 0}},
        PureCase{"above_scale", 2000, {255, 0, 0}}),
    RowName());

TEST(PureHueColor, NeighboursDifferByOneStepInOneChannel) {
    for (int p = 1; p < kHuePositionCount; ++p) {
        const ChannelTriple a = PureHueColor(p - 1);
        const ChannelTriple b = PureHueColor(p);
        const int steps =
            std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
        EXPECT_LE(steps, 1) << "position " << p;
    }
}

struct SegmentCase {
    const char* name;
    float position;
    std::optional<int> segment;
};

class Segment : public testing::TestWithParam<SegmentCase> {};

TEST_P(Segment, FirstHoldingTestDecides) {
    EXPECT_EQ(HueSegment(GetParam().position), GetParam().segment);
}

constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Positions, Segment,
    testing::Values(SegmentCase{"minus_infinity", -kInfinity, 0}, SegmentCase{"negative", -200, 0},
                    SegmentCase{"zero", 0, 0}, SegmentCase{"p255", 255, 0},
                    SegmentCase{"p255_5", 255.5f, 0}, SegmentCase{"p256", 256, 1},
                    SegmentCase{"p511", 511, 1}, SegmentCase{"p511_5", 511.5f, 1},
                    SegmentCase{"p512", 512, 2}, SegmentCase{"p767_5", 767.5f, 2},
                    SegmentCase{"p768", 768, 3}, SegmentCase{"p1023_5", 1023.5f, 3},
                    SegmentCase{"p1024", 1024, 4}, SegmentCase{"p1279_5", 1279.5f, 4},
                    SegmentCase{"p1280", 1280, 5}, SegmentCase{"p1535_5", 1535.5f, 5},
                    SegmentCase{"p1536", 1536, std::nullopt},
                    SegmentCase{"infinity", kInfinity, std::nullopt},
                    SegmentCase{"nan", std::numeric_limits<float>::quiet_NaN(), std::nullopt}),
    RowName());

} // namespace
} // namespace tessavundo
