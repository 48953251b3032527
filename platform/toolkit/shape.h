// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"
#include "platform/toolkit/overlay.h"

namespace tessavundo {

// An outline rectangle over a picture box, placed and sized in the box's scale units.
class Shape : public Overlay {
public:
    explicit Shape(PictureBox& box);

    float Left() const { return left_; }
    float Top() const { return top_; }
    void SetLeft(float left);
    void SetTop(float top);
    void SetWidth(float width);
    void SetHeight(float height);
    PackedColor BorderColor() const { return borderColor_; }
    void SetBorderColor(PackedColor color);

    void Paint(QPainter& painter) const override;

private:
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    PackedColor borderColor_ = 0xFFFFFF;
};

} // namespace tessavundo
