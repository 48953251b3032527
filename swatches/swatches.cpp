// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "ui/form1.h"

namespace tessavundo {

std::array<PictureBox*, 6> Form1::Swatches() const {
    return {Picture4, Picture5, Picture6, Picture7, Picture8, Picture9};
}

// The newest copy goes to the leftmost swatch; the oldest one falls off the right end.
void Form1::PushSwatches() {
    Picture9->SetBackColor(Picture8->BackColor());
    Picture8->SetBackColor(Picture7->BackColor());
    Picture7->SetBackColor(Picture6->BackColor());
    Picture6->SetBackColor(Picture5->BackColor());
    Picture5->SetBackColor(Picture4->BackColor());
    Picture4->SetBackColor(Picture3->BackColor());
}

// A swatch gives its color back through the fields and the locate routine; the swatches
// themselves stay as they are. The system color is split like any number.
void Form1::TakeSwatchColor(const PictureBox& swatch) {
    const ChannelTriple channels = SplitColor(swatch.BackColor());
    Text1->SetText(FormatRgbText(channels));
    Text2->SetText(FormatHexText(channels));
    std::int16_t enter = kKeyEnter;
    Text1_KeyPress(enter);
}

void Form1::Picture4_Click() {
    TakeSwatchColor(*Picture4);
}

void Form1::Picture5_Click() {
    TakeSwatchColor(*Picture5);
}

void Form1::Picture6_Click() {
    TakeSwatchColor(*Picture6);
}

void Form1::Picture7_Click() {
    TakeSwatchColor(*Picture7);
}

void Form1::Picture8_Click() {
    TakeSwatchColor(*Picture8);
}

void Form1::Picture9_Click() {
    TakeSwatchColor(*Picture9);
}

// Resets the picker: every swatch white, the color red with its marker in the top-right
// corner.
void Form1::Picture9_DblClick() {
    HuePosition = 0;
    Command2_Click();
    Line1->SetY1(0);
    Line1->SetY2(0);
    for (PictureBox* swatch : Swatches())
        swatch->SetBackColor(kWhite);
    Shape1->SetLeft(253);
    Shape1->SetTop(-2);
    Picture3->SetBackColor(kRed);
    Shape1->SetBorderColor(kCyan);
    Text2->SetText(QStringLiteral("#FF0000"));
    Text1->SetText(QStringLiteral("rgb(255,0,0)"));
}

} // namespace tessavundo
