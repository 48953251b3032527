// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/bitmap.h"

#include "core/pixel_bytes.h"
#include "platform/toolkit/picture_box.h"

#include <algorithm>

namespace tessavundo {

namespace {

// 32-bit images have no padding between rows, so the pixels are one contiguous block of native
// words, which the copies turn into the bitmap's byte order and back.
std::int32_t ByteSize(const QImage& image) {
    return static_cast<std::int32_t>(image.sizeInBytes());
}

} // namespace

bool GetObjectA(ImageHandle image, Bitmap& bitmap) {
    if (!image.box || image.box->PersistentImage().isNull())
        return false;
    const QImage& pixels = image.box->PersistentImage();
    bitmap.bmHeight = pixels.height();
    bitmap.bmWidthBytes = static_cast<std::int32_t>(pixels.bytesPerLine());
    bitmap.bmBitsPixel = static_cast<std::uint16_t>(pixels.depth());
    return true;
}

std::int32_t GetBitmapBits(ImageHandle image, std::int32_t byteCount, void* bits) {
    if (!image.box || byteCount <= 0)
        return 0;
    const QImage& pixels = image.box->PersistentImage();
    const std::int32_t count = std::min(byteCount, ByteSize(pixels));
    CopyWordsToPixelBytes(pixels.constBits(), static_cast<std::uint8_t*>(bits),
                          static_cast<std::size_t>(count));
    return count;
}

std::int32_t SetBitmapBits(ImageHandle image, std::int32_t byteCount, const void* bits) {
    if (!image.box || byteCount <= 0)
        return 0;
    QImage& pixels = image.box->PersistentImage();
    const std::int32_t count = std::min(byteCount, ByteSize(pixels));
    CopyPixelBytesToWords(static_cast<const std::uint8_t*>(bits), pixels.bits(),
                          static_cast<std::size_t>(count));
    image.box->update(image.box->DrawableRect());
    return count;
}

} // namespace tessavundo
