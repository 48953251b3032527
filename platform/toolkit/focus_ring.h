// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QPointer>

class QEvent;
class QPainter;
class QWidget;

namespace tessavundo {

// The outline of picture boxes: the palette's text color on the window, which stands out from
// both the window and an empty box in light and dark themes alike.
QColor ControlBorderColor(const QPalette& palette);

// The focus ring's color: the palette's highlight, made lighter or darker where it would not
// stand out by 3:1 from the window around the ring and from the outline inside it.
QColor FocusRingColor(const QPalette& palette);

// A band two pixels wide around the window's focused control, painted by the window itself
// into the gap between its controls, so that no control moves and no picture box's image is
// ever drawn over. The window calls Paint from its paint event. Where the platform hides focus
// cues until the keyboard is used (Windows), the ring shows from the first Tab, arrow key or
// Alt pressed in the window on.
class FocusRing : public QObject {
    Q_OBJECT

public:
    static constexpr int kWidth = 2;

    explicit FocusRing(QWidget& window);

    void Paint(QPainter& painter) const;
    // The window-coordinate rectangle the ring of a control covers, the control included.
    static QRect Bounds(const QWidget& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusChanged(QWidget* old, QWidget* now);
    QWidget* FocusedControl() const;

    QWidget& window_;
    bool shown_;
};

} // namespace tessavundo
