// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "settings/setting_values.h"
#include "settings/settings_keys.h"
#include "ui/form1.h"

namespace tessavundo {

namespace keys = settings_keys;

// Shut-down. Closing always proceeds, whether or not the values could be saved.
void Form1::Form_Unload(bool& /*cancel*/) {
    if (Check1->Value() == 1) {
        Timer1->SetEnabled(false);
        Check1->SetValue(0);
        // The last sampled screen color is dropped: the color chosen on the shade field is the
        // one that is kept.
        Picture3->SetBackColor(Picture1->Point(Shape1->Left() + 2, Shape1->Top() + 2));
    }

    // The nine values go to the store in one write, so that a crash or a full disk leaves
    // either all of the old ones or all of the new ones.
    const std::string separator = DecimalSeparator();
    QList<std::pair<QString, QString>> keyedTexts;
    auto add = [&](std::string_view key, const std::string& text) {
        keyedTexts.append({SettingsKeyText(key), QString::fromStdString(text)});
    };
    add(keys::kLeft, FormatSingleSetting(Left(), separator));
    add(keys::kTop, FormatSingleSetting(Top(), separator));
    add(keys::kColor, FormatInteger32Setting(Picture3->BackColor()));
    std::size_t number = 0;
    for (const PictureBox* swatch : Swatches())
        add(keys::kSwatches[number++], FormatInteger32Setting(swatch->BackColor()));
    // A store that refuses the write costs nothing but the saved values.
    services_.settings.SaveSettings(keyedTexts);
}

} // namespace tessavundo
