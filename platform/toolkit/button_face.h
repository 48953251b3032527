// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

class QPushButton;

namespace tessavundo {

// Paints a button as the style does, but without the style's own focus indication: the
// window rings its focused control, and two indications at once say less than one.
void PaintButtonFace(QPushButton& button);

} // namespace tessavundo
