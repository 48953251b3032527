// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/color_drag.h"

#include <QColor>
#include <QMimeData>

namespace tessavundo {

std::unique_ptr<QMimeData> ColorMimeData(PackedColor color) {
    const ChannelTriple channels = SplitColor(color);
    auto data = std::make_unique<QMimeData>();
    data->setColorData(QColor(channels.red, channels.green, channels.blue));
    data->setText(QString::fromStdString(FormatHexText(channels)));
    return data;
}

QString DroppedColorText(const QMimeData& data) {
    if (data.hasColor()) {
        const QColor color = qvariant_cast<QColor>(data.colorData());
        if (color.isValid()) {
            const QColor rgb = color.toRgb();
            const ChannelTriple channels{static_cast<std::int16_t>(rgb.red()),
                                         static_cast<std::int16_t>(rgb.green()),
                                         static_cast<std::int16_t>(rgb.blue())};
            return QString::fromStdString(FormatRgbText(channels));
        }
    }
    return data.hasText() ? data.text().trimmed() : QString();
}

} // namespace tessavundo
