// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/display_loss_guard.h"

#include <QtGlobal>
#include <cstdlib>
#include <utility>

namespace tessavundo {

namespace {

// The exit handler cannot be taken back once registered, so it looks here for what to do: the
// action of the guard that lives. A plain pointer, so that no destructor of a global runs among
// the exit handlers, before or after this one.
const std::function<void()>* g_action = nullptr;

void RunOnExit() {
    // Taken out first: an action that ends the program itself must not run twice.
    const std::function<void()>* action = std::exchange(g_action, nullptr);
    if (action != nullptr && *action)
        (*action)();
}

} // namespace

DisplayLossGuard::DisplayLossGuard(std::function<void()> action)
    : action_(std::move(action)) {
    Q_ASSERT_X(g_action == nullptr, "DisplayLossGuard", "one guard at a time");
    static const bool registered = std::atexit(RunOnExit) == 0;
    if (registered)
        g_action = &action_;
}

DisplayLossGuard::~DisplayLossGuard() {
    g_action = nullptr;
}

} // namespace tessavundo
