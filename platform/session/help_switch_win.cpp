// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/help_switch.h"

namespace tessavundo {

bool IsNativeHelpSwitch(QStringView argument) {
    return argument == u"/?";
}

} // namespace tessavundo
