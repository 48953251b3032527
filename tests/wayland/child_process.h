// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tessavundo::test {

using namespace std::chrono_literals;

inline constexpr auto kPatience = 10s;

// A helper program as a child process, spoken to through its standard input and output.
class ChildProcess {
public:
    ChildProcess(std::string program, std::vector<std::string> arguments) {
        int toChild[2] = {-1, -1};
        int fromChild[2] = {-1, -1};
        if (pipe(toChild) != 0 || pipe(fromChild) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toChild[0], STDIN_FILENO);
            dup2(fromChild[1], STDOUT_FILENO);
            close(toChild[1]);
            close(fromChild[0]);
            std::vector<char*> argv;
            argv.push_back(program.data());
            for (std::string& argument : arguments)
                argv.push_back(argument.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        input_ = toChild[1];
        output_ = fromChild[0];
    }

    ~ChildProcess() {
        if (input_ >= 0)
            close(input_);
        if (pid_ > 0) {
            // Closing its input ends the child; a child that hangs is killed.
            for (int i = 0; i < 200 && waitpid(pid_, nullptr, WNOHANG) == 0; ++i)
                std::this_thread::sleep_for(10ms);
            if (kill(pid_, SIGKILL) == 0)
                waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0)
            close(output_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess(ChildProcess&&) = delete;
    ChildProcess& operator=(ChildProcess&&) = delete;

    void Send(const std::string& line) {
        const std::string text = line + "\n";
        ASSERT_EQ(write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // The rest of the first line the child prints that starts with `word`, or nothing when
    // none comes in time.
    std::optional<std::string> WaitFor(const std::string& word) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < deadline) {
            for (std::size_t end = buffered_.find('\n'); end != std::string::npos;
                 end = buffered_.find('\n')) {
                const std::string line = buffered_.substr(0, end);
                buffered_.erase(0, end + 1);
                if (line.rfind(word, 0) == 0)
                    return line.substr(word.size());
            }
            pollfd ready{output_, POLLIN, 0};
            if (poll(&ready, 1, 100) <= 0)
                continue;
            char chunk[256];
            const ssize_t got = read(output_, chunk, sizeof chunk);
            if (got <= 0)
                return std::nullopt;
            buffered_.append(chunk, static_cast<std::size_t>(got));
        }
        return std::nullopt;
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string buffered_;
};

} // namespace tessavundo::test
