// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace tessavundo {

// The eyedropper toggle's 19 x 19 picture, an eyedropper pointing to the lower left. It is drawn
// whenever it is shown, with its strokes in the application palette's button text color, so
// that it keeps its contrast on the button in a light and in a dark theme and follows a change
// of theme.
QIcon EyedropperPicture();

inline constexpr int kEyedropperPictureSize = 19;

} // namespace tessavundo
