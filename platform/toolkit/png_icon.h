// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QStringList>

namespace tessavundo {

// An icon from PNG files or resources, one picture of its own size each, so that the window
// manager and the taskbar each take the size they show; a file that cannot be read is left out.
QIcon PngIcon(const QStringList& paths);

} // namespace tessavundo
