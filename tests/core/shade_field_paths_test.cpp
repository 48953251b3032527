// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Every instruction-set path of the shade field against the straightforward renderer, and
// their rows' division by 255 where its rounding decides a byte.
#include "core/shade_field_paths.h"
#include "core/shade_field_reference.h"
#include "core/shade_rows.h"
#include "tests/core/noise_field.h"

#include <array>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessavundo {

void PrintTo(ShadeFieldPath path, std::ostream* out) {
    *out << ShadeFieldPathName(path);
}

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
// Under the slowest emulator (qemu's software x87 on i386) the whole and random sweeps take only
// every n-th of their positions, the same ones as a full run; segment starts and ends, the
// boundaries' neighbours and the special values outside the scale are all kept.
constexpr int kSweepStride = TESSAVUNDO_SWEEP_STRIDE;
static_assert(kSweepStride >= 1);

// Every kSweepStride-th of the positions.
std::vector<float> Thinned(const std::vector<float>& positions) {
    std::vector<float> kept;
    for (std::size_t i = 0; i < positions.size(); i += static_cast<std::size_t>(kSweepStride))
        kept.push_back(positions[i]);
    return kept;
}

std::size_t Digest(const NoiseField& field) {
    const auto& bytes = field.bytes();
    return std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// The straightforward renderer is the slow part of these tests; each position is rendered by it
// once and its digest kept for the other paths.
std::size_t ReferenceDigest(float position) {
    static std::unordered_map<std::uint32_t, std::size_t> digests;
    const auto [entry, isNew] = digests.try_emplace(std::bit_cast<std::uint32_t>(position));
    if (isNew) {
        NoiseField reference;
        RenderShadeFieldReference(position, reference.pixels());
        entry->second = Digest(reference);
    }
    return entry->second;
}

class ShadeFieldPathTest : public testing::TestWithParam<ShadeFieldPath> {
protected:
    void SetUp() override {
        if (!IsSupportedHere(GetParam())) {
            GTEST_SKIP() << "this build, processor or system lacks the "
                         << ShadeFieldPathName(GetParam()) << " instructions";
        }
    }

    void ExpectMatchesReference(const std::vector<float>& positions) {
        for (const float position : positions) {
            NoiseField path;
            RenderShadeField(position, path.pixels(), GetParam());
            if (Digest(path) != ReferenceDigest(position)) {
                NoiseField reference;
                RenderShadeFieldReference(position, reference.pixels());
                ASSERT_EQ(path.bytes(), reference.bytes()) << "position " << position;
            }
        }
    }

    // mids computed by the path's rows for dividends f (brightness 1, so f is taken as is),
    // against floor(f / 255) with the division done by the hardware.
    void ExpectMidsOf(const std::vector<double>& dividends, bool noneNegative) {
        const ShadeRows& rows = ShadeRowsFor(GetParam());
        for (std::size_t start = 0; start < dividends.size(); start += kShadeFieldSize) {
            alignas(64) std::array<double, kShadeFieldSize> f{};
            std::copy(dividends.begin() + start,
                      dividends.begin() + std::min(start + kShadeFieldSize, dividends.size()),
                      f.begin());
            alignas(64) std::array<std::int32_t, kShadeFieldSize> mids;
            rows.computeMids(f.data(), 1.0, noneNegative, mids.data());
            for (int x = 0; x < kShadeFieldSize; ++x) {
                const double g = f[x] / 255;
                const std::int32_t expected = g >= 0 ? static_cast<std::int32_t>(g) : -1;
                ASSERT_EQ(mids[x], expected) << "f = " << std::hexfloat << f[x];
            }
        }
    }
};

// Thinned, the sweep still holds the first and last position of each of the six segments.
std::vector<float> WholePositions() {
    constexpr int kSegmentLength = 256;
    std::vector<float> positions;
    for (int p = 0; p < 1536; ++p) {
        const int inSegment = p % kSegmentLength;
        if (p % kSweepStride == 0 || inSegment == 0 || inSegment == kSegmentLength - 1)
            positions.push_back(static_cast<float>(p));
    }
    return positions;
}

// Around every segment start and end and the ends of the scale: the nearest floats on both
// sides and a few fractions; positions from 511 to 512, 1023 to 1024 and 1535 to 1536 make the
// mid shades that are not stored.
std::vector<float> BoundaryPositions() {
    std::vector<float> positions;
    for (const float boundary : {0.0f, 255.0f, 256.0f, 511.0f, 512.0f, 767.0f, 768.0f, 1023.0f,
                                 1024.0f, 1279.0f, 1280.0f, 1535.0f, 1536.0f}) {
        float below = boundary;
        float above = boundary;
        for (int step = 0; step < 16; ++step) {
            below = std::nextafter(below, -kInfinity);
            above = std::nextafter(above, kInfinity);
            positions.insert(positions.end(), {below, above});
        }
        for (const float fraction : {0.001f, 0.25f, 0.5f, 0.75f, 0.999f})
            positions.insert(positions.end(), {boundary - fraction, boundary + fraction});
    }
    return positions;
}

std::vector<float> FractionalPositions() {
    std::vector<float> positions;
    std::mt19937 generator(7);
    std::uniform_real_distribution<float> anywhere(0.0f, 1536.0f);
    for (int i = 0; i < 1500; ++i)
        positions.push_back(anywhere(generator));
    return Thinned(positions);
}

std::vector<float> OutOfRangePositions() {
    constexpr float kLargest = std::numeric_limits<float>::max();
    constexpr float kTiniest = std::numeric_limits<float>::denorm_min();
    std::vector<float> positions = {-0.0f,
                                    -kTiniest,
                                    kTiniest,
                                    -1.0f,
                                    -2.5f,
                                    -255.0f,
                                    -256.0f,
                                    -1e6f,
                                    -1e30f,
                                    -kLargest,
                                    -kInfinity,
                                    1536.5f,
                                    1537.0f,
                                    2000.0f,
                                    1e30f,
                                    kLargest,
                                    kInfinity,
                                    std::numeric_limits<float>::quiet_NaN(),
                                    -std::numeric_limits<float>::quiet_NaN()};
    std::mt19937 generator(11);
    std::uniform_real_distribution<float> below(-3000.0f, 0.0f);
    std::vector<float> random;
    for (int i = 0; i < 300; ++i)
        random.push_back(below(generator));
    const std::vector<float> kept = Thinned(random);
    positions.insert(positions.end(), kept.begin(), kept.end());
    return positions;
}

TEST_P(ShadeFieldPathTest, MatchesReferenceAtEveryWholePosition) {
    ExpectMatchesReference(WholePositions());
}

TEST_P(ShadeFieldPathTest, MatchesReferenceAroundSegmentBoundaries) {
    ExpectMatchesReference(BoundaryPositions());
}

TEST_P(ShadeFieldPathTest, MatchesReferenceAtFractionalPositions) {
    ExpectMatchesReference(FractionalPositions());
}

TEST_P(ShadeFieldPathTest, MatchesReferenceOutsideTheScale) {
    ExpectMatchesReference(OutOfRangePositions());
}

// floor(f / 255) steps at every multiple of 255; a quotient rounded the wrong way there moves
// the step by one dividend. The mid shade's f runs from 0 to 255 * 256.
TEST_P(ShadeFieldPathTest, RoundsMidsDownNearEveryMultipleOf255) {
    std::vector<double> dividends;
    for (int multiple = 0; multiple <= 256; ++multiple) {
        const double exact = 255.0 * multiple;
        double below = exact;
        double above = exact;
        dividends.push_back(exact);
        for (int step = 0; step < 24; ++step) {
            below = std::nextafter(below, -1.0);
            above = std::nextafter(above, 1e9);
            dividends.insert(dividends.end(), {below, above});
        }
        for (const double offset : {1e-9, 1e-6, 1e-3, 0.5}) {
            if (exact >= offset)
                dividends.push_back(exact - offset);
            dividends.push_back(exact + offset);
        }
    }
    ExpectMidsOf(dividends, false);
    std::erase_if(dividends, [](double f) { return f < 0; });
    ExpectMidsOf(dividends, true);
}

TEST_P(ShadeFieldPathTest, MarksNegativeAndNaNMidsAsNotStored) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kDoubleInfinity = std::numeric_limits<double>::infinity();
    ExpectMidsOf({-0.0, 0.0, -1e-12, -1.0, -254.9, -255.0, -65280.0, -1e300, -kDoubleInfinity, kNaN,
                  -kNaN, std::nextafter(0.0, -1.0), std::nextafter(255.0, 0.0)},
                 false);
}

INSTANTIATE_TEST_SUITE_P(Paths, ShadeFieldPathTest, testing::ValuesIn(kShadeFieldPaths),
                         [](const auto& row) {
                             return std::string(ShadeFieldPathName(row.param));
                         });

TEST(ShadeFieldPath, RendersInTheWidestSupportedPath) {
    // A build has the paths of one processor family only, so at most one of the vector
    // families below is supported, and within x86-64 the wider one comes first.
    const ShadeFieldPath expected =
        IsSupportedHere(ShadeFieldPath::kAvx512)    ? ShadeFieldPath::kAvx512
        : IsSupportedHere(ShadeFieldPath::kAvx2Fma) ? ShadeFieldPath::kAvx2Fma
        : IsSupportedHere(ShadeFieldPath::kNeon)    ? ShadeFieldPath::kNeon
                                                    : ShadeFieldPath::kPortable;
    EXPECT_EQ(FastestShadeFieldPath(), expected);
}

} // namespace
} // namespace tessavundo
