// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

namespace tessavundo {

// Window geometry is kept in twips, 1/1440 inch. Layout is in logical pixels, which look the
// same at any display scale, so one logical pixel is always 15 twips.
inline constexpr int TwipsPerPixelX() {
    return 15;
}
inline constexpr int TwipsPerPixelY() {
    return 15;
}

} // namespace tessavundo
