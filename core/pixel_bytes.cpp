// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/pixel_bytes.h"

#include <cstring>

namespace tessavundo {
namespace {

constexpr bool kWordsArePixelBytes = PixelByteShift(0) == 0;

// Where pixel byte i lies in the words: the memory byte of its word that holds the bits a
// pixel byte of that index would take, which is the same reordering read the other way.
std::size_t WordByteOf(std::size_t i) {
    constexpr std::size_t kPixelBytes = 4;
    return i - i % kPixelBytes + PixelByteShift(static_cast<int>(i % kPixelBytes)) / 8;
}

} // namespace

void CopyWordsToPixelBytes(const std::uint8_t* words, std::uint8_t* pixelBytes, std::size_t count) {
    if (kWordsArePixelBytes)
        std::memcpy(pixelBytes, words, count);
    else
        for (std::size_t i = 0; i < count; ++i)
            pixelBytes[i] = words[WordByteOf(i)];
}

void CopyPixelBytesToWords(const std::uint8_t* pixelBytes, std::uint8_t* words, std::size_t count) {
    if (kWordsArePixelBytes)
        std::memcpy(words, pixelBytes, count);
    else
        for (std::size_t i = 0; i < count; ++i)
            words[WordByteOf(i)] = pixelBytes[i];
}

} // namespace tessavundo
