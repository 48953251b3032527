// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

namespace tessavundo {

// The window-background system color reference. It is no RGB value: a picture box keeps the
// number itself and shows the palette's base color (normally white) for it.
inline constexpr PackedColor kWindowBackgroundColor = static_cast<PackedColor>(0x80000005u);

inline constexpr PackedColor kLargestRgbColor = 0xFFFFFF;

} // namespace tessavundo
