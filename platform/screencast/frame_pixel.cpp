// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screencast/frame_pixel.h"

namespace tessavundo {

PackedColor FramePixel(const FrameView& frame, int x, int y) {
    if (frame.data == nullptr || x < 0 || y < 0 || x >= frame.width || y >= frame.height)
        return -1;
    const std::size_t start = static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.stride) +
                              static_cast<std::size_t>(x) * kFrameBytesPerPixel;
    if (frame.stride < frame.width * kFrameBytesPerPixel ||
        start + kFrameBytesPerPixel > frame.size)
        return -1;
    const std::uint8_t* pixel = frame.data + start;
    return PackBytes(pixel[frame.channels.red], pixel[frame.channels.green],
                     pixel[frame.channels.blue]);
}

} // namespace tessavundo
