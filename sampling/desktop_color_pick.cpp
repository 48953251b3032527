// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/clipboard.h"
#include "platform/toolkit/input_codes.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "ui/control_descriptions.h"
#include "ui/form1.h"

namespace tessavundo {

// The desktop's color is one sample, taken and located as a tick's sample is; sampling then
// ends as Esc ends it. An answer to a request already dropped (the toggle let up meanwhile) is
// no sample.
void Form1::ColorPortal_ColorPicked(PackedColor color) {
    if (!portalRequestPending_)
        return;
    portalRequestPending_ = false;
    Check1->setToolTip(EyedropperToolTip());
    if (Picture3->SetBackColor(color)) {
        const ChannelTriple channels = SplitColor(Picture3->BackColor());
        Text1->SetText(FormatRgbText(channels));
        Text2->SetText(FormatHexText(channels));
        std::int16_t enter = kKeyEnter;
        Text1_KeyPress(enter);
    }
    EndSamplingWithCopy();
}

// The user closed the desktop's picker: the end of a click on the window's background.
void Form1::ColorPortal_PickCancelled() {
    if (!portalRequestPending_)
        return;
    portalRequestPending_ = false;
    Check1->setToolTip(EyedropperToolTip());
    Timer1->SetEnabled(false);
    Check1->SetValue(0);
}

// Nothing to ask: the toggle comes back up, and its tooltip says why the screen itself could not
// be read. The program shows no message boxes but the help.
void Form1::ColorPortal_Unavailable() {
    if (!portalRequestPending_)
        return;
    portalRequestPending_ = false;
    Check1->setToolTip(UnreadableScreenToolTip(services_.screen.Reading()));
    Check1->SetValue(0);
}

} // namespace tessavundo
