// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QAccessible>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tessavundo {

class Overlay;

// A picture box: a background color, a user scale with its origin at the top-left of the
// drawable area, an optional persistent image that Line draws into and Point reads, and mouse,
// key and focus events in the box's own scale units. A one-pixel border surrounds the
// drawable area.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBorderWidth = 1;

    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    PackedColor BackColor() const { return backColor_; }
    // Accepts RGB colors 0..0xFFFFFF and the window-background system color; any other value
    // is refused (false) and the color stays as it was.
    bool SetBackColor(PackedColor color);

    void SetScaleWidth(float width);
    void SetScaleHeight(float height);

    // Gives the box a persistent 32-bit image of its drawable area, filled with the shown
    // background color. Call after the box has its final size.
    void KeepImage();
    QImage& PersistentImage() { return image_; }

    // Draws into the persistent image, in scale units.
    void Line(float x1, float y1, float x2, float y2, PackedColor color);
    // The packed color of the image at a point in scale units; a point outside the image reads
    // the nearest edge pixel.
    PackedColor Point(float x, float y) const;

    // Scale units to drawable-area pixels: the nearest whole pixel, halves to even.
    int ToPixelX(float x) const;
    int ToPixelY(float y) const;
    QRect DrawableRect() const;

    // What assistive technology announces the box as; a plain box is a graphic.
    QAccessible::Role AccessibleRole() const { return accessibleRole_; }
    void SetAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }

    // A box whose color is what it shows tells assistive technology that color in words, as its
    // description, and announces each change of it.
    using ColorWords = QString (*)(PackedColor color);
    void SpeakBackColor(ColorWords words) { colorWords_ = words; }
    ColorWords BackColorWords() const { return colorWords_; }

    // A box with a marker tells assistive technology where the marker stands, as a value, and
    // announces each move of it. Setting the value does what the pointer does there.
    struct MarkerValue {
        double minimum;
        double maximum;
        double step;
        std::function<double()> current;
        std::function<QString()> words;
        std::function<void(double)> set;
    };
    void SpeakMarker(MarkerValue value) { markerValue_ = std::move(value); }
    const std::optional<MarkerValue>& Marker() const { return markerValue_; }
    // Called by the overlays when they move.
    void MarkerMoved();

    // A box whose color can be dragged out: a left press moved farther than the platform's drag
    // distance drags its color (and is then no click).
    void SetColorDraggable(bool draggable) { colorDraggable_ = draggable; }
    // A box that takes dropped colors: a drop whose text (see DroppedColorText) `takesText`
    // accepts is a ColorDropped. Any other drag is refused while it moves over the box, so that
    // the pointer shows no drop and the program it came from learns that nothing was taken.
    using DropFilter = std::function<bool(const QString& text)>;
    void AcceptColorDrops(DropFilter takesText);

    void AddOverlay(const Overlay* overlay);
    void RemoveOverlay(const Overlay* overlay);

signals:
    // Button: 1 left, 2 right, 4 middle (for moves, the set of buttons held). Shift: 1 shift,
    // 2 control, 4 alt.
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void Click();
    void DblClick();
    void KeyPress(std::int16_t& keyAscii);
    // Key codes: 13 Enter, 32 Space.
    void KeyDown(std::int16_t keyCode, std::int16_t shift);
    void GotFocus();
    void LostFocus();
    // The dropped color's text (see DroppedColorText).
    void ColorDropped(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    float ToScaleX(qreal logicalX) const;
    float ToScaleY(qreal logicalY) const;
    QColor ShownColor(PackedColor color) const;
    // The text of a drop the box takes; empty for one it refuses.
    QString TakenText(const QDropEvent& event) const;
    static void AnswerDrag(QDropEvent& event, bool takes);

    PackedColor backColor_;
    float scaleWidth_;
    float scaleHeight_;
    QImage image_;
    std::vector<const Overlay*> overlays_;
    QAccessible::Role accessibleRole_ = QAccessible::Graphic;
    ColorWords colorWords_ = nullptr;
    std::optional<MarkerValue> markerValue_;
    // The marker's value when it was last announced, so that a move that changes nothing (one
    // end of a line after the other) is not.
    std::optional<double> announcedMarker_;
    // A left press arms the click; the release that follows it fires the click. The press of
    // a double click is no press, so the release after a double click fires none.
    bool clickArmed_ = false;
    bool colorDraggable_ = false;
    DropFilter takesDroppedText_;
    // Whether the drag over the box is taken, judged when it enters: a drag's data stay the
    // same while it moves, and reading another program's text costs a round trip to it.
    bool dragTaken_ = false;
    // Where the left button went down, for telling a drag from a click.
    QPoint pressPosition_;
};

} // namespace tessavundo
