// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QGuiApplication;
class QSocketNotifier;

namespace tessavundo {

// Gathers the ways the program is told to end from outside into one signal: SIGTERM, SIGINT and
// SIGHUP where the platform has them, and the event loop being told to quit (as the session
// manager does when the desktop session ends). The program answers it by closing its window, so
// the usual shut-down runs. One watcher per process.
class TerminationWatcher final : public QObject {
    Q_OBJECT

public:
    explicit TerminationWatcher(QGuiApplication& application, QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    // Emitted on the thread that created the watcher, from its event loop, at most once.
    void TerminationRequested();

private:
    void Request();

    // Platform-specific, in termination_signals_*.cpp.
    void WatchSignals();
    void StopWatchingSignals();

    bool requested_ = false;
    // Reads the wake-ups the signal handler writes, where the platform has signals.
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tessavundo
