// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/hue_scale.h"

#include <algorithm>

namespace tessavundo {

std::optional<int> HueSegment(float position) {
    // Made in this order with these exact senses, so that a fractional position between two
    // segments (255.5) belongs to the earlier one.
    const float p = position;
    if (p < 256)
        return 0;
    if (p > 255 && p < 512)
        return 1;
    if (p > 511 && p < 768)
        return 2;
    if (p > 767 && p < 1024)
        return 3;
    if (p > 1023 && p < 1280)
        return 4;
    if (p > 1279 && p < 1536)
        return 5;
    return std::nullopt;
}

ChannelTriple PureHueColor(int position) {
    // Outside the scale the nearest end's color keeps every channel within 0..255.
    const int p = std::clamp(position, 0, kHuePositionCount - 1);
    const auto c = [](int value) {
        return static_cast<std::int16_t>(value);
    };
    switch (*HueSegment(static_cast<float>(p))) {
    case 0:
        return {255, 0, c(p)};
    case 1:
        return {c(511 - p), 0, 255};
    case 2:
        return {0, c(p - 512), 255};
    case 3:
        return {0, 255, c(1023 - p)};
    case 4:
        return {c(p - 1024), 255, 0};
    default:
        return {255, c(1535 - p), 0};
    }
}

} // namespace tessavundo
