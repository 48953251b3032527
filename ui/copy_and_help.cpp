// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/text_box.h"
#include "ui/form1.h"

namespace tessavundo {

namespace {

const QString kHelpText =
    QStringLiteral("Click the eyedropper button to enable the Pick Screen Color function.\r\n"
                   "To pick the color your mouse is hovering press <RETURN>.\r\n"
                   "Press <ESC> to quit the function.\r\n"
                   "To get a more exact value on the rainbow bar use the +/- key on your "
                   "keyboard.\r\n"
                   "The <COPY> Button copies the selected color value (either rgb or Hex) to the "
                   "clipboard.\r\n"
                   "\r\n"
                   "Coded by Maraveld");

} // namespace

// The copy buttons copy the field's text exactly as it stands, even when it has been typed
// but not yet confirmed, and push the current color into the swatches.
void Form1::Command3_Click() {
    services_.clipboard.Clear();
    services_.clipboard.SetText(Text1->Text());
    PushSwatches();
}

void Form1::Command4_Click() {
    services_.clipboard.Clear();
    services_.clipboard.SetText(Text2->Text());
    PushSwatches();
}

void Form1::Command1_Click() {
    ShowQuestionMessage(this, kHelpText);
}

} // namespace tessavundo
