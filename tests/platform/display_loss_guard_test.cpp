// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The exit handler behind DisplayLossGuard, in a child process each: exit() while a guard lives
// runs its action, and only that guard's; once the guard is gone, exit() runs nothing.
#include "platform/session/display_loss_guard.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using tessavundo::DisplayLossGuard;

void Say(const char* text) {
    std::fputs(text, stderr);
}

TEST(DisplayLossGuardDeathTest, ExitWhileGuardedRunsTheActionOnce) {
    EXPECT_EXIT(
        {
            const DisplayLossGuard guard([] { Say("action;"); });
            Say("exit;");
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^exit;action;$");
}

TEST(DisplayLossGuardDeathTest, ExitAfterTheGuardIsGoneRunsNothing) {
    EXPECT_EXIT(
        {
            {
                const DisplayLossGuard guard([] { Say("action;"); });
            }
            Say("exit;");
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^exit;$");
}

// The handler is registered once per process; a later guard must still be the one that runs,
// and not the action of the guard before it, whose storage is gone.
TEST(DisplayLossGuardDeathTest, ALaterGuardReplacesAnEarlierOne) {
    EXPECT_EXIT(
        {
            {
                const DisplayLossGuard first([] { Say("first;"); });
            }
            const DisplayLossGuard second([] { Say("second;"); });
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^second;$");
}

} // namespace
