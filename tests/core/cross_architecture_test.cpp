// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The shade field and the locate routine must give the same bytes and positions on every
// processor family, whatever its floating-point unit (the x87's wider registers on i386) or byte
// order (s390x). Each test digests a sweep of results; the expected digests are those of
// x86-64, where the division argument of docs/shade-field-division.md was first checked. After
// a deliberate change of the formula, take the new digests from this test's failure messages on
// x86-64.
#include "core/locate.h"
#include "core/shade_field.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace tessavundo {
namespace {

// FNV-1a over 64 bits: defined byte by byte, so the same on every machine (std::hash is not).
class Digest {
public:
    void Add(std::uint8_t byte) {
        constexpr std::uint64_t kPrime = 0x100000001B3;
        value_ = (value_ ^ byte) * kPrime;
    }
    void Add(std::uint32_t word) {
        for (int shift = 0; shift < 32; shift += 8)
            Add(static_cast<std::uint8_t>(word >> shift));
    }
    void Add(float number) { Add(std::bit_cast<std::uint32_t>(number)); }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 0xCBF29CE484222325;
};

// Every field starts from the same bytes on every machine, so that the bytes the renderer keeps
// are digested too.
std::uint64_t FieldsDigest(const std::vector<float>& positions) {
    Digest digest;
    std::vector<std::uint8_t> pixels(kShadeFieldBytes);
    for (const float position : positions) {
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<std::uint8_t>(i * 7 % 251);
        RenderShadeField(position, ShadeFieldPixels(pixels.data(), kShadeFieldBytes));
        for (const std::uint8_t byte : pixels)
            digest.Add(byte);
    }
    return digest.value();
}

// Fractions of a 4096th, made from mt19937's words (which the standard fixes) without a
// distribution (whose algorithm it leaves open).
std::vector<float> SweepPositions(std::uint32_t seed, int count, std::uint32_t unitsBelow) {
    std::mt19937 generator(seed);
    std::vector<float> positions;
    for (int i = 0; i < count; ++i) {
        const auto units = static_cast<std::uint32_t>(generator()) % (1536 * 4096 + unitsBelow);
        positions.push_back(static_cast<float>((double(units) - unitsBelow) / 4096));
    }
    return positions;
}

TEST(CrossArchitecture, FieldsAtWholePositions) {
    std::vector<float> positions;
    for (int p = -4; p <= 1540; ++p)
        positions.push_back(static_cast<float>(p));
    EXPECT_EQ(FieldsDigest(positions), 11049192780795430758u);
}

TEST(CrossArchitecture, FieldsAtFractionalAndNegativePositions) {
    EXPECT_EQ(FieldsDigest(SweepPositions(5, 600, 2048 * 4096)), 1216608548400745020u);
}

TEST(CrossArchitecture, LocatedColors) {
    Digest digest;
    const auto add = [&digest](const std::string& text) {
        const auto location = LocateColor(text, ".");
        ASSERT_TRUE(location) << text;
        digest.Add(location->huePosition.value_or(-1.0f));
        digest.Add(location->markerLeft);
        digest.Add(location->markerTop);
        digest.Add(static_cast<std::uint32_t>(location->preview));
        digest.Add(static_cast<std::uint32_t>(location->border));
    };
    constexpr int kStep = 5;
    for (int r = 0; r <= 255; r += kStep)
        for (int g = 0; g <= 255; g += kStep)
            for (int b = 0; b <= 255; b += kStep)
                add("rgb(" + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b) +
                    ")");
    // Channels with fractions, written out digit by digit so that no formatting differs.
    for (int tenths = 0; tenths <= 2540; tenths += 37)
        add("rgb(" + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + ",12.25," +
            std::to_string(254 - tenths / 10) + ".5)");
    EXPECT_EQ(digest.value(), 4360460952380944803u);
}

} // namespace
} // namespace tessavundo
