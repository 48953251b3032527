// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// How far apart two screen colors are for the eye, by the accessibility guidelines' measure.
#include "core/contrast.h"

#include <gtest/gtest.h>

using namespace tessavundo;

namespace {

constexpr ScreenRgb kBlack{0, 0, 0};
constexpr ScreenRgb kWhite{255, 255, 255};

} // namespace

TEST(ContrastTest, RunsFromOneForTheSameColorToTwentyOneForBlackOnWhite) {
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio({90, 143, 216}, {90, 143, 216}), 1.0);
}

// Values the guidelines' own examples and common checkers give.
TEST(ContrastTest, KnownPairs) {
    EXPECT_NEAR(ContrastRatio({118, 118, 118}, kWhite), 4.54, 0.01);
    EXPECT_NEAR(ContrastRatio({255, 0, 0}, kWhite), 4.00, 0.01);
    EXPECT_NEAR(ContrastRatio({0, 0, 255}, kBlack), 2.44, 0.01);
    EXPECT_NEAR(ContrastRatio({48, 140, 198}, {239, 239, 239}), 3.21, 0.01);
}

// Green weighs most for the eye, blue least.
TEST(ContrastTest, LuminanceWeighsTheChannels) {
    EXPECT_NEAR(RelativeLuminance({0, 255, 0}), 0.7152, 1e-12);
    EXPECT_NEAR(RelativeLuminance({255, 0, 0}), 0.2126, 1e-12);
    EXPECT_NEAR(RelativeLuminance({0, 0, 255}), 0.0722, 1e-12);
    EXPECT_DOUBLE_EQ(RelativeLuminance(kWhite), 1.0);
    EXPECT_DOUBLE_EQ(RelativeLuminance(kBlack), 0.0);
    EXPECT_LT(RelativeLuminance({127, 127, 127}), RelativeLuminance({128, 128, 128}));
}

// A channel outside 0..255 counts as the nearest end rather than reaching past white or black.
TEST(ContrastTest, ChannelsOutsideTheirRangeStopAtTheEnds) {
    EXPECT_DOUBLE_EQ(RelativeLuminance({300, 1000, 256}), 1.0);
    EXPECT_DOUBLE_EQ(RelativeLuminance({-1, -255, -70000}), 0.0);
    EXPECT_DOUBLE_EQ(ContrastRatio({-5, -5, -5}, {999, 999, 999}), 21.0);
}
