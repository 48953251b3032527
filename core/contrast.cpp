// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/contrast.h"

#include <algorithm>
#include <cmath>

namespace tessavundo {

namespace {

// The screen's gamma undone, per channel.
double LinearChannel(int channel) {
    const double value = std::clamp(channel, 0, 255) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(ScreenRgb color) {
    return 0.2126 * LinearChannel(color.red) + 0.7152 * LinearChannel(color.green) +
           0.0722 * LinearChannel(color.blue);
}

double ContrastRatio(ScreenRgb a, ScreenRgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace tessavundo
