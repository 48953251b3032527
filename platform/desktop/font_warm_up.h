// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

namespace tessavundo {

// Reads the system's font configuration on a thread of its own while the toolkit starts up.
// The first widget with text would otherwise wait for it in the middle of building the window;
// now the toolkit finds it loaded. Wait() before creating the first such widget; the thread is
// joined at the latest when the object goes.
class FontWarmUp {
public:
    FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void Wait();

private:
    std::jthread thread_;
};

} // namespace tessavundo
