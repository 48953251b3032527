// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/shade_field.h"
#include "platform/toolkit/bitmap.h"
#include "platform/toolkit/picture_box.h"
#include "ui/form1.h"

#include <memory>

namespace tessavundo {

// Renders the shade field for HuePosition: the field's image is fetched whole, computed in a
// plain buffer and written back in one go.
void Form1::Command2_Click() {
    const ImageHandle image{Picture1};
    Bitmap bitmap;
    if (!GetObjectA(image, bitmap))
        return;
    // The buffer holds exactly one 256 x 256 32-bit image; an image of any other size or depth
    // is left alone rather than overrun.
    const auto transferSize = std::int64_t{bitmap.bmWidthBytes} * bitmap.bmHeight;
    if (transferSize != static_cast<std::int64_t>(kShadeFieldBytes) || bitmap.bmBitsPixel != 32)
        return;

    // Not cleared first: the fetch fills every byte, as the transfer is the buffer's size.
    const auto pixels = std::make_unique_for_overwrite<std::uint8_t[]>(kShadeFieldBytes);
    const auto byteCount = static_cast<std::int32_t>(transferSize);
    GetBitmapBits(image, byteCount, pixels.get());
    RenderShadeField(HuePosition, ShadeFieldPixels(pixels.get(), kShadeFieldBytes));
    SetBitmapBits(image, byteCount, pixels.get());
}

} // namespace tessavundo
