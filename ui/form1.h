// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"
#include "platform/screen_cast_portal.h"
#include "platform/screen_source.h"
#include "sampling/sample_outcome.h"

#include <QPoint>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tessavundo {

class Announcer;
class Clipboard;
class ColorPortal;
class FocusRing;
class Line;
class PictureBox;
class ScreenCastScreenSource;
class SettingsStore;
class Shape;
class TextBox;
class Timer;
class Toggle;

// What the window needs from the platform beyond its own controls.
struct FormServices {
    SettingsStore& settings;
    Clipboard& clipboard;
    ScreenSource& screen;
    // Asked for one color at a time where the screen cannot be read continuously.
    ColorPortal& portal;
    // Where the screen cannot be read, the desktop's screen cast is asked first, if the platform
    // has one: it lets the eyedropper sample continuously all the same.
    ScreenCastPortal* screenCast = nullptr;
};

// The picker window. Every behaviour is one of its routines, named after the control and the
// event; the routines call each other directly, and the picker state lives in the fields below
// and in the controls' properties. Start-up runs in the constructor, before the window is
// shown; shut-down runs when the window is closed.
class Form1 : public QWidget {
    Q_OBJECT
    // Assistive technology sees a window whose children are its shown controls.
    Q_CLASSINFO("AccessibleWindow", "controls")

public:
    explicit Form1(const FormServices& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Window position in twips, outer frame included; while a window manager has the window
    // maximized, the position it had before. These and the constructor, the controls and their
    // connections are in ui/form1.cpp.
    float Left() const;
    float Top() const;
    void Move(float left, float top);

    // The picker state held by the window itself.
    float HuePosition = 0;
    std::int16_t RgbFieldFocused = -1;
    std::int16_t HexFieldFocused = 0;
    QPoint CursorPoint;
    tessavundo::ScreenDC ScreenDC = 0;

    // Start-up and shut-down: ui/form_load.cpp, ui/form_unload.cpp.
    void Form_Load();
    void Form_Unload(bool& cancel);
    // Runs shut-down once, however many ways the program is told to end: closing the window
    // runs it, and so does the display going away, when the window cannot be closed any more.
    void Unload();

    // Shade field rendering: ui/shade_field_rendering.cpp.
    void Command2_Click();

    // Rainbow bar: ui/rainbow_bar.cpp.
    void Picture2_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture2_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture2_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture2_KeyPress(std::int16_t& keyAscii);
    // Up, Down, Page Up, Page Down, Home and End on the bar press it where they lead.
    void Picture2_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Timer2_Timer();

    // Shade field picks: ui/shade_field_pick.cpp.
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Picture1_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    // The arrows, Home, End, Page Up and Page Down drag the field point where they lead.
    void Picture1_KeyDown(std::int16_t keyCode, std::int16_t shift);

    // Entry fields and the locate routine, Enter in the rgb field, that every part of the
    // window runs to place the picker on the rgb text: ui/entry_fields.cpp.
    void Text1_KeyPress(std::int16_t& keyAscii);
    void Text1_Change();
    void Text2_Change();
    void Text1_GotFocus();
    void Text1_LostFocus();
    void Text2_GotFocus();
    void Text2_LostFocus();

    // A color dropped on the preview: ui/preview_drop.cpp.
    void Picture3_ColorDropped(const QString& text);
    // What a dropped text makes current: its rgb text and the color; nothing for a text that
    // is no color.
    struct DroppedColor {
        std::string rgbText;
        PackedColor color;
    };
    std::optional<DroppedColor> ReadDroppedColor(const QString& text) const;

    // Copy buttons and help: ui/copy_and_help.cpp.
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();

    // Eyedropper: sampling/eyedropper.cpp; the desktop's answers in
    // sampling/desktop_color_pick.cpp.
    void Check1_Click();
    void Check1_KeyPress(std::int16_t& keyAscii);
    void Check1_LostFocus();
    void Form_Click();
    void Timer1_Timer();
    // The desktop's answers, where the toggle going down asked it for a color.
    void ColorPortal_ColorPicked(PackedColor color);
    void ColorPortal_PickCancelled();
    void ColorPortal_Unavailable();
    // The desktop's screen cast, where the toggle going down asked for one:
    // sampling/screen_cast_sampling.cpp.
    void ScreenCast_Started();
    void ScreenCast_Failed(ScreenCastFailure failure);

    // Swatches: swatches/swatches.cpp.
    void Picture4_Click();
    void Picture5_Click();
    void Picture6_Click();
    void Picture7_Click();
    void Picture8_Click();
    void Picture9_Click();
    void Picture9_DblClick();
    // The keyboard's press of a focused swatch (swatches/swatch_keys.cpp); Shift+Enter on the
    // last one is its double click.
    void Picture4_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Picture5_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Picture6_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Picture7_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Picture8_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Picture9_KeyDown(std::int16_t keyCode, std::int16_t shift);
    // The six swatches, newest first.
    std::array<PictureBox*, 6> Swatches() const;

    // Controls, named as the routines name them.
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture3 = nullptr;
    PictureBox* Picture4 = nullptr;
    PictureBox* Picture5 = nullptr;
    PictureBox* Picture6 = nullptr;
    PictureBox* Picture7 = nullptr;
    PictureBox* Picture8 = nullptr;
    PictureBox* Picture9 = nullptr;
    TextBox* Text1 = nullptr;
    TextBox* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    Toggle* Check1 = nullptr;
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    // The marker overlays are no widgets, so no parent owns them; as members they go before
    // the base class deletes the picture boxes they are drawn over.
    std::unique_ptr<Line> Line1;
    std::unique_ptr<Shape> Shape1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    PackedColor GetColorFromCursorPos();
    SampleOutcome CurrentSampleOutcome(PackedColor pixel) const;
    // The rainbow bar's publication of the color under the field marker.
    void ReadOutFieldColor();
    // The shade field's pick of the pixel at a pointer position.
    void PickFieldColor(float x, float y);
    // The eyedropper's end by a key, the focus, another window or the desktop's color: the hex
    // text is copied.
    void EndSamplingWithCopy();
    // The toggle is down and the screen cannot be read directly: the desktop's screen cast is
    // asked for, or where there is none, one color.
    void StartDesktopSampling();
    void AskDesktopForColor();
    // Closes the desktop's screen cast, started or pending, at once.
    void StopScreenCast();
    // The screen the ticks read: the screen cast while one runs.
    ScreenSource& SamplingScreen();
    void TakeSwatchColor(const PictureBox& swatch);
    void PushSwatches();
    // Neither maximized nor full screen, at its own fixed size.
    bool HasNormalGeometry() const;
    QPoint NormalPosition() const;
    // The user's decimal separator, for reading typed and stored numbers.
    std::string DecimalSeparator() const;

    FormServices services_;
    FocusRing* focusRing_;
    // Says the color that sampling leaves to a screen reader.
    Announcer* announcer_ = nullptr;
    bool unloaded_ = false;
    // The frame's last position at the window's own size.
    std::optional<QPoint> normalPosition_;
    bool backgroundPressed_ = false;
    // The eyedropper's last sample of the current sampling run.
    std::optional<SampleOutcome> lastSample_;
    // The desktop has been asked for a color and has not answered yet.
    bool portalRequestPending_ = false;
    // The desktop has been asked for its screen cast and has not answered yet.
    bool screenCastPending_ = false;
    // The screen cast's monitors as a screen, while sampling runs on them.
    std::unique_ptr<ScreenCastScreenSource> castScreen_;
};

} // namespace tessavundo
