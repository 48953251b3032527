// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/standard_streams.h"

namespace tessavundo {

// A Windows process without standard handles has no numbers a file could take over; the C
// runtime's streams simply fail to write.
void ReopenClosedStandardStreams() {}

bool StandardOutputWasClosed() {
    return false;
}

} // namespace tessavundo
