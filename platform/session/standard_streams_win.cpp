// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/standard_streams.h"

#include <cstdio>
#include <windows.h>

namespace tessavundo {
namespace {

// A stream the program was started without: no redirection, and no console of its own, as a
// program of the GUI subsystem never gets one.
bool HasNoHandle(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

// The console's output device, shared by every program attached to it. A stream that cannot
// be opened on it keeps failing to write, as it would have without the console.
void OpenOnConsole(std::FILE* file) {
    static_cast<void>(std::freopen("CONOUT$", "w", file));
}

} // namespace

// A Windows process without standard handles has no numbers a file could take over; the C
// runtime's streams simply fail to write.
void ReopenClosedStandardStreams() {}

bool StandardOutputWasClosed() {
    return false;
}

void UseStartingConsole() {
    const bool output = HasNoHandle(STD_OUTPUT_HANDLE);
    const bool error = HasNoHandle(STD_ERROR_HANDLE);
    // Started from Explorer or a shortcut there is no parent console, and nobody to read the
    // text: it goes nowhere rather than into a console window that flashes up.
    if ((!output && !error) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (output)
        OpenOnConsole(stdout);
    if (error)
        OpenOnConsole(stderr);
}

} // namespace tessavundo
