// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <cstddef>
#include <cstdint>

namespace tessavundo {

// Where red, green and blue sit among the four bytes of one pixel of a 32-bit frame.
struct ChannelOffsets {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr int kFrameBytesPerPixel = 4;

// One mapped frame as the producer left it; nothing here is copied.
struct FrameView {
    const std::uint8_t* data = nullptr;
    // The bytes readable from `data` on, so that a stride or size the producer got wrong cannot
    // make a read run past the mapping.
    std::size_t size = 0;
    int width = 0;
    int height = 0;
    int stride = 0;
    ChannelOffsets channels;
};

// The pixel at (x, y), or -1 where that lies outside the frame or outside the bytes it has.
PackedColor FramePixel(const FrameView& frame, int x, int y);

} // namespace tessavundo
