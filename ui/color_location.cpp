// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/locate.h"
#include "platform/line.h"
#include "platform/picture_box.h"
#include "platform/shape.h"
#include "platform/text_box.h"
#include "ui/form1.h"

namespace tessavundo {

// The rgb field's key handler. Enter is the locate routine: it places the picker on the color
// written in the rgb field. Every other key goes on to the field unchanged.
void Form1::Text1_KeyPress(std::int16_t& keyAscii) {
    if (keyAscii != 13)
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
