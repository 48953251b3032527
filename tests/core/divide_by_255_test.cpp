// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The division-free quotient against the hardware division, bit for bit, where a quotient is
// hardest to round: next to the multiples of 255 (where the stored floor steps) and as close to
// a rounding midpoint as a quotient by 255 can come.
#include "core/divide_by_255.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace tessavundo {
namespace {

void ExpectCorrectlyRounded(double f) {
    const double quotient = f / 255;
    const double computed = DivideBy255(f);
    if (std::isnan(quotient)) {
        ASSERT_TRUE(std::isnan(computed)) << std::hexfloat << f;
    } else {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(computed), std::bit_cast<std::uint64_t>(quotient))
            << "f = " << std::hexfloat << f << ": " << computed << " instead of " << quotient;
    }
}

TEST(DivideBy255, ReciprocalPartsAreNearestDoubles) {
    // 255 times the high part is 1 - 2^-56, so the low part is exactly 2^-56 times the high.
    EXPECT_EQ(std::fma(255.0, kReciprocalOf255High, -1.0), -0x1p-56);
    EXPECT_EQ(kReciprocalOf255Low, 0x1p-56 * kReciprocalOf255High);
}

TEST(DivideBy255, IsExactNearEveryMultipleOf255) {
    for (int multiple = 0; multiple <= 256; ++multiple) {
        const double exact = 255.0 * multiple;
        double below = exact;
        double above = exact;
        ExpectCorrectlyRounded(exact);
        ExpectCorrectlyRounded(-exact);
        for (int step = 0; step < 1000; ++step) {
            below = std::nextafter(below, -1e9);
            above = std::nextafter(above, 1e9);
            ExpectCorrectlyRounded(below);
            ExpectCorrectlyRounded(above);
        }
    }
}

// f = F * 2^(k - 45) with F = N (mod 255) for a small odd N puts f / 255 (between 2^k and
// 2^(k + 1)) exactly N * 2^(k - 53) / 255 from a rounding midpoint: as close to one as a
// quotient by 255 comes. The reciprocal's high part alone rounds many of these the wrong way.
TEST(DivideBy255, IsExactNextToRoundingMidpoints) {
    std::mt19937_64 generator(3);
    constexpr std::int64_t kLowest = 255LL << 45;
    constexpr std::int64_t kHighest = (1LL << 53) - 1;
    std::uniform_int_distribution<std::int64_t> significands(kLowest, kHighest - 255);
    for (int exponent = -45; exponent <= 7; ++exponent) {
        for (int n = -63; n <= 63; n += 2) {
            for (int i = 0; i < 100; ++i) {
                std::int64_t significand = significands(generator);
                significand += ((n - significand) % 255 + 255) % 255;
                const double f = std::ldexp(static_cast<double>(significand), exponent - 45);
                ExpectCorrectlyRounded(f);
                ExpectCorrectlyRounded(-f);
            }
        }
    }
}

TEST(DivideBy255, IsExactAcrossTheRangeOfMidShades) {
    std::mt19937_64 generator(5);
    std::uniform_real_distribution<double> dividends(0.0, 255.0 * 256);
    for (int i = 0; i < 1000000; ++i)
        ExpectCorrectlyRounded(dividends(generator));
}

TEST(DivideBy255, KeepsSignsInfinitiesAndNaN) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (const double f : {0.0, -0.0, kInfinity, -kInfinity, 1e300, -1e300,
                           std::numeric_limits<double>::quiet_NaN()})
        ExpectCorrectlyRounded(f);
}

} // namespace
} // namespace tessavundo
