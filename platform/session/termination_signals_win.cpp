// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/termination_watcher.h"

namespace tessavundo {

// A Windows GUI program receives no termination signals; logging off and shutting down reach
// it through the session manager's request alone.
void TerminationWatcher::WatchSignals() {}

void TerminationWatcher::StopWatchingSignals() {}

} // namespace tessavundo
