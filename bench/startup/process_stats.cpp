// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/startup/process_stats.h"

#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>

namespace tessavundo::startup {
namespace {

// The value of a "Name:   value" line of a status file, or 0.
long StatusField(const std::string& path, const std::string& name) {
    std::ifstream status(path);
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, name.size() + 1, name + ":") == 0)
            return std::stol(line.substr(name.size() + 1));
    return 0;
}

} // namespace

ProcessActivity ReadActivity(pid_t pid) {
    ProcessActivity activity;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* tasks = opendir(taskDir.c_str())) {
        while (const dirent* task = readdir(tasks)) {
            if (task->d_name[0] == '.')
                continue;
            const std::string status = taskDir + "/" + task->d_name + "/status";
            activity.contextSwitches += StatusField(status, "voluntary_ctxt_switches") +
                                        StatusField(status, "nonvoluntary_ctxt_switches");
        }
        closedir(tasks);
    }

    // Fields 14 and 15 of /proc/<pid>/stat, counted after the command name in parentheses
    // (which may hold spaces): the whole process's user and system time.
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(statFile)), {});
    const auto afterName = stat.rfind(')');
    if (afterName != std::string::npos) {
        std::istringstream fields(stat.substr(afterName + 2));
        std::string field;
        for (int number = 3; number <= 15 && fields >> field; ++number)
            if (number >= 14)
                activity.cpuTicks += std::stol(field);
    }
    return activity;
}

double ReadCpuMs(pid_t pid) {
    double nanoseconds = 0;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* tasks = opendir(taskDir.c_str())) {
        while (const dirent* task = readdir(tasks)) {
            if (task->d_name[0] == '.')
                continue;
            std::ifstream schedstat(taskDir + "/" + task->d_name + "/schedstat");
            double onCpu = 0;
            if (schedstat >> onCpu)
                nanoseconds += onCpu;
        }
        closedir(tasks);
    }
    return nanoseconds / 1e6;
}

long ReadPeakResidentKib(pid_t pid) {
    const long peak = StatusField("/proc/" + std::to_string(pid) + "/status", "VmHWM");
    return peak > 0 ? peak : -1;
}

} // namespace tessavundo::startup
