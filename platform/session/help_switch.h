// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

namespace tessavundo {

// Whether an argument is the platform's own way of asking a program for help: "/?" on
// Windows, where programs answer it as --help. Elsewhere it is a file name like any other.
bool IsNativeHelpSwitch(QStringView argument);

} // namespace tessavundo
