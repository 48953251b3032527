// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace tessavundo {

// Fontconfig loads its configuration once per process, safely from any thread; the toolkit's
// own call then returns at once.
FontWarmUp::FontWarmUp()
    : thread_([] { FcInit(); }) {}

void FontWarmUp::Wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace tessavundo
