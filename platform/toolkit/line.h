// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/toolkit/overlay.h"

#include <QColor>

namespace tessavundo {

// A one-pixel line over a picture box. Y1 and Y2 are in the box's scale units; the horizontal
// extent is fixed in pixels of the drawable area.
class Line : public Overlay {
public:
    Line(PictureBox& box, int pixelX1, int pixelX2, QColor color);

    float Y1() const { return y1_; }
    float Y2() const { return y2_; }
    void SetY1(float y);
    void SetY2(float y);

    void Paint(QPainter& painter) const override;

private:
    int pixelX1_;
    int pixelX2_;
    QColor color_;
    float y1_ = 0;
    float y2_ = 0;
};

} // namespace tessavundo
