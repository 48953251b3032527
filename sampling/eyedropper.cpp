// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/color_portal.h"
#include "platform/desktop/clipboard.h"
#include "platform/screen/screen_cast_screen_source.h"
#include "platform/toolkit/announcer.h"
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "ui/control_descriptions.h"
#include "ui/form1.h"

namespace tessavundo {

// The toggle going down starts sampling with a fresh screen context; going up stops it and
// gives the context back, so that no more than one is ever held. Where the screen cannot be
// read continuously, the toggle going down asks the desktop for its screen cast or for one
// color instead, and going up closes the screen cast or drops that request.
void Form1::Check1_Click() {
    lastSample_.reset();
    if (Check1->Value() == 1) {
        // The button's tooltip describes it again while it samples.
        Check1->setAccessibleDescription(QString());
        if (!services_.screen.CanReadContinuously()) {
            StartDesktopSampling();
            return;
        }
        if (ScreenDC != 0)
            services_.screen.ReleaseDC(ScreenDC);
        ScreenDC = services_.screen.GetWindowDC();
        Timer1->SetEnabled(true);
    } else {
        Timer1->SetEnabled(false);
        // The color that sampling leaves as the current one is heard as the toggle comes up: the
        // button describes it, and a notification says it, which Orca speaks where it cannot
        // speak the changed description.
        const QString taken = SampledColorWords(Picture3->BackColor());
        Check1->setAccessibleDescription(taken);
        announcer_->Announce(taken);
        if (ScreenDC != 0)
            SamplingScreen().ReleaseDC(ScreenDC);
        ScreenDC = 0;
        StopScreenCast();
        if (portalRequestPending_) {
            portalRequestPending_ = false;
            services_.portal.Cancel();
        }
    }
}

void Form1::Check1_KeyPress(std::int16_t& keyAscii) {
    if (keyAscii == kKeySpace && Check1->Value() == 1) {
        services_.clipboard.Clear();
        services_.clipboard.SetText(Text2->Text());
        Timer1->SetEnabled(false);
        // The toggle's own handling of Space then lets it up.
    }
    if (keyAscii == kKeyEscape && Check1->Value() == 1)
        EndSamplingWithCopy();
    else if (keyAscii == kKeyEnter && Check1->Value() == 1)
        Command3_Click();
}

void Form1::Check1_LostFocus() {
    if (Check1->Value() == 1)
        EndSamplingWithCopy();
}

void Form1::Form_Click() {
    if (Check1->Value() == 1) {
        Timer1->SetEnabled(false);
        Check1->SetValue(0);
    }
}

void Form1::EndSamplingWithCopy() {
    Timer1->SetEnabled(false);
    Check1->SetValue(0);
    services_.clipboard.Clear();
    services_.clipboard.SetText(Text2->Text());
}

void Form1::Timer1_Timer() {
    ScreenSource& screen = SamplingScreen();
    if (screen.GetActiveWindow() != winId()) {
        EndSamplingWithCopy();
        return;
    }
    if (castScreen_ && castScreen_->Ended()) {
        // The desktop stopped sharing the screen (the user ended it in the desktop's own
        // indicator, say): one color from the desktop's picker ends this sampling run instead.
        Timer1->SetEnabled(false);
        castScreen_->ReleaseDC(ScreenDC);
        ScreenDC = 0;
        StopScreenCast();
        AskDesktopForColor();
        return;
    }
    CursorPoint = screen.GetCursorPos();

    // The shade field, the rainbow bar and the gap between them, edges included, are where
    // the user picks by hand; the pointer there samples nothing. The rectangle is taken from
    // where the client area really is on the screen, whatever the window frame.
    const QRect exclusion(
        mapToGlobal(Picture1->pos()),
        mapToGlobal(QPoint(Picture2->x() + Picture2->width(), Picture1->y() + Picture1->height())));
    if (screen.ToPhysicalPixels(exclusion).contains(CursorPoint))
        return;

    const PackedColor color = GetColorFromCursorPos();
    // An unreadable pixel (off every screen, or a screen the platform will not show) is no
    // color at all: the tick samples nothing rather than showing black or white.
    if (color == kInvalidColor)
        return;
    // A resting pointer gives the same color tick after tick. As long as nothing else has
    // changed the picker since, sampling it again would only write the same values and render
    // the same field once more, which would take most of each tick.
    if (lastSample_ && *lastSample_ == CurrentSampleOutcome(color))
        return;
    if (!Picture3->SetBackColor(color))
        return;
    const ChannelTriple channels = SplitColor(Picture3->BackColor());
    Text1->SetText(FormatRgbText(channels));
    Text2->SetText(FormatHexText(channels));
    std::int16_t enter = kKeyEnter;
    Text1_KeyPress(enter);
    lastSample_ = CurrentSampleOutcome(color);
}

PackedColor Form1::GetColorFromCursorPos() {
    return SamplingScreen().GetPixel(ScreenDC, CursorPoint.x(), CursorPoint.y());
}

SampleOutcome Form1::CurrentSampleOutcome(PackedColor pixel) const {
    return SampleOutcome{pixel,         Picture3->BackColor(), Text1->Text(), Text2->Text(),
                         HuePosition,   Line1->Y1(),           Line1->Y2(),   Shape1->Left(),
                         Shape1->Top(), Shape1->BorderColor()};
}

} // namespace tessavundo
