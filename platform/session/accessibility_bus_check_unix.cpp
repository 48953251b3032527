// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/session/accessibility_bus_check.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tessavundo {

namespace {

using namespace std::chrono_literals;

// A bus that answers does so within a millisecond or two; the wait only costs where it does
// not, and is still far below the bridge's 25 seconds.
constexpr auto kAnswerTimeout = 500ms;
constexpr auto kHandshakeTimeout = 300ms;

// Both the bus name and the interface of the bus launcher.
QString BusService() {
    return QStringLiteral("org.a11y.Bus");
}

int Milliseconds(std::chrono::milliseconds duration) {
    return static_cast<int>(duration.count());
}

// The socket of a "unix:path=..." or "unix:abstract=..." bus address; nothing for other
// transports, which are taken to answer.
std::optional<sockaddr_un> UnixSocket(const std::string& address) {
    const std::string entry = address.substr(0, address.find(';'));
    if (entry.rfind("unix:", 0) != 0)
        return std::nullopt;
    sockaddr_un socket{};
    socket.sun_family = AF_UNIX;
    for (const std::string_view key : {"path=", "abstract="}) {
        const std::size_t start = entry.find(key);
        if (start == std::string::npos)
            continue;
        const std::size_t valueStart = start + key.size();
        const std::string value =
            entry.substr(valueStart, entry.find(',', valueStart) - valueStart);
        const std::size_t offset = key == "abstract=" ? 1 : 0;
        if (value.empty() || value.size() + offset >= sizeof socket.sun_path)
            return std::nullopt;
        value.copy(socket.sun_path + offset, value.size());
        return socket;
    }
    return std::nullopt;
}

bool WaitFor(int fd, short events) {
    pollfd watched{fd, events, 0};
    return ::poll(&watched, 1, Milliseconds(kHandshakeTimeout)) == 1 &&
           (watched.revents & events) != 0;
}

// Whether a D-Bus server at `address` answers the first line of a handshake. An address that
// refuses the connection answers too: the bridge's own connection then fails at once.
bool BusAnswers(const std::string& address) {
    const std::optional<sockaddr_un> socketAddress = UnixSocket(address);
    if (!socketAddress)
        return true;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;
    const auto length = static_cast<socklen_t>(sizeof *socketAddress);
    bool answers = true;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&*socketAddress), length) == 0 ||
        (errno == EINPROGRESS && WaitFor(fd, POLLOUT))) {
        // A nul byte, then an authentication request naming no mechanism: every server answers
        // it at once with the mechanisms it offers.
        constexpr char kHello[] = "\0AUTH\r\n";
        char reply = 0;
        answers = ::send(fd, kHello, sizeof kHello - 1, MSG_NOSIGNAL) > 0 && WaitFor(fd, POLLIN) &&
                  ::recv(fd, &reply, 1, 0) == 1;
    }
    ::close(fd);
    return answers;
}

// Keeps the toolkit's bridge from blocking on the bus: it skips asking whether a screen reader
// runs when told that accessibility is always on, and its own connection to the accessibility
// bus, named "a11y", is then this one, already failed, instead of a wait on a server that
// never answers.
void KeepTheBridgeOffTheBus() {
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    qunsetenv("AT_SPI_BUS_ADDRESS");
    QDBusConnection::connectToBus(QStringLiteral("unix:path=/dev/null/no-accessibility-bus"),
                                  QStringLiteral("a11y"));
    std::fputs("tessavundo: the accessibility bus does not answer; starting without screen "
               "reader support\n",
               stderr);
}

} // namespace

struct AccessibilityBusCheck::Pending {
    // The answer of the accessibility bus's owner on the session bus.
    std::optional<QDBusPendingCallWatcher> watcher;
    // Decided at once, before any question went out.
    std::optional<bool> answered;
};

AccessibilityBusCheck::AccessibilityBusCheck()
    : pending_(std::make_unique<Pending>()) {
    // Only the toolkit's desktop platforms have the bridge; the offscreen one has none.
    const QString platform = QGuiApplication::platformName();
    if (!platform.startsWith(QLatin1String("xcb")) &&
        !platform.startsWith(QLatin1String("wayland"))) {
        pending_->answered = true;
        return;
    }
    // The toolkit takes this address over everything else.
    const QByteArray explicitAddress = qgetenv("AT_SPI_BUS_ADDRESS");
    if (!explicitAddress.isEmpty()) {
        pending_->answered = BusAnswers(explicitAddress.toStdString());
        return;
    }
    const QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected()) {
        // The bridge finds no bus either, and gives up at once.
        pending_->answered = true;
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        BusService(), QStringLiteral("/org/a11y/bus"), BusService(), QStringLiteral("GetAddress"));
    // The bridge does not start the accessibility bus either; with none running, the session
    // bus answers at once that nobody has the name.
    call.setAutoStartService(false);
    pending_->watcher.emplace(session.asyncCall(call));
}

AccessibilityBusCheck::~AccessibilityBusCheck() = default;

bool AccessibilityBusCheck::Settle() {
    if (!pending_->answered) {
        QDBusPendingCallWatcher& watcher = *pending_->watcher;
        if (!watcher.isFinished()) {
            QEventLoop loop;
            QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop,
                             &QEventLoop::quit);
            QTimer::singleShot(kAnswerTimeout, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        const QDBusPendingReply<QString> reply = watcher;
        if (!watcher.isFinished())
            pending_->answered = false;
        else if (reply.isError())
            // Nobody has the name: the bridge asks nothing more.
            pending_->answered = true;
        else
            pending_->answered = BusAnswers(reply.value().toStdString());
    }
    if (!*pending_->answered)
        KeepTheBridgeOffTheBus();
    return *pending_->answered;
}

} // namespace tessavundo
