// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "ui/complement.h"
#include "ui/form1.h"

namespace tessavundo {

namespace {

// A pointer inside the bar, or less than one unit outside it, gives its position unchanged;
// farther out it sticks to the nearer end.
float ClampHuePosition(float y) {
    if (y > -1 && y < 1536)
        return y;
    if (y < 0)
        return 0;
    return 1535;
}

// A page of the bar for Page Up and Page Down.
constexpr float kHuePageStep = 64;
constexpr float kLastHuePosition = 1535;

} // namespace

void Form1::Picture2_MouseDown(std::int16_t button, std::int16_t, float, float y) {
    Timer2->SetEnabled(false);
    if (button != kLeftButton)
        return;
    HuePosition = ClampHuePosition(y);
    Command2_Click();
    ReadOutFieldColor();
    // Read afresh: writing the fields may have located the color anew.
    Line1->SetY1(HuePosition);
    Line1->SetY2(HuePosition);
}

// Dragging only moves the marker and arms the timer; the field is rendered on its next tick,
// so a fast pointer never queues up renders.
void Form1::Picture2_MouseMove(std::int16_t button, std::int16_t, float, float y) {
    if (button != kLeftButton)
        return;
    HuePosition = ClampHuePosition(y);
    Line1->SetY1(HuePosition);
    Line1->SetY2(HuePosition);
    Timer2->SetEnabled(true);
}

void Form1::Picture2_MouseUp(std::int16_t, std::int16_t, float, float) {
    Timer2->SetEnabled(false);
}

void Form1::Timer2_Timer() {
    Command2_Click();
    ReadOutFieldColor();
}

// "+" and "-" step from the marker by one unit, finer than a pointer row, and neither clamp nor
// wrap.
void Form1::Picture2_KeyPress(std::int16_t& keyAscii) {
    float step = 0;
    if (keyAscii == '+')
        step = 1;
    else if (keyAscii == '-')
        step = -1;
    else
        return;
    HuePosition = Line1->Y1() + step;
    Line1->SetY1(HuePosition);
    Line1->SetY2(HuePosition);
    Command2_Click();
    ReadOutFieldColor();
}

// The keys that move the marker press the bar where they lead and release it there, as a click
// with the pointer does: the position is clamped as a press clamps it and the field is rendered
// at once.
void Form1::Picture2_KeyDown(std::int16_t keyCode, std::int16_t) {
    const float from = Line1->Y1();
    float to = 0;
    switch (keyCode) {
    case kKeyUp:
        to = from - 1;
        break;
    case kKeyDown:
        to = from + 1;
        break;
    case kKeyPageUp:
        to = from - kHuePageStep;
        break;
    case kKeyPageDown:
        to = from + kHuePageStep;
        break;
    case kKeyHome:
        to = 0;
        break;
    case kKeyEnd:
        to = kLastHuePosition;
        break;
    default:
        return;
    }
    Picture2_MouseDown(kLeftButton, 0, 0, to);
    Picture2_MouseUp(kLeftButton, 0, 0, to);
}

void Form1::ReadOutFieldColor() {
    Picture3->SetBackColor(Picture1->Point(Shape1->Left() + 2, Shape1->Top() + 2));
    const ChannelTriple channels = SplitColor(Picture3->BackColor());
    Text1->SetText(FormatRgbText(channels));
    Shape1->SetBorderColor(ComplementColor(channels));
    Text2->SetText(FormatHexText(channels));
}

} // namespace tessavundo
