// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/magnifier_view.h"

#include <QPainter>
#include <cstddef>

namespace tessavundo {
namespace {

// The hex text needs a view at least this wide.
constexpr int kSmallestWidthForText = 90;
constexpr int kTextPixelSize = 11;
constexpr int kTextPadding = 2;
constexpr int kLabelAlpha = 200;
constexpr int kMiddle = kMagnifierCells / 2;

// The index of a cell in a view's pixels, row by row.
std::size_t CellIndex(int row, int column) {
    return static_cast<std::size_t>(row) * kMagnifierCells + static_cast<std::size_t>(column);
}

QColor ToQColor(PackedColor color) {
    const ChannelTriple channels = SplitColor(color);
    return {channels.red, channels.green, channels.blue};
}

} // namespace

QRect MagnifierArea(QPoint centre) {
    return {centre - QPoint(kMiddle, kMiddle), QSize(kMagnifierCells, kMagnifierCells)};
}

MagnifierPixels MagnifierPixelsFrom(QPoint centre, const QRect& read,
                                    const std::vector<PackedColor>& block) {
    const QRect area = MagnifierArea(centre);
    const QRect cells = read.intersected(area);
    MagnifierPixels pixels(CellIndex(kMagnifierCells, 0));
    const std::size_t expected = read.isEmpty() ? 0
                                                : static_cast<std::size_t>(read.width()) *
                                                      static_cast<std::size_t>(read.height());
    if (block.size() != expected)
        return pixels;
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x)
            pixels[CellIndex(y - area.top(), x - area.left())] =
                block[static_cast<std::size_t>(y - read.top()) *
                          static_cast<std::size_t>(read.width()) +
                      static_cast<std::size_t>(x - read.left())];
    return pixels;
}

QImage ComposeMagnifierView(const MagnifierPixels& pixels, int zoom) {
    const int side = kMagnifierCells * zoom;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int row = 0; row < kMagnifierCells; ++row)
        for (int column = 0; column < kMagnifierCells; ++column)
            if (const auto& pixel = pixels[CellIndex(row, column)])
                painter.fillRect(column * zoom, row * zoom, zoom, zoom, ToQColor(*pixel));
    // Black inside white around the centre cell, outside its own pixels.
    const QRect centre(kMiddle * zoom, kMiddle * zoom, zoom, zoom);
    painter.setPen(Qt::black);
    painter.drawRect(centre.adjusted(-1, -1, 0, 0));
    painter.setPen(Qt::white);
    painter.drawRect(centre.adjusted(-2, -2, 1, 1));
    // The outline of the whole view, so that it stands out from the screen around it.
    painter.setPen(Qt::black);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    if (side >= kSmallestWidthForText) {
        QFont font = painter.font();
        font.setPixelSize(kTextPixelSize);
        painter.setFont(font);
        const PackedColor centreColor = pixels[CellIndex(kMiddle, kMiddle)].value_or(kBlack);
        const QString text = QString::fromStdString(FormatHexText(SplitColor(centreColor)));
        QRect label = painter.fontMetrics().boundingRect(text).adjusted(
            -kTextPadding, -kTextPadding, kTextPadding, kTextPadding);
        // Below the centre cell, clear of its frame.
        label.moveCenter(QPoint(side / 2, centre.bottom() + 2 * zoom + label.height() / 2));
        painter.fillRect(label, QColor(0, 0, 0, kLabelAlpha));
        painter.setPen(Qt::white);
        painter.drawText(label, Qt::AlignCenter, text);
    }
    return image;
}

} // namespace tessavundo
