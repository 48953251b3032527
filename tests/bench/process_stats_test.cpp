// What startup_bench reads from /proc, checked on this test's own process.
#include "bench/startup/process_stats.h"

#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tessavundo::startup {
namespace {

TEST(ProcessStats, CountsWakeUpsOfEveryThread) {
    const ProcessActivity before = ReadActivity(getpid());
    std::thread sleeper([] {
        for (int i = 0; i < 20; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    // Read while the thread is alive: it is counted only as long as it exists.
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const ProcessActivity during = ReadActivity(getpid());
    sleeper.join();
    EXPECT_GE(during.contextSwitches - before.contextSwitches, 5);
}

TEST(ProcessStats, MeasuresCpuTimeFinerThanClockTicks) {
    const double before = ReadCpuMs(getpid());
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(30);
    volatile unsigned spin = 0;
    while (std::chrono::steady_clock::now() < end)
        spin = spin + 1;
    const double spent = ReadCpuMs(getpid()) - before;
    EXPECT_GT(spent, 5);
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
