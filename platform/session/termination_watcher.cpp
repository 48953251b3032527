#include "platform/session/termination_watcher.h"

#include <QGuiApplication>

namespace tessavundo {

TerminationWatcher::TerminationWatcher(QGuiApplication& application, QObject* parent)
    : QObject(parent) {
    // The session manager must not see the program end inside its request, so the request is
    // answered from the event loop, after the handler has returned.
    connect(&application, &QGuiApplication::commitDataRequest, this, [this] {
        QMetaObject::invokeMethod(this, &TerminationWatcher::Request, Qt::QueuedConnection);
    });
    WatchSignals();
}

TerminationWatcher::~TerminationWatcher() {
    StopWatchingSignals();
}

void TerminationWatcher::Request() {
    if (m_requested) {
        return;
    }
    m_requested = true;
    emit TerminationRequested();
}

} // namespace tessavundo
