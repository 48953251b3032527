// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/termination_watcher.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessavundo {

namespace {

// SIGHUP comes when the terminal the program was started from is closed. SIGQUIT keeps its
// default, a core dump, which is what the user asks for by it.
constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

// The signal handler may only write to a descriptor; the event loop reads the other end.
int g_wakeFds[2] = {-1, -1};
std::array<struct sigaction, kSignals.size()> g_previous{};
std::array<bool, kSignals.size()> g_installed{};

void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full buffer already holds a wake-up, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_wakeFds[1], &byte, 1);
    errno = savedErrno;
}

void SetFlags(int fd) {
    ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

} // namespace

void TerminationWatcher::WatchSignals() {
    Q_ASSERT_X(g_wakeFds[0] == -1, "TerminationWatcher", "one watcher per process");
    // Without the socket pair the signals keep their default action, which ends the program
    // without its shut-down but is still an answer to the request.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_wakeFds) != 0) {
        g_wakeFds[0] = g_wakeFds[1] = -1;
        return;
    }
    SetFlags(g_wakeFds[0]);
    SetFlags(g_wakeFds[1]);

    // A child of the watcher: it goes with it, after the descriptors are closed, disabled so
    // that it never watches a closed descriptor.
    notifier_ = new QSocketNotifier(g_wakeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(g_wakeFds[0], buffer, sizeof buffer) > 0) {
        }
        Request();
    });

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    // Each signal is caught once; asked a second time, the program ends at once, so a shut-down
    // that hangs can still be interrupted.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        // A signal ignored from the start (a background job of a shell) stays ignored.
        ::sigaction(kSignals[i], nullptr, &g_previous[i]);
        g_installed[i] =
            g_previous[i].sa_handler != SIG_IGN && ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

void TerminationWatcher::StopWatchingSignals() {
    if (g_wakeFds[0] == -1)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (g_installed[i]) {
            ::sigaction(kSignals[i], &g_previous[i], nullptr);
            g_installed[i] = false;
        }
    }
    notifier_->setEnabled(false);
    ::close(g_wakeFds[0]);
    ::close(g_wakeFds[1]);
    g_wakeFds[0] = g_wakeFds[1] = -1;
}

} // namespace tessavundo
