// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The shade field's paths of a build for a processor family without rows of its own: none
// besides the portable rows.
#include "core/shade_rows.h"

namespace tessavundo {

std::span<const BuiltShadeRows> BuiltShadeRowsHere() {
    return {};
}

} // namespace tessavundo
