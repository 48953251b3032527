// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/screen/create_click_grab.h"

namespace tessavundo {

// The one-shot pick's desktop-wide click is an X11 grab; Windows has none to offer, so the
// command line says so instead of picking.
std::unique_ptr<ClickGrab> CreateClickGrab() {
    return nullptr;
}

} // namespace tessavundo
