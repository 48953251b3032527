// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "ui/complement.h"
#include "ui/form1.h"

#include <algorithm>
#include <cmath>

namespace tessavundo {

namespace {

// The column or row of the field under a pointer coordinate. The pointer is captured while a
// button is held, so the coordinate can lie far outside the field; it sticks to the edge.
int FieldCoordinate(float value) {
    if (value > -1 && value < 256)
        return std::clamp(static_cast<int>(std::nearbyint(value)), 0, 255);
    if (value < 0)
        return 0;
    return 255;
}

constexpr float kLastFieldPixel = 255;
// Shift moves the field point this many pixels at a time.
constexpr float kFieldShiftStep = 16;

} // namespace

void Form1::Picture1_MouseMove(std::int16_t button, std::int16_t, float x, float y) {
    if (button != kLeftButton)
        return;
    PickFieldColor(x, y);
}

void Form1::Picture1_MouseUp(std::int16_t, std::int16_t, float x, float y) {
    PickFieldColor(x, y);
}

// The keys drag the field point where they lead, from the point the marker stands on: the move
// with the left button held picks there exactly as the pointer would.
void Form1::Picture1_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    const float step = (shift & kShiftMask) ? kFieldShiftStep : 1;
    float x = Shape1->Left() + 2;
    float y = Shape1->Top() + 2;
    switch (keyCode) {
    case kKeyLeft:
        x -= step;
        break;
    case kKeyRight:
        x += step;
        break;
    case kKeyUp:
        y -= step;
        break;
    case kKeyDown:
        y += step;
        break;
    case kKeyHome:
        x = 0;
        break;
    case kKeyEnd:
        x = kLastFieldPixel;
        break;
    case kKeyPageUp:
        y = 0;
        break;
    case kKeyPageDown:
        y = kLastFieldPixel;
        break;
    default:
        return;
    }
    Picture1_MouseMove(kLeftButton, 0, x, y);
}

void Form1::PickFieldColor(float pointerX, float pointerY) {
    const int x = FieldCoordinate(pointerX);
    const int y = FieldCoordinate(pointerY);
    const PackedColor color = Picture1->Point(static_cast<float>(x), static_cast<float>(y));
    const ChannelTriple channels = SplitColor(color);
    Text1->SetText(FormatRgbText(channels));
    Text2->SetText(FormatHexText(channels));
    Picture3->SetBackColor(color);
    Shape1->SetLeft(static_cast<float>(x - 2));
    Shape1->SetTop(static_cast<float>(y - 2));
    Shape1->SetBorderColor(ComplementColor(channels));
}

} // namespace tessavundo
