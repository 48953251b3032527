#pragma once

#include "platform/clipboard.h"
#include "platform/portal/fake_color_portal.h"
#include "platform/screen/fake_screen_source.h"
#include "platform/store/qt_settings_store.h"
#include "ui/form1.h"

#include <memory>

namespace tessavundo::testing {

// A picker window as the program builds it, on the real settings store in `folder` (empty:
// the per-user location), with a fake screen and desktop portal.
struct StoreFormHarness {
    explicit StoreFormHarness(const QString& folder = QString())
        : settings(folder) {}

    Form1& Start() {
        form = std::make_unique<Form1>(FormServices{settings, clipboard, screen, portal});
        return *form;
    }

    QtSettingsStore settings;
    SystemClipboard clipboard;
    FakeScreenSource screen;
    FakeColorPortal portal;
    std::unique_ptr<Form1> form;
};

} // namespace tessavundo::testing
