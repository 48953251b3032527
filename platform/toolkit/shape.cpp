// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/shape.h"

#include "platform/toolkit/packed_rgb.h"
#include "platform/toolkit/picture_box.h"

#include <QPainter>

namespace tessavundo {

Shape::Shape(PictureBox& box)
    : Overlay(box) {}

void Shape::SetLeft(float left) {
    left_ = left;
    box_.update();
    box_.MarkerMoved();
}

void Shape::SetTop(float top) {
    top_ = top;
    box_.update();
    box_.MarkerMoved();
}

void Shape::SetWidth(float width) {
    width_ = width;
    box_.update();
}

void Shape::SetHeight(float height) {
    height_ = height;
    box_.update();
}

void Shape::SetBorderColor(PackedColor color) {
    borderColor_ = color;
    box_.update();
}

void Shape::Paint(QPainter& painter) const {
    const int x = box_.ToPixelX(left_);
    const int y = box_.ToPixelY(top_);
    const int w = box_.ToPixelX(left_ + width_) - x;
    const int h = box_.ToPixelY(top_ + height_) - y;
    if (w <= 0 || h <= 0)
        return;
    const QColor color(ToQRgb(borderColor_));
    // Four filled edges rather than drawRect, so that the outline covers exactly w x h pixels.
    painter.fillRect(x, y, w, 1, color);
    painter.fillRect(x, y + h - 1, w, 1, color);
    painter.fillRect(x, y, 1, h, color);
    painter.fillRect(x + w - 1, y, 1, h, color);
}

} // namespace tessavundo
