// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/standard_streams.h"

#include <cerrno>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace tessavundo {
namespace {

bool standardOutputWasClosed = false;

bool IsOpen(int descriptor) {
    return fcntl(descriptor, F_GETFD) != -1 || errno != EBADF;
}

} // namespace

void ReopenClosedStandardStreams() {
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (IsOpen(descriptor))
            continue;
        if (descriptor == STDOUT_FILENO)
            standardOutputWasClosed = true;
        // The lowest free number is the closed one, as the lower ones are open by now.
        const int opened = open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened != -1 && opened != descriptor) {
            dup2(opened, descriptor);
            close(opened);
        }
    }
}

bool StandardOutputWasClosed() {
    return standardOutputWasClosed;
}

void UseStartingConsole() {}

} // namespace tessavundo
