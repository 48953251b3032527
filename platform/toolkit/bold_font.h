// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace tessavundo {

// Whether the font database holds a bold face of the family.
bool HasBoldFace(const QString& family);

// The font in bold. A family without a bold face (the bitmap MS Sans Serif of older Windows
// and of Wine, which the dialog font is substituted by) would show it at regular weight, so
// another family with a bold face takes its place, at the same size: the system's own dialog
// faces first, then common ones.
QFont BoldFont(QFont font);

} // namespace tessavundo
