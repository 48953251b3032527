// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The byte order between the toolkit's native 32-bit pixel words and the bitmap's blue, green,
// red, unused bytes: the same colors on little- and big-endian machines (the cross builds run
// this under qemu, s390x among them).
#include "core/pixel_bytes.h"
#include "core/shade_field.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace tessavundo {
namespace {

// Native words as the toolkit keeps an RGB32 image: 0xXXRRGGBB.
constexpr std::uint32_t Word(std::uint32_t unused, std::uint32_t red, std::uint32_t green,
                             std::uint32_t blue) {
    return unused << 24 | red << 16 | green << 8 | blue;
}

std::vector<std::uint8_t> AsMemory(const std::vector<std::uint32_t>& words) {
    std::vector<std::uint8_t> bytes(words.size() * 4);
    std::memcpy(bytes.data(), words.data(), bytes.size());
    return bytes;
}

std::uint32_t WordAt(const std::vector<std::uint8_t>& memory, std::size_t pixel) {
    std::uint32_t word;
    std::memcpy(&word, memory.data() + pixel * 4, sizeof word);
    return word;
}

TEST(PixelBytes, WordsBecomeBlueGreenRedUnused) {
    const auto words = AsMemory({Word(0xAA, 0x10, 0x20, 0x30), Word(0x01, 0xFF, 0x80, 0x00)});
    std::vector<std::uint8_t> pixels(words.size());
    CopyWordsToPixelBytes(words.data(), pixels.data(), pixels.size());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{0x30, 0x20, 0x10, 0xAA, 0x00, 0x80, 0xFF, 0x01}));

    std::vector<std::uint8_t> back(words.size());
    CopyPixelBytesToWords(pixels.data(), back.data(), back.size());
    EXPECT_EQ(back, words);
}

TEST(PixelBytes, CountEndingInsideAPixelMovesItsFirstBytesOnly) {
    const auto words = AsMemory({Word(4, 3, 2, 1), Word(8, 7, 6, 5)});
    std::vector<std::uint8_t> pixels(8, 0xEE);
    CopyWordsToPixelBytes(words.data(), pixels.data(), 6);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 0xEE, 0xEE}));

    // Into the image: the second pixel's blue and green change, its red and unused stay.
    auto image = AsMemory({Word(0, 0, 0, 0), Word(0x99, 0x98, 0x97, 0x96)});
    const std::vector<std::uint8_t> source{1, 2, 3, 4, 5, 6, 0x55, 0x55};
    CopyPixelBytesToWords(source.data(), image.data(), 6);
    EXPECT_EQ(WordAt(image, 0), Word(4, 3, 2, 1));
    EXPECT_EQ(WordAt(image, 1), Word(0x99, 0x98, 6, 5));
}

TEST(PixelBytes, ShiftNamesTheByteAWordPutsThere) {
    for (int index = 0; index < 4; ++index) {
        const std::uint32_t word = std::uint32_t{0xC5} << PixelByteShift(index);
        std::array<std::uint8_t, 4> bytes{};
        std::memcpy(bytes.data(), &word, sizeof word);
        for (int other = 0; other < 4; ++other)
            EXPECT_EQ(bytes[std::size_t(other)], other == index ? 0xC5 : 0) << index;
    }
}

// The field rendered into the bitmap's bytes and written back shows, word by word, the colors
// the field is defined by, and keeps every unused byte.
TEST(PixelBytes, RenderedFieldShowsItsColorsAsWords) {
    std::vector<std::uint32_t> image(kShadeFieldSize * kShadeFieldSize, Word(0xAB, 1, 2, 3));
    auto memory = AsMemory(image);
    std::vector<std::uint8_t> pixels(kShadeFieldBytes);
    CopyWordsToPixelBytes(memory.data(), pixels.data(), pixels.size());
    RenderShadeField(100, ShadeFieldPixels(pixels.data(), kShadeFieldBytes));
    CopyPixelBytesToWords(pixels.data(), memory.data(), pixels.size());

    const auto at = [&memory](int x, int y) {
        return WordAt(memory, std::size_t(y) * kShadeFieldSize + std::size_t(x));
    };
    EXPECT_EQ(at(0, 0), Word(0xAB, 255, 255, 255));
    EXPECT_EQ(at(255, 0), Word(0xAB, 255, 0, 100));
    EXPECT_EQ(at(128, 64), Word(0xAB, 191, 95, 132));
    EXPECT_EQ(at(100, 50), Word(0xAB, 205, 124, 156));
    EXPECT_EQ(at(255, 255), Word(0xAB, 0, 0, 0));
    for (std::size_t pixel = 0; pixel < image.size(); ++pixel)
        ASSERT_EQ(WordAt(memory, pixel) >> 24, 0xABu) << pixel;
}

} // namespace
} // namespace tessavundo
