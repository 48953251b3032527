// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/focus_ring.h"

#include "core/contrast.h"
#include "platform/toolkit/focus_cues.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace tessavundo {

namespace {

ScreenRgb ToScreenRgb(QColor color) {
    return {color.red(), color.green(), color.blue()};
}

// The smaller of the ring's contrasts with its two neighbours.
double LeastContrast(QColor ring, QColor outside, QColor inside) {
    return std::min(ContrastRatio(ToScreenRgb(ring), ToScreenRgb(outside)),
                    ContrastRatio(ToScreenRgb(ring), ToScreenRgb(inside)));
}

// The keys with which Windows' dialogs show their focus cues: those that move the focus, and Alt.
bool ShowsFocusCues(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Alt:
        return true;
    default:
        return false;
    }
}

} // namespace

QColor ControlBorderColor(const QPalette& palette) {
    return palette.color(QPalette::WindowText);
}

QColor FocusRingColor(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    const QColor border = ControlBorderColor(palette);
    const QColor highlight = palette.color(QPalette::Highlight).toHsl();
    if (LeastContrast(highlight, window, border) >= kLeastControlContrast)
        return highlight.toRgb();
    // Among the lighter and darker shades of the highlight's hue, the nearest one that stands
    // out from both neighbours; where none does (a light gray window around a dark gray outline),
    // the one that stands out most.
    QColor best = highlight;
    double bestContrast = LeastContrast(highlight, window, border);
    int bestDistance = 256;
    for (int lightness = 0; lightness <= 255; ++lightness) {
        const QColor shade =
            QColor::fromHsl(highlight.hslHue(), highlight.hslSaturation(), lightness);
        const double contrast = LeastContrast(shade, window, border);
        const int distance = std::abs(lightness - highlight.lightness());
        const bool enough = contrast >= kLeastControlContrast;
        const bool bestEnough = bestContrast >= kLeastControlContrast;
        if ((enough && (!bestEnough || distance < bestDistance)) ||
            (!enough && !bestEnough && contrast > bestContrast)) {
            best = shade;
            bestContrast = contrast;
            bestDistance = distance;
        }
    }
    return best.toRgb();
}

FocusRing::FocusRing(QWidget& window)
    : QObject(&window)
    , window_(window)
    , shown_(FocusCuesShownFromStart()) {
    connect(qApp, &QApplication::focusChanged, this, &FocusRing::FocusChanged);
    if (!shown_)
        qApp->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    // Seen before the focused control acts on the key, so a Tab shows the ring where it lands.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_ &&
        ShowsFocusCues(static_cast<QKeyEvent*>(event)->key())) {
        shown_ = true;
        qApp->removeEventFilter(this);
        if (const QWidget* control = FocusedControl())
            window_.update(Bounds(*control));
    }
    return QObject::eventFilter(watched, event);
}

QRect FocusRing::Bounds(const QWidget& control) {
    return control.geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth);
}

QWidget* FocusRing::FocusedControl() const {
    QWidget* focused = QApplication::focusWidget();
    return focused && focused->parentWidget() == &window_ ? focused : nullptr;
}

void FocusRing::FocusChanged(QWidget* old, QWidget* now) {
    for (QWidget* control : {old, now})
        if (control && control->parentWidget() == &window_)
            window_.update(Bounds(*control));
}

void FocusRing::Paint(QPainter& painter) const {
    const QWidget* control = FocusedControl();
    if (!control || !shown_)
        return;
    const QRect ring = Bounds(*control);
    const QColor color = FocusRingColor(window_.palette());
    // Four filled bands, so that the ring covers whole pixels at every display scale.
    painter.fillRect(ring.left(), ring.top(), ring.width(), kWidth, color);
    painter.fillRect(ring.left(), ring.bottom() - kWidth + 1, ring.width(), kWidth, color);
    painter.fillRect(ring.left(), ring.top() + kWidth, kWidth, ring.height() - 2 * kWidth, color);
    painter.fillRect(ring.right() - kWidth + 1, ring.top() + kWidth, kWidth,
                     ring.height() - 2 * kWidth, color);
}

} // namespace tessavundo
