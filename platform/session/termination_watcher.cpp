// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/termination_watcher.h"

#include <QGuiApplication>

namespace tessavundo {

TerminationWatcher::TerminationWatcher(QGuiApplication& application, QObject* parent)
    : QObject(parent) {
    // The session manager asks to save data also for a mere checkpoint of the session, so that
    // request is no reason to end. When the session really ends the manager tells the program
    // to quit, and the event loop is left without the window being closed: that is the moment
    // to ask for the usual shut-down.
    connect(&application, &QCoreApplication::aboutToQuit, this, &TerminationWatcher::Request);
    WatchSignals();
}

TerminationWatcher::~TerminationWatcher() {
    StopWatchingSignals();
}

void TerminationWatcher::Request() {
    if (requested_)
        return;
    requested_ = true;
    emit TerminationRequested();
}

} // namespace tessavundo
