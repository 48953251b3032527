// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/clipboard.h"
#include "platform/portal/fake_color_portal.h"
#include "platform/screen/fake_screen_source.h"
#include "tests/support/memory_settings_store.h"
#include "ui/form1.h"

#include <memory>

namespace tessavundo::bench {

// A started picker window on a settings store in memory, a fake screen and a fake portal.
struct Window {
    testing::MemorySettingsStore settings;
    SystemClipboard clipboard;
    FakeScreenSource screen;
    FakeColorPortal portal;
    std::unique_ptr<Form1> form =
        std::make_unique<Form1>(FormServices{settings, clipboard, screen, portal});
};

} // namespace tessavundo::bench
