// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QString>

namespace tessavundo {

// An icon from a PNG file or resource.
QIcon PngIcon(const QString& path);

} // namespace tessavundo
