// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/unit_channels.h"

#include <algorithm>
#include <cmath>

namespace tessavundo {

namespace {

std::optional<PackedColor> ToByte(double channel) {
    if (!std::isfinite(channel))
        return std::nullopt;
    return static_cast<PackedColor>(std::nearbyint(std::clamp(channel, 0.0, 1.0) * 255.0));
}

} // namespace

std::optional<PackedColor> PackUnitChannels(double red, double green, double blue) {
    const auto r = ToByte(red);
    const auto g = ToByte(green);
    const auto b = ToByte(blue);
    if (!r || !g || !b)
        return std::nullopt;
    return PackBytes(*r, *g, *b);
}

} // namespace tessavundo
