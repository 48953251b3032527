// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/screen/create_click_grab.h"
#include "platform/screen/win32_click_grab_win.h"

namespace tessavundo {

std::unique_ptr<ClickGrab> CreateClickGrab() {
    return std::make_unique<Win32ClickGrab>();
}

} // namespace tessavundo
