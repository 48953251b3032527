// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// The one place that knows the machine's byte order. The shade field's buffer and the bitmap
// functions hold a pixel as four bytes, blue, green, red, unused, on every machine, while the
// toolkit keeps a 32-bit image as native words 0xXXRRGGBB: the same bytes on a little-endian
// machine, the reverse on a big-endian one.
namespace tessavundo {

inline constexpr int kUnusedPixelByte = 3;

// The bit position, within the word that std::memcpy reads from a pixel's four bytes, of the
// pixel's byte `index` (0 blue .. 3 unused).
constexpr std::uint32_t PixelByteShift(int index) {
    constexpr bool kLittleEndian = std::endian::native == std::endian::little;
    return 8 * static_cast<std::uint32_t>(kLittleEndian ? index : kUnusedPixelByte - index);
}

// Copy `count` pixel bytes (blue, green, red, unused) out of an image of native 32-bit words
// (0xXXRRGGBB), or into one. The image holds whole words: a `count` that ends inside a pixel
// moves only that pixel's first bytes, wherever they lie in its word. The two sides must not
// overlap.
void CopyWordsToPixelBytes(const std::uint8_t* words, std::uint8_t* pixelBytes, std::size_t count);
void CopyPixelBytesToWords(const std::uint8_t* pixelBytes, std::uint8_t* words, std::size_t count);

} // namespace tessavundo
