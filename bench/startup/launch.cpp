// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/startup/launch.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tessavundo::startup {
namespace {

// The caller's environment with a fresh settings folder and runtime folder, and the X11
// platform, whatever platform the caller was set to.
std::vector<std::string> Environment(const std::string& configDir, const std::string& runtimeDir) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view text(*variable);
        if (!text.starts_with("XDG_CONFIG_HOME=") && !text.starts_with("XDG_RUNTIME_DIR=") &&
            !text.starts_with("QT_QPA_PLATFORM="))
            variables.emplace_back(text);
    }
    variables.push_back("XDG_CONFIG_HOME=" + configDir);
    variables.push_back("XDG_RUNTIME_DIR=" + runtimeDir);
    variables.push_back("QT_QPA_PLATFORM=xcb");
    return variables;
}

bool WaitForExit(pid_t pid, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

} // namespace

Launch::Launch(const std::string& program, const std::vector<std::string>& arguments,
               bool captureOutput) {
    char folderTemplate[] = "/tmp/tessavundo-startup-XXXXXX";
    if (!mkdtemp(folderTemplate))
        return;
    folder_ = folderTemplate;
    const std::string configDir = folder_ + "/config";
    const std::string runtimeDir = folder_ + "/runtime";
    std::error_code ignored;
    std::filesystem::create_directory(configDir, ignored);
    std::filesystem::create_directory(runtimeDir, ignored);
    std::filesystem::permissions(runtimeDir, std::filesystem::perms::owner_all, ignored);

    std::vector<std::string> environment = Environment(configDir, runtimeDir);
    std::vector<char*> environmentPointers;
    for (std::string& variable : environment)
        environmentPointers.push_back(variable.data());
    environmentPointers.push_back(nullptr);
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argumentPointers;
    for (std::string& word : words)
        argumentPointers.push_back(word.data());
    argumentPointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeEnds[2] = {-1, -1};
    if (captureOutput && pipe(pipeEnds) == 0) {
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    }
    startedAt_ = std::chrono::steady_clock::now();
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argumentPointers.data(),
                    environmentPointers.data()) != 0)
        pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    if (pipeEnds[1] >= 0) {
        close(pipeEnds[1]);
        output_ = pipeEnds[0];
    }
}

std::optional<double> Launch::KillAndReadCpuMs() {
    if (pid_ <= 0)
        return std::nullopt;
    kill(pid_, SIGKILL);
    rusage usage{};
    const bool reaped = wait4(pid_, nullptr, 0, &usage) == pid_;
    pid_ = 0;
    if (!reaped)
        return std::nullopt;
    const auto ms = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

std::optional<std::chrono::steady_clock::time_point>
Launch::WaitForEnd(std::chrono::milliseconds timeout) {
    if (pid_ <= 0)
        return std::nullopt;
    // A process descriptor becomes readable the moment the process ends.
    const int descriptor = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
    if (descriptor < 0)
        return std::nullopt;
    pollfd ended{descriptor, POLLIN, 0};
    const bool hasEnded = poll(&ended, 1, static_cast<int>(timeout.count())) == 1;
    const auto endedAt = std::chrono::steady_clock::now();
    close(descriptor);
    if (!hasEnded)
        return std::nullopt;
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
    return endedAt;
}

Launch::~Launch() {
    // A terminate request closes the window the ordinary way; a program that ignores it is
    // killed.
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        if (!WaitForExit(pid_, std::chrono::seconds(5))) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    if (output_ >= 0)
        close(output_);
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

} // namespace tessavundo::startup
