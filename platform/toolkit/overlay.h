// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

class QPainter;

namespace tessavundo {

class PictureBox;

// Something drawn over a picture box's image, never into it: the box paints its overlays on
// top of the image, so reading the image never sees them.
class Overlay {
public:
    explicit Overlay(PictureBox& box);
    virtual ~Overlay();
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;

    virtual void Paint(QPainter& painter) const = 0;

protected:
    PictureBox& box_;
};

} // namespace tessavundo
