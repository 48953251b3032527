// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"
#include "platform/screen_source.h"

#include <QString>

namespace tessavundo {

class Form1;

// Gives every control of the window the name, role, description and tooltip by which screen
// readers and users of the keyboard know it.
void DescribeControls(Form1& form);

// A color as a screen reader says it: both notations, "rgb(255,0,0), #FF0000", or the name of
// the system color a swatch holds before anything was copied.
QString ColorInWords(PackedColor color);

// Which keys do what on the rainbow bar and the shade field, for the help button's tooltip.
QString KeysHelp();

// What the eyedropper tells a screen reader once sampling has ended: the color it took.
QString SampledColorWords(PackedColor color);

// The shade field's accessible value: one number for the field point, row * 256 + column, so
// that a screen reader can read and set both (0 is the top-left corner, 255 the top-right one,
// 65535 the bottom-right one).
inline constexpr int kFieldValueRowStride = 256;

// The eyedropper button's tooltip, and the one it shows once the screen could not be read and
// the desktop turned out to have no color picker to ask: it names why the screen could not be.
QString EyedropperToolTip();
QString UnreadableScreenToolTip(ScreenReading reading);

} // namespace tessavundo
