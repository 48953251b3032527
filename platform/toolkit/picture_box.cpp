// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/picture_box.h"

#include "platform/toolkit/color_drag.h"
#include "platform/toolkit/focus_ring.h"
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/overlay.h"
#include "platform/toolkit/packed_rgb.h"
#include "platform/toolkit/system_colors.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tessavundo {

namespace {

// Between the pointer and the picture of a dragged color, in pixels.
constexpr int kDragPictureGap = 8;

// A scale value far off the box (a hue located from fractional channels can lie billions of
// units off the bar) stops at a pixel that is still far off but fits an int; painting clips
// it and Point reads the nearest edge either way.
int NearestPixel(double scaleValue, int pixels, float scale) {
    constexpr double kFarOff = QWIDGETSIZE_MAX;
    const double pixel = std::nearbyint(scaleValue * pixels / scale);
    return static_cast<int>(std::fmax(-kFarOff, std::fmin(pixel, kFarOff)));
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , backColor_(kWindowBackgroundColor)
    , scaleWidth_(1)
    , scaleHeight_(1) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox() = default;

bool PictureBox::SetBackColor(PackedColor color) {
    if (color != kWindowBackgroundColor && (color < 0 || color > kLargestRgbColor))
        return false;
    const bool changed = color != backColor_;
    backColor_ = color;
    update();
    // Only the news that the color changed goes out; the words are formed when asked for, as
    // the eyedropper sets the preview a thousand times a second.
    if (changed && colorWords_) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    return true;
}

void PictureBox::MarkerMoved() {
    if (!markerValue_)
        return;
    const double value = markerValue_->current();
    if (announcedMarker_ == value)
        return;
    announcedMarker_ = value;
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

void PictureBox::SetScaleWidth(float width) {
    scaleWidth_ = width;
    update();
}

void PictureBox::SetScaleHeight(float height) {
    scaleHeight_ = height;
    update();
}

void PictureBox::KeepImage() {
    image_ = QImage(DrawableRect().size(), QImage::Format_RGB32);
    image_.fill(ShownColor(backColor_));
}

QRect PictureBox::DrawableRect() const {
    return rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth);
}

int PictureBox::ToPixelX(float x) const {
    return NearestPixel(x, DrawableRect().width(), scaleWidth_);
}

int PictureBox::ToPixelY(float y) const {
    return NearestPixel(y, DrawableRect().height(), scaleHeight_);
}

float PictureBox::ToScaleX(qreal logicalX) const {
    const double pixel = std::floor(logicalX) - kBorderWidth;
    return static_cast<float>(pixel * scaleWidth_ / DrawableRect().width());
}

float PictureBox::ToScaleY(qreal logicalY) const {
    const double pixel = std::floor(logicalY) - kBorderWidth;
    return static_cast<float>(pixel * scaleHeight_ / DrawableRect().height());
}

void PictureBox::Line(float x1, float y1, float x2, float y2, PackedColor color) {
    if (image_.isNull())
        return;
    const int px1 = ToPixelX(x1);
    const int py1 = ToPixelY(y1);
    const int px2 = ToPixelX(x2);
    const int py2 = ToPixelY(y2);
    if (py1 == py2) {
        // Horizontal lines, the only kind the rainbow bar draws, go straight into the
        // scanline: a painter per line would cost more than the whole bar.
        if (py1 < 0 || py1 >= image_.height())
            return;
        const int from = std::max(0, std::min(px1, px2));
        const int to = std::min(image_.width() - 1, std::max(px1, px2));
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(py1));
        std::fill(row + from, row + to + 1, ToQRgb(color));
    } else {
        QPainter painter(&image_);
        painter.setPen(QColor(ToQRgb(color)));
        painter.drawLine(px1, py1, px2, py2);
    }
    update();
}

PackedColor PictureBox::Point(float x, float y) const {
    if (image_.isNull())
        return backColor_;
    const int px = std::clamp(ToPixelX(x), 0, image_.width() - 1);
    const int py = std::clamp(ToPixelY(y), 0, image_.height() - 1);
    return FromQRgb(image_.pixel(px, py));
}

void PictureBox::AddOverlay(const Overlay* overlay) {
    overlays_.push_back(overlay);
}

void PictureBox::RemoveOverlay(const Overlay* overlay) {
    std::erase(overlays_, overlay);
}

QColor PictureBox::ShownColor(PackedColor color) const {
    if (color == kWindowBackgroundColor)
        return palette().color(QPalette::Base);
    return QColor(ToQRgb(color));
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The image itself is never drawn over; the window rings the focused box outside its
    // border. The four edges are filled rather than stroked: stroking costs a tenth of a hue
    // change, and at a display scale of 2 a stroked outline covers one physical pixel of the two
    // while the box is opaque, so nothing would paint the other.
    const QColor border = ControlBorderColor(palette());
    const QRect box = rect();
    painter.fillRect(box.left(), box.top(), box.width(), kBorderWidth, border);
    painter.fillRect(box.left(), box.bottom() - kBorderWidth + 1, box.width(), kBorderWidth,
                     border);
    painter.fillRect(box.left(), box.top() + kBorderWidth, kBorderWidth,
                     box.height() - 2 * kBorderWidth, border);
    painter.fillRect(box.right() - kBorderWidth + 1, box.top() + kBorderWidth, kBorderWidth,
                     box.height() - 2 * kBorderWidth, border);

    const QRect drawable = DrawableRect();

    if (image_.isNull())
        painter.fillRect(drawable, ShownColor(backColor_));
    else
        painter.drawImage(drawable, image_);

    painter.setClipRect(drawable);
    painter.translate(drawable.topLeft());
    for (const Overlay* overlay : overlays_)
        overlay->Paint(painter);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    clickArmed_ = event->button() == Qt::LeftButton;
    if (clickArmed_)
        pressPosition_ = event->position().toPoint();
    emit MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                   ToScaleX(event->position().x()), ToScaleY(event->position().y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()),
                   ToScaleX(event->position().x()), ToScaleY(event->position().y()));
    if (!colorDraggable_ || !clickArmed_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - pressPosition_).manhattanLength() <
            QApplication::startDragDistance())
        return;
    // A drag is no click: the release ends the drag, not the press.
    clickArmed_ = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(ColorMimeData(backColor_).release());
    drag->setPixmap(
        ColorDragPicture(backColor_, palette().color(QPalette::WindowText), devicePixelRatioF()));
    // Below and to the right of the pointer, which keeps the place of the drop in sight.
    drag->setHotSpot(QPoint(-kDragPictureGap, -kDragPictureGap));
    drag->exec(Qt::CopyAction);
}

