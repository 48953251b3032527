// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/create_click_grab.h"

#include "platform/screen/x11_click_grab.h"

namespace tessavundo {

std::unique_ptr<ClickGrab> CreateClickGrab() {
    return std::make_unique<X11ClickGrab>();
}

} // namespace tessavundo
