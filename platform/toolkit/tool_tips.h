// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace tessavundo {

// Shows every control's tooltip wrapped to a readable width, in every language: the toolkit
// shows a plain-text tooltip on one line as long as it fits the screen, which in German is
// wider than a small screen. The controls keep their plain text, which is also what assistive
// technology reads as their description.
void WrapToolTips(QApplication& application);

} // namespace tessavundo