void PictureBox::AcceptColorDrops(DropFilter takesText) {
    takesDroppedText_ = std::move(takesText);
    setAcceptDrops(true);
}

QString PictureBox::TakenText(const QDropEvent& event) const {
    if (event.source() == this || !takesDroppedText_)
        return {};
    QString text = DroppedColorText(*event.mimeData());
    return !text.isEmpty() && takesDroppedText_(text) ? text : QString();
}

// The answer to each enter and move is what the window system passes on to the drag's source:
// a refusal carries no action, so that the pointer shows no drop there and the source hears
// that nothing was taken.
void PictureBox::AnswerDrag(QDropEvent& event, bool takes) {
    if (takes) {
        event.acceptProposedAction();
    } else {
        event.setDropAction(Qt::IgnoreAction);
        event.ignore();
    }
}

void PictureBox::dragEnterEvent(QDragEnterEvent* event) {
    dragTaken_ = !TakenText(*event).isEmpty();
    AnswerDrag(*event, dragTaken_);
}

// Each move is answered as the enter was, not left with what the toolkit carried over from the
// answer before it.
void PictureBox::dragMoveEvent(QDragMoveEvent* event) {
    AnswerDrag(*event, dragTaken_);
}

void PictureBox::dropEvent(QDropEvent* event) {
    const QString text = TakenText(*event);
    AnswerDrag(*event, !text.isEmpty());
    if (!text.isEmpty())
        emit ColorDropped(text);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = clickArmed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        clickArmed_ = false;
    emit MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                 ToScaleX(event->position().x()), ToScaleY(event->position().y()));
    if (clicked)
        emit Click();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // Not a press: the click has already run for the first press, and the release of the
    // double click must not run another one.
    clickArmed_ = false;
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (auto keyCode = KeyCode(*event))
        emit KeyDown(*keyCode, ShiftCode(event->modifiers()));
    if (auto keyAscii = KeyAscii(*event))
        emit KeyPress(*keyAscii);
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    if (IsFocusMoveInsideWindow(event->reason()))
        emit GotFocus();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    if (IsFocusMoveInsideWindow(event->reason()))
        emit LostFocus();
}

} // namespace tessavundo
