// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/color_readers.h"
#include "core/locate.h"
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "ui/form1.h"

namespace tessavundo {

// Typing in either field converts it into the other notation and locates the color. Each
// change routine acts only while its own field has the focus, so the other field's write from
// here starts no conversion back.
void Form1::Text1_Change() {
    if (!RgbFieldFocused)
        return;
    const int caret = Text1->SelStart();
    const std::string text = Text1->Text().toStdString();
    const std::string separator = DecimalSeparator();
    const auto channels = ReadRgbChannels(text);

    std::string hex = "#";
    for (std::size_t i = 0; i < 3 && i < channels.size(); ++i)
        if (const auto digits = ChannelHexDigits(channels[i], separator))
            hex += *digits;
    Text2->SetText(hex);

    if (channels.size() >= 3) {
        const auto red = ChannelInteger(channels[0], separator);
        const auto green = ChannelInteger(channels[1], separator);
        const auto blue = ChannelInteger(channels[2], separator);
        if (red && green && blue) {
            if (const auto color = PackColor(*red, *green, *blue))
                Picture3->SetBackColor(*color);
        }
    }

    std::int16_t enter = kKeyEnter;
    Text1_KeyPress(enter);
    Text1->SetSelStart(caret);
}

void Form1::Text2_Change() {
    if (!HexFieldFocused)
        return;
    const int caret = Text2->SelStart();
    if (const auto channels = ReadHexChannels(Text2->Text().toStdString()))
        Text1->SetText(FormatRgbText(*channels));
    std::int16_t enter = kKeyEnter;
    Text1_KeyPress(enter);
    Text2->SetSelStart(caret);
}

void Form1::Text1_GotFocus() {
    RgbFieldFocused = -1;
}

void Form1::Text1_LostFocus() {
    RgbFieldFocused = 0;
}

void Form1::Text2_GotFocus() {
    HexFieldFocused = -1;
}

void Form1::Text2_LostFocus() {
    HexFieldFocused = 0;
}

// The rgb field's key handler. Enter is the locate routine: it places the picker on the color
// written in the rgb field. Every other key goes on to the field unchanged.
void Form1::Text1_KeyPress(std::int16_t& keyAscii) {
    if (keyAscii != kKeyEnter)
        return;
    const auto location = LocateColor(Text1->Text().toStdString(), DecimalSeparator());
    if (!location)
        return;
    if (location->huePosition) {
        HuePosition = *location->huePosition;
        Command2_Click();
    }
    Shape1->SetLeft(location->markerLeft);
    Shape1->SetTop(location->markerTop);
    Line1->SetY1(HuePosition);
    Line1->SetY2(HuePosition);
    Picture3->SetBackColor(location->preview);
    Shape1->SetBorderColor(location->border);
}

} // namespace tessavundo
