// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/line.h"

#include "platform/toolkit/picture_box.h"

#include <QPainter>

namespace tessavundo {

Line::Line(PictureBox& box, int pixelX1, int pixelX2, QColor color)
    : Overlay(box)
    , pixelX1_(pixelX1)
    , pixelX2_(pixelX2)
    , color_(color) {}

void Line::SetY1(float y) {
    y1_ = y;
    box_.update();
    box_.MarkerMoved();
}

void Line::SetY2(float y) {
    y2_ = y;
    box_.update();
    box_.MarkerMoved();
}

void Line::Paint(QPainter& painter) const {
    painter.setPen(QPen(color_, 0));
    painter.drawLine(pixelX1_, box_.ToPixelY(y1_), pixelX2_, box_.ToPixelY(y2_));
}

} // namespace tessavundo
