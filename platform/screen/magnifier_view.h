// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>
#include <vector>

namespace tessavundo {

// The one-shot pick's magnifier as a picture, whatever shows it (the X pointer's image, a
// Windows window): kMagnifierCells x kMagnifierCells physical pixels around the pointer, each
// cell `zoom` x `zoom`; the centre cell, the one under the hot spot, framed black inside white
// so that it shows on any color, and its hex text below it where the view is wide enough.

// Cells on each side of the view; odd, so that one lies in the middle.
inline constexpr int kMagnifierCells = 15;

// The view's pixels, row by row; an empty one for a cell off every screen.
using MagnifierPixels = std::vector<std::optional<PackedColor>>;

// The square of physical pixels the view shows around `centre`.
QRect MagnifierArea(QPoint centre);

// The view's pixels from a block read off the screen: `block` holds the pixels of `read` (part
// of MagnifierArea(centre)) row by row; the cells outside it stay empty.
MagnifierPixels MagnifierPixelsFrom(QPoint centre, const QRect& read,
                                    const std::vector<PackedColor>& block);

// The picture, premultiplied ARGB, transparent where the cells are empty.
QImage ComposeMagnifierView(const MagnifierPixels& pixels, int zoom);

} // namespace tessavundo
