// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// What startup_bench reads from /proc, checked on this test's own process.
#include "bench/startup/process_stats.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>
#include <latch>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tessavundo::startup {
namespace {

TEST(ProcessStats, CountsWakeUpsOfEveryThread) {
    const ProcessActivity before = ReadActivity(getpid());
    std::latch slept(1);
    std::latch read(1);
    std::thread sleeper([&] {
        for (int i = 0; i < 20; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        slept.count_down();
        // Kept alive until read: a thread is counted only as long as it exists.
        read.wait();
    });
    slept.wait();
    const ProcessActivity during = ReadActivity(getpid());
    read.count_down();
    sleeper.join();
    EXPECT_GE(during.contextSwitches - before.contextSwitches, 20);
}

TEST(ProcessStats, MeasuresCpuTimeFinerThanClockTicks) {
    const auto threadCpuMs = [] {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    };
    const double before = ReadCpuMs(getpid());
    const double start = threadCpuMs();
    volatile unsigned spin = 0;
    while (threadCpuMs() - start < 30)
        spin = spin + 1;
    const double spent = ReadCpuMs(getpid()) - before;
    // The scheduler may not yet have accounted the last tick of the running thread.
    EXPECT_GE(spent, 20);
    EXPECT_LT(spent, 1000);
}

TEST(ProcessStats, PeakMemoryKeepsTheHighestUse) {
    const long before = ReadPeakResidentKib(getpid());
    ASSERT_GT(before, 0);
    {
        constexpr std::size_t kBytes = 64 << 20;
        const auto block = std::make_unique<char[]>(kBytes);
        std::memset(block.get(), 1, kBytes);
        ASSERT_EQ(block[kBytes - 1], 1);
    }
    EXPECT_GE(ReadPeakResidentKib(getpid()), before + 60 * 1024);
}

TEST(ProcessStats, GivesNothingForAProcessThatIsGone) {
    pid_t child = fork();
    if (child == 0)
        _exit(0);
    ASSERT_GT(child, 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(ReadPeakResidentKib(child), -1);
    EXPECT_EQ(ReadActivity(child).contextSwitches, 0);
    EXPECT_EQ(ReadCpuMs(child), 0);
}

} // namespace
} // namespace tessavundo::startup
