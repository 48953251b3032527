// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/font_warm_up.h"

namespace tessavundo {

// Windows keeps its fonts loaded for every program, so there is nothing to read ahead of the
// toolkit.
FontWarmUp::FontWarmUp() = default;

void FontWarmUp::Wait() {}

} // namespace tessavundo
