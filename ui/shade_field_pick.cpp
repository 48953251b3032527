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

} // namespace

void Form1::Picture1_MouseMove(std::int16_t button, std::int16_t, float x, float y) {
    if (button != kLeftButton)
        return;
    PickFieldColor(x, y);
}

void Form1::Picture1_MouseUp(std::int16_t, std::int16_t, float x, float y) {
    PickFieldColor(x, y);
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
