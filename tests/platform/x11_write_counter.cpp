// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "x11_write_counter.h"

#include <atomic>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/uio.h>

// libxcb writes with sendmsg or writev. Defined in the test program, these come before the C
// library's for every library the program loads, count, and pass the call on.
namespace {

std::atomic<int> countedSocket{-1};
std::atomic<int> writes{0};

template <typename Function> Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

void Count(int socket) {
    if (socket == countedSocket.load())
        ++writes;
}

} // namespace

extern "C" ssize_t sendmsg(int socket, const msghdr* message, int flags) {
    static const auto next = Next<ssize_t (*)(int, const msghdr*, int)>("sendmsg");
    Count(socket);
    return next(socket, message, flags);
}

extern "C" ssize_t writev(int socket, const iovec* vector, int count) {
    static const auto next = Next<ssize_t (*)(int, const iovec*, int)>("writev");
    Count(socket);
    return next(socket, vector, count);
}

namespace tessavundo::test {

X11WriteCounter::X11WriteCounter(xcb_connection_t* connection) {
    // Whatever the toolkit had queued goes out first, uncounted.
    xcb_flush(connection);
    writes = 0;
    countedSocket = xcb_get_file_descriptor(connection);
}

X11WriteCounter::~X11WriteCounter() {
    countedSocket = -1;
}

int X11WriteCounter::Writes() const {
    return writes.load();
}

} // namespace tessavundo::test
