// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/png_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace tessavundo {

QIcon PngIcon(const QStringList& paths) {
    QIcon icon;
    for (const QString& path : paths) {
        // Told the format and kept from guessing it, the reader decodes the PNG itself;
        // otherwise it would first load every image format plugin to ask whether it knows the
        // file, which costs start-up time and memory.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace tessavundo
