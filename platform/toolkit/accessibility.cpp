// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/accessibility.h"

#include "platform/toolkit/announcer.h"
#include "platform/toolkit/picture_box_accessible.h"
#include "platform/toolkit/toggle.h"
#include "platform/toolkit/window_accessible.h"

#include <QAccessible>

namespace tessavundo {

// Qt keeps a factory once however often it is installed.
void InstallAccessibility() {
    QAccessible::installFactory(&CreatePictureBoxAccessible);
    QAccessible::installFactory(&CreateToggleAccessible);
    QAccessible::installFactory(&CreateWindowAccessible);
    QAccessible::installFactory(&CreateAnnouncerAccessible);
}

} // namespace tessavundo
