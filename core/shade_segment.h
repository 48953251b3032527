// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// What the shade field of one hue position is made of, shared by both renderers.
namespace tessavundo {

struct ShadeSegment {
    // The position within the segment. Single precision on purpose: the mid shade is defined
    // on this float, and a double would change some of its bytes.
    float d = 0;
    // Byte within the blue, green, red, unused pixel that takes each shade.
    int maxByte = 0;
    int minByte = 0;
    int midByte = 0;
};

// Empty for a position in no hue segment.
std::optional<ShadeSegment> ShadeSegmentAt(float huePosition);

} // namespace tessavundo
