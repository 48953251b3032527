// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <xcb/xcb.h>

namespace tessavundo::test {

// Counts the writes to one X connection's socket while it lives. Every round trip to the X
// server begins with the client writing out its requests, so the count of writes bounds the
// count of round trips from above; requests that go out together are one write.
class X11WriteCounter {
public:
    explicit X11WriteCounter(xcb_connection_t* connection);
    ~X11WriteCounter();
    X11WriteCounter(const X11WriteCounter&) = delete;
    X11WriteCounter& operator=(const X11WriteCounter&) = delete;

    int Writes() const;
};

} // namespace tessavundo::test
