// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/shade_field_reference.h"
#include "platform/clipboard.h"
#include "platform/picture_box.h"
#include "platform/portal/fake_color_portal.h"
#include "platform/screen/fake_screen_source.h"
#include "tests/support/memory_settings_store.h"
#include "ui/form1.h"

#include <QImage>
#include <memory>
#include <vector>

namespace tessavundo::testing {

// A picker window on a settings store in memory, the real clipboard, a fake screen and a fake
// desktop portal.
struct FormHarness {
    MemorySettingsStore settings;
    SystemClipboard clipboard;
    FakeScreenSource screen;
    FakeColorPortal portal;
    std::unique_ptr<Form1> form;

    Form1& Start() {
        form = std::make_unique<Form1>(FormServices{settings, clipboard, screen, portal});
        return *form;
    }
};

// The shade field's image as bytes in the renderer's layout.
inline std::vector<std::uint8_t> FieldBytes(Form1& form) {
    const QImage& image = form.Picture1->PersistentImage();
    return {image.constBits(), image.constBits() + image.sizeInBytes()};
}

// What the field must show for a hue position, computed by the straightforward renderer over
// the field's current image.
inline std::vector<std::uint8_t> ExpectedField(Form1& form, float huePosition) {
    std::vector<std::uint8_t> pixels = FieldBytes(form);
    RenderShadeFieldReference(huePosition, ShadeFieldPixels(pixels.data(), kShadeFieldBytes));
    return pixels;
}

} // namespace tessavundo::testing
