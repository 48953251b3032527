// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

namespace tessavundo {

// Tells Qt how assistive technology is to see the toolkit's controls: the picture boxes, the
// toggle and a window that declares itself a window of controls (kControlWindowClassInfo).
// Call once, before the first window is built; calling it again changes nothing.
void InstallAccessibility();

// The class info by which a top-level widget asks to be seen as a window whose children are
// the controls it shows: Q_CLASSINFO("AccessibleWindow", "controls").
inline constexpr const char* kControlWindowClassInfo = "AccessibleWindow";

} // namespace tessavundo
