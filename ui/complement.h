// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

namespace tessavundo {

// The field marker's outline: the complement of the current color, so that it stays visible.
inline PackedColor ComplementColor(ChannelTriple channels) {
    return (255 - channels.red) + 256 * (255 - channels.green) + 65536 * (255 - channels.blue);
}

} // namespace tessavundo
