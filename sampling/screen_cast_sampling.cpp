// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/color_portal.h"
#include "platform/screen/screen_cast_screen_source.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "ui/form1.h"

namespace tessavundo {

// On a Wayland desktop the screen cast lets the ticks sample the pointer's pixel as on X11;
// where the desktop offers none, the desktop's picker is asked for one color.
void Form1::StartDesktopSampling() {
    if (services_.screenCast == nullptr) {
        AskDesktopForColor();
        return;
    }
    screenCastPending_ = true;
    services_.screenCast->Start(winId());
}

void Form1::AskDesktopForColor() {
    portalRequestPending_ = true;
    services_.portal.PickColor(winId());
}

void Form1::StopScreenCast() {
    const bool casting = screenCastPending_ || castScreen_;
    screenCastPending_ = false;
    // The screen goes before the streams it reads.
    castScreen_.reset();
    if (casting)
        services_.screenCast->Stop();
}

ScreenSource& Form1::SamplingScreen() {
    return castScreen_ ? *castScreen_ : services_.screen;
}

// The streams run: sampling starts as on a screen that can be read.
void Form1::ScreenCast_Started() {
    if (!screenCastPending_)
        return;
    screenCastPending_ = false;
    castScreen_ = std::make_unique<ScreenCastScreenSource>(services_.screen,
                                                           services_.screenCast->Monitors());
    ScreenDC = castScreen_->GetWindowDC();
    // The desktop's dialog had the focus; the picker takes it back for the ticks to sample.
    activateWindow();
    Timer1->SetEnabled(true);
}

// No screen cast (none offered, none with the pointer's position, refused or failed): the toggle
// stays down and the desktop is asked for one color at once, as where there is no screen cast.
void Form1::ScreenCast_Failed(ScreenCastFailure /*failure*/) {
    if (!screenCastPending_)
        return;
    screenCastPending_ = false;
    AskDesktopForColor();
}

} // namespace tessavundo
