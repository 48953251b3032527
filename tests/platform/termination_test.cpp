// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/termination_watcher.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <thread>

using tessavundo::TerminationWatcher;

namespace {

volatile std::sig_atomic_t g_caughtByPrevious = 0;

void PreviousHandler(int signal) {
    g_caughtByPrevious = signal;
}

// A QSessionManager cannot be made outside Qt, and the watcher never looks at it, so the signal
// is sent without one, as the session manager's request to save data.
void SendCommitDataRequest() {
    const QMetaObject& meta = QGuiApplication::staticMetaObject;
    const int index = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest).methodIndex();
    void* arguments[] = {nullptr, nullptr};
    QMetaObject::activate(qGuiApp, &meta, index - meta.methodOffset(), arguments);
}

// Runs the application's event loop until it is told to quit, as the session manager does at
// the end of the session.
void QuitEventLoop() {
    QTimer::singleShot(0, qGuiApp,
                       [] { QCoreApplication::postEvent(qGuiApp, new QEvent(QEvent::Quit)); });
    QGuiApplication::exec();
}

} // namespace

class TerminationTest : public QObject {
    Q_OBJECT

private slots:
    void signalEmitsOnceOnGuiThread_data();
    void signalEmitsOnceOnGuiThread();
    void sessionEndEmitsOnce();
    void previousHandlersComeBack();
    void ignoredSignalStaysIgnored();
};

void TerminationTest::signalEmitsOnceOnGuiThread_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("laterSignal");
    QTest::addColumn<bool>("fromOtherThread");
    QTest::newRow("SIGTERM") << SIGTERM << SIGINT << false;
    QTest::newRow("SIGINT") << SIGINT << SIGTERM << false;
    QTest::newRow("SIGTERM on another thread") << SIGTERM << SIGINT << true;
}

void TerminationTest::signalEmitsOnceOnGuiThread() {
    QFETCH(int, signal);
    QFETCH(int, laterSignal);
    QFETCH(bool, fromOtherThread);
    TerminationWatcher watcher(*qGuiApp);
    QList<QThread*> threads;
    connect(&watcher, &TerminationWatcher::TerminationRequested,
            [&threads] { threads << QThread::currentThread(); });

    if (fromOtherThread) {
        std::thread([signal] { std::raise(signal); }).join();
    } else {
        std::raise(signal);
        // Only the event loop may emit, never the signal handler.
        QCOMPARE(threads.size(), 0);
    }
    QTRY_COMPARE(threads.size(), 1);
    QCOMPARE(threads.first(), qGuiApp->thread());

    // A second request of another kind is not a second shut-down.
    std::raise(laterSignal);
    SendCommitDataRequest();
    // A while for a second shut-down to start: none may.
    QTest::qWait(100);
    QCOMPARE(threads.size(), 1);

    // Asked the same way again, the program ends at once.
    struct sigaction now {};
    ::sigaction(signal, nullptr, &now);
    QVERIFY(now.sa_handler == SIG_DFL);
}

void TerminationTest::sessionEndEmitsOnce() {
    TerminationWatcher watcher(*qGuiApp);
    QSignalSpy spy(&watcher, &TerminationWatcher::TerminationRequested);

    // A request to save data, as for a checkpoint of the session, ends nothing.
    SendCommitDataRequest();
    // A while for a request to arrive: none may.
    QTest::qWait(50);
    QCOMPARE(spy.count(), 0);
    QuitEventLoop();
    QCOMPARE(spy.count(), 1);
    QuitEventLoop();
    std::raise(SIGTERM);
    // A while for a second request to arrive: none may.
    QTest::qWait(100);
    QCOMPARE(spy.count(), 1);
}

void TerminationTest::previousHandlersComeBack() {
    std::signal(SIGTERM, PreviousHandler);
    std::signal(SIGINT, PreviousHandler);
    {
        TerminationWatcher watcher(*qGuiApp);
        QSignalSpy spy(&watcher, &TerminationWatcher::TerminationRequested);
        std::raise(SIGINT);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(g_caughtByPrevious, 0);
    }
    std::raise(SIGTERM);
    QCOMPARE(g_caughtByPrevious, SIGTERM);
    std::raise(SIGINT);
    QCOMPARE(g_caughtByPrevious, SIGINT);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

void TerminationTest::ignoredSignalStaysIgnored() {
    std::signal(SIGINT, SIG_IGN);
    TerminationWatcher watcher(*qGuiApp);
    QSignalSpy spy(&watcher, &TerminationWatcher::TerminationRequested);
    std::raise(SIGINT);
    // A while for the ignored signal to be taken up: it may not.
    QTest::qWait(100);
    QCOMPARE(spy.count(), 0);
    std::raise(SIGTERM);
    QTRY_COMPARE(spy.count(), 1);
    std::signal(SIGINT, SIG_DFL);
}

QTEST_MAIN(TerminationTest)
#include "termination_test.moc"
