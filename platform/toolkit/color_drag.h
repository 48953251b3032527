// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QString>
#include <memory>

class QColor;
class QMimeData;
class QPixmap;

namespace tessavundo {

// A color as other programs take it from a drag: application/x-color, as Qt's color dialog and
// KDE give it, and the hex notation as plain text. The color is the one its channels name,
// which is what a click on the box would make current.
std::unique_ptr<QMimeData> ColorMimeData(PackedColor color);

// What the pointer carries while a color is dragged: a square of the dragged color, framed in
// `frame` so that it shows on any background, at the screen's pixel ratio.
QPixmap ColorDragPicture(PackedColor color, const QColor& frame, qreal devicePixelRatio);

// The text of a dropped color: the rgb notation of an application/x-color, or else the plain
// text as it came, trimmed; an empty text where the drop carries neither.
QString DroppedColorText(const QMimeData& data);

} // namespace tessavundo
