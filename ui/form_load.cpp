// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/color.h"
#include "core/hue_scale.h"
#include "platform/settings_store.h"
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "settings/setting_values.h"
#include "settings/settings_keys.h"
#include "ui/form1.h"

namespace tessavundo {

namespace keys = settings_keys;

// Start-up, before the window is shown. A setting that is missing or does not convert costs
// only the step that reads it.
void Form1::Form_Load() {
    SettingsStore& store = services_.settings;
    const std::string separator = DecimalSeparator();
    auto readSetting = [&](std::string_view key, const QString& defaultText = QString()) {
        return store.GetSetting(SettingsKeyText(key), defaultText);
    };

    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
    RgbFieldFocused = -1;
    HexFieldFocused = 0;

    const auto leftText = readSetting(keys::kLeft);
    const auto topText = readSetting(keys::kTop);
    if (leftText && topText) {
        const auto left = ReadSingleSetting(leftText->toStdString(), separator);
        const auto top = ReadSingleSetting(topText->toStdString(), separator);
        if (left && top)
            Move(*left, *top);
    }

    HuePosition = 0;
    Picture1->SetScaleHeight(256);
    Picture1->SetScaleWidth(256);
    Picture2->SetScaleHeight(1535);
    Picture2->SetScaleWidth(1);
    Shape1->SetHeight(4);
    Shape1->SetWidth(4);

    std::size_t number = 0;
    for (PictureBox* swatch : Swatches()) {
        if (const auto text = readSetting(keys::kSwatches[number++])) {
            if (const auto color = ReadInteger32Setting(text->toStdString(), separator))
                swatch->SetBackColor(*color);
        }
    }

    for (int p = 0; p < kHuePositionCount; ++p) {
        const ChannelTriple hue = PureHueColor(p);
        const auto y = static_cast<float>(p);
        Picture2->Line(0, y, 1, y, PackBytes(hue.red, hue.green, hue.blue));
    }

    PackedColor color = 0;
    if (const auto text = readSetting(keys::kColor, QStringLiteral("255"))) {
        if (const auto value = ReadInteger32Setting(text->toStdString(), separator))
            color = *value;
    }
    const ChannelTriple channels = SplitColor(color);
    if (channels.red == channels.green && channels.green == channels.blue)
        Command2_Click();
    Text1->SetText(FormatRgbText(channels));
    Text2->SetText(FormatHexText(channels));
    std::int16_t enter = kKeyEnter;
    Text1_KeyPress(enter);

    // The flag was set only so that writing the rgb field above would locate the stored color.
    // Left set, every later write of that field by another routine would run its conversion
    // too, rewriting the hex field under the user's typing and moving the hue during a drag.
    if (!Text1->hasFocus())
        RgbFieldFocused = 0;
}

} // namespace tessavundo
