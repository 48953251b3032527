// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <optional>

namespace tessavundo {

// Packs a color given as three channels from 0 to 1, as desktop services report colors: each
// channel times 255, to the nearest integer (halves to the even one). A channel a little
// outside 0..1 (rounding in the service) counts as 0 or 1; a channel that is no number at all
// (NaN, infinite) gives no color.
std::optional<PackedColor> PackUnitChannels(double red, double green, double blue);

} // namespace tessavundo
