// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

namespace tessavundo::startup {

// What /proc tells about a running process, all of its threads together.
struct ProcessActivity {
    // Voluntary and involuntary context switches: each wake-up of a thread counts at least one.
    long contextSwitches = 0;
    // User and system time in clock ticks.
    long cpuTicks = 0;
};

ProcessActivity ReadActivity(pid_t pid);

// CPU time used so far by all threads, in milliseconds (from the scheduler's nanosecond
// accounting, finer than the clock ticks of ProcessActivity).
double ReadCpuMs(pid_t pid);

// The peak resident set size (VmHWM) in KiB; -1 if unreadable.
long ReadPeakResidentKib(pid_t pid);

} // namespace tessavundo::startup
