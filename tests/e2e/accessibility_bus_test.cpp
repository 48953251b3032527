// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The real picker on a session bus of the test's own whose accessibility bus does not answer:
// its owner stopped, or an accessibility bus address that accepts connections and never
// answers. The window comes up at once, without screen-reader support, says so, and still ends
// normally with its values saved. Where the bus answers, nothing is said.
#include "tests/e2e/picker_session.h"
#include "tests/support/private_session_bus.h"

#include <QElapsedTimer>
#include <QSettings>
#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tessavundo::e2e;
using tessavundo::testing::PrivateSessionBus;

namespace {

const QByteArray kWarning =
    "tessavundo: the accessibility bus does not answer; starting without screen reader support\n";
// The toolkit's bridge waits 25 seconds for each of its questions; an answer that comes later
// than this came from no wait of its.
constexpr qint64 kPromptStartMs = 10000;

// Holds a name on the bus; stopped, it is an owner that never answers.
class NameOwner {
public:
    NameOwner(const QString& busAddress, const QString& name) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start(QStringLiteral(BUS_NAME_OWNER), {name});
        ready_ = process_.waitForStarted() && process_.waitForReadyRead(10000) &&
                 process_.readLine().trimmed() == "ready";
    }

    ~NameOwner() {
        process_.kill();
        process_.waitForFinished();
    }

    bool Ready() const { return ready_; }
    void Stop() { ::kill(static_cast<pid_t>(process_.processId()), SIGSTOP); }

private:
    QProcess process_;
    bool ready_ = false;
};

// Listens and never takes a connection in: the system accepts them into its queue, and nothing
// is ever said on them.
class MuteServer {
public:
    explicit MuteServer(const QString& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
            return;
        std::copy(name.begin(), name.end(), address.sun_path);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        listening_ =
            fd_ >= 0 &&
            ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(fd_, 16) == 0;
    }

    ~MuteServer() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    MuteServer(const MuteServer&) = delete;
    MuteServer& operator=(const MuteServer&) = delete;

    bool Listening() const { return listening_; }

private:
    int fd_ = -1;
    bool listening_ = false;
};

struct Start {
    bool windowShown = false;
    qint64 elapsedMs = 0;
};

Start StartPicker(PickerSession& picker) {
    QElapsedTimer clock;
    clock.start();
    Start start;
    start.windowShown = picker.Start();
    start.elapsedMs = clock.elapsed();
    return start;
}

// Closing works, and the values are saved: the event loop runs.
void EndsWithTheValuesSaved(PickerSession& picker, const QString& configDir) {
    picker.Process().terminate();
    QVERIFY(picker.Process().waitForFinished(15000));
    QCOMPARE(picker.Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(picker.Process().exitCode(), 0);
    QSettings stored(configDir + QStringLiteral("/ColorPicker.conf"), QSettings::IniFormat);
    stored.beginGroup(QStringLiteral("position"));
    QCOMPARE(stored.childKeys().size(), 9);
}

} // namespace

class AccessibilityBusTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void stoppedOwnerOfTheBus();
    void addressThatNeverAnswers();
    void noAccessibilityBusSaysNothing();

private:
    void PreparePicker(PickerSession& picker) const;

    std::unique_ptr<PrivateSessionBus> bus_;
    QTemporaryDir runtimeDir_;
};

void AccessibilityBusTest::init() {
    bus_ = std::make_unique<PrivateSessionBus>();
    if (const QString problem = bus_->Start(); !problem.isEmpty())
        QSKIP(qPrintable(problem));
}

void AccessibilityBusTest::PreparePicker(PickerSession& picker) const {
    picker.SetEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus_->Address());
    // Else the toolkit complains of its absence on the same channel.
    picker.SetEnvironment(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
    picker.UnsetEnvironment(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    picker.UnsetEnvironment(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
    picker.Process().setProcessChannelMode(QProcess::SeparateChannels);
}

void AccessibilityBusTest::stoppedOwnerOfTheBus() {
    NameOwner owner(bus_->Address(), QStringLiteral("org.a11y.Bus"));
    QVERIFY2(owner.Ready(), "the owner of org.a11y.Bus did not start");
    owner.Stop();
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    PreparePicker(picker);

    const Start start = StartPicker(picker);
    QVERIFY2(start.windowShown, "the window titled Tessavundo never appeared");
    QVERIFY2(start.elapsedMs < kPromptStartMs, qPrintable(QString::number(start.elapsedMs)));
    EndsWithTheValuesSaved(picker, configDir.path());
    QCOMPARE(picker.Process().readAllStandardError(), kWarning);
}

void AccessibilityBusTest::addressThatNeverAnswers() {
    QTemporaryDir socketDir;
    const QString path = socketDir.filePath(QStringLiteral("a11y"));
    const MuteServer mute(path);
    QVERIFY2(mute.Listening(), "cannot listen on a socket of the test's own");
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    PreparePicker(picker);
    picker.SetEnvironment(QStringLiteral("AT_SPI_BUS_ADDRESS"),
                          QStringLiteral("unix:path=") + path);

    const Start start = StartPicker(picker);
    QVERIFY2(start.windowShown, "the window titled Tessavundo never appeared");
    EndsWithTheValuesSaved(picker, configDir.path());
    QCOMPARE(picker.Process().readAllStandardError(), kWarning);
}

void AccessibilityBusTest::noAccessibilityBusSaysNothing() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    PreparePicker(picker);
    const Start start = StartPicker(picker);
    QVERIFY2(start.windowShown, "the window titled Tessavundo never appeared");
    EndsWithTheValuesSaved(picker, configDir.path());
    QCOMPARE(picker.Process().readAllStandardError(), QByteArray());
}

QTEST_GUILESS_MAIN(AccessibilityBusTest)
#include "accessibility_bus_test.moc"
