// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/clipboard.h"
#include "platform/store/ini_file_settings_store.h"
#include "platform/store/user_settings_store.h"
#include "tests/support/fake_color_portal.h"
#include "tests/support/fake_screen_source.h"
#include "ui/form1.h"

#include <QFile>
#include <memory>

namespace tessavundo::testing {

// The picker's own store, in `folder` (empty: the per-user location).
inline std::unique_ptr<SettingsStore> PickerSettingsStore(const QString& folder = QString()) {
    if (folder.isEmpty())
        return CreateUserSettingsStore(QStringLiteral("ColorPicker"), QStringLiteral("position"));
    return std::make_unique<IniFileSettingsStore>(
        QFile::encodeName(folder + QStringLiteral("/ColorPicker.conf")).toStdString(),
        QStringLiteral("position"));
}

// A picker window as the program builds it, on the real settings store in `folder` (empty:
// the per-user location), with a fake screen and desktop portal.
struct StoreFormHarness {
    explicit StoreFormHarness(const QString& folder = QString())
        : settings(PickerSettingsStore(folder)) {}

    Form1& Start() {
        form = std::make_unique<Form1>(FormServices{*settings, clipboard, screen, portal});
        return *form;
    }

    std::unique_ptr<SettingsStore> settings;
    SystemClipboard clipboard;
    FakeScreenSource screen;
    FakeColorPortal portal;
    std::unique_ptr<Form1> form;
};

} // namespace tessavundo::testing
