// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/png_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace tessavundo {

QIcon PngIcon(const QString& path) {
    // Told the format and kept from guessing it, the reader decodes the PNG itself; otherwise
    // it would first load every image format plugin to ask whether it knows the file, which
    // costs start-up time and memory.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

} // namespace tessavundo
