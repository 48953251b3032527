// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/shade_segment.h"

#include "core/hue_scale.h"

namespace tessavundo {
namespace {

constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;

} // namespace

std::optional<ShadeSegment> ShadeSegmentAt(float huePosition) {
    const auto segment = HueSegment(huePosition);
    if (!segment) {
        return std::nullopt;
    }
    const float p = huePosition;
    switch (*segment) {
    case 0:
        return ShadeSegment{p, kRed, kGreen, kBlue};
    case 1:
        return ShadeSegment{511.0f - p, kBlue, kGreen, kRed};
    case 2:
        return ShadeSegment{p - 512.0f, kBlue, kRed, kGreen};
    case 3:
        return ShadeSegment{1023.0f - p, kGreen, kRed, kBlue};
    case 4:
        return ShadeSegment{p - 1024.0f, kGreen, kBlue, kRed};
    default:
        return ShadeSegment{1535.0f - p, kRed, kBlue, kGreen};
    }
}

} // namespace tessavundo
