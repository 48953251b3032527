// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/color_readers.h"
#include "core/locate.h"
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/text_box.h"
#include "ui/form1.h"

namespace tessavundo {

// A color dropped on the preview becomes current as if it had been typed into the rgb field
// and confirmed with Enter: the rgb text goes into the field, the hex field follows, and the
// locate routine places the picker on it. A hex text is written in the rgb notation first; a
// text neither reader accepts changes nothing.
void Form1::Picture3_ColorDropped(const QString& text) {
    std::string rgbText = text.toStdString();
    if (const auto channels = ReadHexChannels(rgbText))
        rgbText = FormatRgbText(*channels);
    const auto location = LocateColor(rgbText, DecimalSeparator());
    if (!location)
        return;
    Text1->SetText(rgbText);
    // Typed, the rgb field's change routine writes the hex field; it acts only while the field
    // has the focus, which a drop does not give it.
    if (!RgbFieldFocused)
        Text2->SetText(FormatHexText(SplitColor(location->preview)));
    std::int16_t enter = kKeyEnter;
    Text1_KeyPress(enter);
}

} // namespace tessavundo
