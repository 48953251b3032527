// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/unit_channels.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>
#include <limits>

namespace tessavundo {
namespace {

struct UnitCase {
    const char* name;
    double red;
    double green;
    double blue;
    PackedColor packed;
};

class PackUnitChannelsTest : public testing::TestWithParam<UnitCase> {};

TEST_P(PackUnitChannelsTest, GivesTheNearestByteOfEachChannel) {
    const UnitCase& row = GetParam();
    EXPECT_EQ(PackUnitChannels(row.red, row.green, row.blue), row.packed);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, PackUnitChannelsTest,
    testing::Values(UnitCase{"black", 0, 0, 0, 0}, UnitCase{"white", 1, 1, 1, 0xFFFFFF},
                    UnitCase{"channels_in_their_places", 1, 0.2, 0.6, 255 + 51 * 256 + 153 * 65536},
                    // 254.745, 126.99 and 128.01: truncation would give 254, 126 and 128.
                    UnitCase{"nearest_not_truncated", 0.999, 0.498, 0.502,
                             255 + 127 * 256 + 128 * 65536},
                    UnitCase{"half_way", 0.5, 0.5, 0.5, 128 + 128 * 256 + 128 * 65536},
                    UnitCase{"just_outside_the_range", 1.0000001, -0.0000001, 1, 255 + 255 * 65536},
                    UnitCase{"far_outside_the_range", 7, -3, 0, 255}),
    RowName());

TEST(PackUnitChannels, AChannelThatIsNoNumberGivesNoColor) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(PackUnitChannels(nan, 0, 0), std::nullopt);
    EXPECT_EQ(PackUnitChannels(0, infinity, 0), std::nullopt);
    EXPECT_EQ(PackUnitChannels(0, 0, -infinity), std::nullopt);
}

} // namespace
} // namespace tessavundo
