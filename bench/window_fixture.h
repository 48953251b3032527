#pragma once

#include "platform/clipboard.h"
#include "platform/screen/fake_screen_source.h"
#include "tests/support/memory_settings_store.h"
#include "ui/form1.h"

#include <memory>

namespace tessavundo::bench {

// A started picker window on a settings store in memory and a fake screen.
struct Window {
    testing::MemorySettingsStore settings;
    SystemClipboard clipboard;
    FakeScreenSource screen;
    std::unique_ptr<Form1> form =
        std::make_unique<Form1>(FormServices{settings, clipboard, screen});
};

} // namespace tessavundo::bench
