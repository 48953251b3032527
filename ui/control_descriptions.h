// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"
#include "platform/screen_source.h"

#include <QString>

namespace tessavundo {

class Form1;

// Lets assistive technology announce the window as a window: a plain top-level widget is
// otherwise a mere client area. Call before the window is given its title.
void RegisterWindowAccessibility();

// Gives every control of the window the name, role, description and tooltip by which screen
// readers and users of the keyboard know it.
void DescribeControls(Form1& form);

// A color as a screen reader says it: both notations, "rgb(255,0,0), #FF0000", or the name of
// the system color a swatch holds before anything was copied.
QString ColorInWords(PackedColor color);

// The eyedropper button's tooltip, and the one it shows once the screen could not be read and
// the desktop turned out to have no color picker to ask: it names why the screen could not be.
QString EyedropperToolTip();
QString UnreadableScreenToolTip(ScreenReading reading);

} // namespace tessavundo
