// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/color_readers.h"
#include "core/locate.h"
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/text_box.h"
#include "ui/form1.h"

namespace tessavundo {

// A hex text is written in the rgb notation first; the text is a color when the locate routine
// places the picker on it. The preview's drag answers and its drops both ask here, so a drop
// the window would ignore is refused before it happens.
std::optional<Form1::DroppedColor> Form1::ReadDroppedColor(const QString& text) const {
    std::string rgbText = text.toStdString();
    if (const auto channels = ReadHexChannels(rgbText))
        rgbText = FormatRgbText(*channels);
    const auto location = LocateColor(rgbText, DecimalSeparator());
    if (!location)
        return std::nullopt;
    return DroppedColor{std::move(rgbText), location->preview};
}

// A color dropped on the preview becomes current as if it had been typed into the rgb field
// and confirmed with Enter: the rgb text goes into the field, the hex field follows, and the
// locate routine places the picker on it. A text neither reader accepts changes nothing.
void Form1::Picture3_ColorDropped(const QString& text) {
    const auto dropped = ReadDroppedColor(text);
    if (!dropped)
        return;
    Text1->SetText(dropped->rgbText);
    // Typed, the rgb field's change routine writes the hex field; it acts only while the field
    // has the focus, which a drop does not give it.
    if (!RgbFieldFocused)
        Text2->SetText(FormatHexText(SplitColor(dropped->color)));
    std::int16_t enter = kKeyEnter;
    Text1_KeyPress(enter);
}

} // namespace tessavundo
