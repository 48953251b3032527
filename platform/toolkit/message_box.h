// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tessavundo {

// A modal message with one OK button and the question icon, titled with the application's
// name. Returns when the user has closed it.
void ShowQuestionMessage(QWidget* parent, const QString& text);

} // namespace tessavundo
