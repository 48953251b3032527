// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/shade_segment.h"

#include "core/hue_scale.h"

namespace tessavundo {
namespace {

constexpr int kBlueByte = 0;
constexpr int kGreenByte = 1;
constexpr int kRedByte = 2;

} // namespace

std::optional<ShadeSegment> ShadeSegmentAt(float huePosition) {
    const auto segment = HueSegment(huePosition);
    if (!segment)
        return std::nullopt;
    const float p = huePosition;
    switch (*segment) {
    case 0:
        return ShadeSegment{p, kRedByte, kGreenByte, kBlueByte};
    case 1:
        return ShadeSegment{511.0f - p, kBlueByte, kGreenByte, kRedByte};
    case 2:
        return ShadeSegment{p - 512.0f, kBlueByte, kRedByte, kGreenByte};
    case 3:
        return ShadeSegment{1023.0f - p, kGreenByte, kRedByte, kBlueByte};
    case 4:
        return ShadeSegment{p - 1024.0f, kGreenByte, kBlueByte, kRedByte};
    default:
        return ShadeSegment{1535.0f - p, kRedByte, kBlueByte, kGreenByte};
    }
}

} // namespace tessavundo
