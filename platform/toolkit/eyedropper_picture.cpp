// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/eyedropper_picture.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace tessavundo {

namespace {

// The glass tube's liquid keeps its own blue: it is a picture of liquid, not a stroke.
constexpr QRgb kLiquidColor = 0x5a8fd8;

class EyedropperEngine : public QIconEngine {
public:
    EyedropperEngine() = default;
    // Handed around by pointer only; clone() draws a new one.
    Q_DISABLE_COPY_MOVE(EyedropperEngine)

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QGuiApplication::palette();
        const QColor stroke = palette.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / double{kEyedropperPictureSize},
                       rect.height() / double{kEyedropperPictureSize});
        const auto pen = [](QColor color, double width) {
            return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        };

        QPainterPath bulb;
        bulb.moveTo(13.5, 1.5);
        bulb.lineTo(17.5, 5.5);
        bulb.lineTo(14.5, 8.5);
        bulb.lineTo(10.5, 4.5);
        bulb.closeSubpath();
        painter->setPen(pen(stroke, 1));
        painter->setBrush(stroke);
        painter->drawPath(bulb);
        painter->setBrush(Qt::NoBrush);

        painter->setPen(pen(stroke, 2));
        painter->drawLine(QPointF(9.5, 5.5), QPointF(13.5, 9.5));

        QPainterPath tube;
        tube.moveTo(11, 8);
        tube.lineTo(4, 15);
        tube.lineTo(2, 17);
        tube.lineTo(2.5, 16.5);
        tube.lineTo(4, 15);
        painter->setPen(pen(stroke, 1.2));
        painter->drawPath(tube);

        painter->setPen(pen(QColor(kLiquidColor), 2.2));
        painter->drawLine(QPointF(11, 8), QPointF(4.5, 14.5));

        painter->setPen(pen(stroke, 1.4));
        painter->drawLine(QPointF(2, 17), QPointF(3.2, 15.8));
        painter->restore();
    }

    // Asked for the size in device pixels, so the picture stays sharp at any display scale.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QIconEngine* clone() const override { return new EyedropperEngine; }
};

} // namespace

QIcon EyedropperPicture() {
    return QIcon(new EyedropperEngine);
}

} // namespace tessavundo
