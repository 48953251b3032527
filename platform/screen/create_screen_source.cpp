// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/create_screen_source.h"

#include "platform/screen/x11_screen_source.h"

namespace tessavundo {

std::unique_ptr<ScreenSource> CreateScreenSource() {
    return std::make_unique<X11ScreenSource>();
}

} // namespace tessavundo
