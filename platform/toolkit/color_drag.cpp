// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/color_drag.h"

#include <QColor>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

namespace tessavundo {
namespace {

// About a swatch and a half: large enough to tell the color, small enough not to hide where
// it is dropped.
constexpr int kDragPictureSide = 24;

QColor ChannelsColor(PackedColor color) {
    const ChannelTriple channels = SplitColor(color);
    return QColor(channels.red, channels.green, channels.blue);
}

} // namespace

std::unique_ptr<QMimeData> ColorMimeData(PackedColor color) {
    auto data = std::make_unique<QMimeData>();
    data->setColorData(ChannelsColor(color));
    data->setText(QString::fromStdString(FormatHexText(SplitColor(color))));
    return data;
}

QPixmap ColorDragPicture(PackedColor color, const QColor& frame, qreal devicePixelRatio) {
    const int side = qRound(kDragPictureSide * devicePixelRatio);
    QPixmap picture(side, side);
    picture.fill(ChannelsColor(color));
    {
        QPainter painter(&picture);
        painter.setPen(frame);
        painter.drawRect(0, 0, side - 1, side - 1);
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
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
