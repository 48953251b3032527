#include "platform/session/termination_watcher.h"

namespace tessavundo {

// A Windows GUI program receives no termination signals; logging off and shutting down reach
// it through the session manager's request alone.
void TerminationWatcher::WatchSignals() {}

void TerminationWatcher::StopWatchingSignals() {}

} // namespace tessavundo
