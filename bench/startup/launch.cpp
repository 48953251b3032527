#include "bench/startup/launch.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <thread>
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

Launch::Launch(const std::string& program) {
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
    std::string programCopy = program;
    char* arguments[] = {programCopy.data(), nullptr};
    startedAt_ = std::chrono::steady_clock::now();
    if (posix_spawn(&pid_, program.c_str(), nullptr, nullptr, arguments,
                    environmentPointers.data()) != 0)
        pid_ = 0;
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
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

} // namespace tessavundo::startup
