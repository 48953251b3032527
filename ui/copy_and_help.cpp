// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/clipboard.h"
#include "platform/toolkit/message_box.h"
#include "platform/toolkit/text_box.h"
#include "ui/form1.h"

namespace tessavundo {

namespace {

// Each line is translated on its own and the lines are joined here, so that a translation
// cannot change how the message is laid out.
QString HelpMessage() {
    const QString lineBreak = QStringLiteral("\r\n");
    return Form1::tr("Click the eyedropper button to enable the Pick Screen Color function.") +
           lineBreak + Form1::tr("To pick the color your mouse is hovering press <RETURN>.") +
           lineBreak + Form1::tr("Press <ESC> to quit the function.") + lineBreak +
           Form1::tr("To get a more exact value on the rainbow bar use the +/- key on your "
                     "keyboard.") +
           lineBreak +
           Form1::tr("The <COPY> Button copies the selected color value (either rgb or Hex) to "
                     "the clipboard.") +
           lineBreak + lineBreak + Form1::tr("Coded by Maraveld");
}

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
    ShowQuestionMessage(this, HelpMessage());
}

} // namespace tessavundo
