// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/shade_field_reference.h"
#include "platform/desktop/clipboard.h"
#include "platform/toolkit/accessibility.h"
#include "platform/toolkit/bitmap.h"
#include "platform/toolkit/picture_box.h"
#include "tests/support/fake_color_portal.h"
#include "tests/support/fake_screen_cast_portal.h"
#include "tests/support/fake_screen_source.h"
#include "tests/support/memory_settings_store.h"
#include "ui/form1.h"

#include <QImage>
#include <QString>
#include <QTest>
#include <memory>
#include <vector>

namespace tessavundo::testing {

// rgb(200,100,50) as the settings store holds it: a shade inside the field, where most window
// tests start.
inline const QString kStoredShade = QStringLiteral("3302600");

// A picker window on a settings store in memory, the real clipboard, a fake screen and a fake
// desktop portal, and where a test asks for it, a fake screen cast of the desktop.
struct FormHarness {
    MemorySettingsStore settings;
    SystemClipboard clipboard;
    FakeScreenSource screen;
    FakeColorPortal portal;
    FakeScreenCastPortal screenCast;
    bool offersScreenCast = false;
    std::unique_ptr<Form1> form;

    // Builds the window, which runs start-up, without showing it.
    Form1& Start() {
        // As the program does before its window.
        InstallAccessibility();
        form = std::make_unique<Form1>(FormServices{settings, clipboard, screen, portal,
                                                    offersScreenCast ? &screenCast : nullptr});
        return *form;
    }

    // Starts the window with `storedColor` as the stored color (none: the first run), shows it
    // and waits until it is the active window, as a user's click or key needs. False when it
    // never becomes active.
    [[nodiscard]] bool StartWindow(const QString& storedColor = QString()) {
        if (!storedColor.isNull())
            settings.Seed(QStringLiteral("color"), storedColor);
        Start().show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
};

// The shade field's image as bytes in the renderer's layout, as the bitmap functions give them.
inline std::vector<std::uint8_t> FieldBytes(Form1& form) {
    const ImageHandle image{form.Picture1};
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(form.Picture1->PersistentImage().sizeInBytes()));
    GetBitmapBits(image, static_cast<std::int32_t>(bytes.size()), bytes.data());
    return bytes;
}

// What the field must show for a hue position, computed by the straightforward renderer over
// the field's current image.
inline std::vector<std::uint8_t> ExpectedField(Form1& form, float huePosition) {
    std::vector<std::uint8_t> pixels = FieldBytes(form);
    RenderShadeFieldReference(huePosition, ShadeFieldPixels(pixels.data(), kShadeFieldBytes));
    return pixels;
}

} // namespace tessavundo::testing
