// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tessavundo {

class PictureBox;

// The handle of a picture box's persistent image, as the bitmap functions take it.
struct ImageHandle {
    PictureBox* box = nullptr;
};

// What GetObjectA tells about an image.
struct Bitmap {
    std::int32_t bmHeight = 0;
    std::int32_t bmWidthBytes = 0;
    std::uint16_t bmBitsPixel = 0;
};

// Describes the image; false for a box without one.
bool GetObjectA(ImageHandle image, Bitmap& bitmap);

// Copy up to `byteCount` bytes of the image's pixels (rows top to bottom, 4 bytes per pixel in
// the order blue, green, red, unused) out of or into it, and return the number copied. Writing
// shows the new image in the box.
std::int32_t GetBitmapBits(ImageHandle image, std::int32_t byteCount, void* bits);
std::int32_t SetBitmapBits(ImageHandle image, std::int32_t byteCount, const void* bits);

} // namespace tessavundo
