// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/portal/desktop_screen_cast_portal.h"

#include "platform/portal/desktop_color_portal.h"
#include "platform/portal/portal_request.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QGuiApplication>
#include <QMetaObject>
#include <fcntl.h>
#include <utility>

namespace tessavundo {

namespace {

QString ScreenCastInterface() {
    return QStringLiteral("org.freedesktop.portal.ScreenCast");
}
QString SessionInterface() {
    return QStringLiteral("org.freedesktop.portal.Session");
}

// The portal's bit masks and choices.
constexpr uint kMonitorSource = 1;
constexpr uint kMetadataCursor = 4;
// Kept until the user revokes the permission, not only while the program runs.
constexpr uint kPersistUntilRevoked = 2;
// Request responses: 0 success, 1 the user cancelled, 2 the interaction ended otherwise.
constexpr uint kResponseSuccess = 0;
constexpr uint kResponseCancelled = 1;

QDBusMessage ScreenCastCall(const QString& method) {
    return QDBusMessage::createMethodCall(PortalService(), PortalDesktopPath(),
                                          ScreenCastInterface(), method);
}

// An (ii) pair of a stream's properties, as a point; nothing when it is not there or not that.
std::optional<QPoint> IntegerPair(const QVariantMap& properties, const QString& name) {
    const QVariant value = properties.value(name);
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ii)"))
        return std::nullopt;
    int first = 0;
    int second = 0;
    argument.beginStructure();
    argument >> first >> second;
    argument.endStructure();
    return QPoint(first, second);
}

// Start's streams, a(ua{sv}): each a PipeWire node and the monitor's place in the desktop's
// layout. A stream without a position is the only monitor, at the origin; one without a size
// takes its frames' size (an empty rectangle says so).
QList<std::pair<std::uint32_t, QRect>> StreamsOf(const QVariantMap& results) {
    QList<std::pair<std::uint32_t, QRect>> streams;
    const QVariant value = results.value(QStringLiteral("streams"));
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return streams;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a(ua{sv})"))
        return streams;
    argument.beginArray();
    while (!argument.atEnd()) {
        uint node = 0;
        QVariantMap properties;
        argument.beginStructure();
        argument >> node >> properties;
        argument.endStructure();
        const QPoint position =
            IntegerPair(properties, QStringLiteral("position")).value_or(QPoint());
        const QPoint size = IntegerPair(properties, QStringLiteral("size")).value_or(QPoint());
        const bool sized = size.x() > 0 && size.y() > 0;
        streams.append({node, QRect(position, sized ? QSize(size.x(), size.y()) : QSize())});
    }
    argument.endArray();
    return streams;
}

} // namespace

bool CanShareMonitorsWithPointer(const QVariantMap& properties) {
    bool sourcesKnown = false;
    bool cursorsKnown = false;
    const uint sources =
        properties.value(QStringLiteral("AvailableSourceTypes")).toUInt(&sourcesKnown);
    const uint cursors =
        properties.value(QStringLiteral("AvailableCursorModes")).toUInt(&cursorsKnown);
    return sourcesKnown && cursorsKnown && (sources & kMonitorSource) != 0 &&
           (cursors & kMetadataCursor) != 0;
}

DesktopScreenCastPortal::DesktopScreenCastPortal(RestoreTokenFile tokens,
                                                 ScreenCastStreamOpener openStream)
    : tokens_(std::move(tokens))
    , openStream_(std::move(openStream)) {}

DesktopScreenCastPortal::DesktopScreenCastPortal(const QDBusConnection& bus,
                                                 RestoreTokenFile tokens,
                                                 ScreenCastStreamOpener openStream)
    : bus_(bus)
    , tokens_(std::move(tokens))
    , openStream_(std::move(openStream)) {}

DesktopScreenCastPortal::~DesktopScreenCastPortal() {
    // Leaves no screen shared, and no dialog open, for a program that is gone.
    Stop();
}

const std::vector<ScreenCastMonitor>& DesktopScreenCastPortal::Monitors() const {
    return monitors_;
}

void DesktopScreenCastPortal::Start(WId parent) {
    Stop();
    running_ = true;
    const std::uint64_t run = ++run_;
    parentWindow_ = PortalParentWindow(QGuiApplication::platformName(), parent);
    if (!bus_)
        bus_ = QDBusConnection::sessionBus();
    if (!bus_->isConnected())
        capable_ = false;
    if (capable_) {
        // Said after returning, as the portal's answer would be.
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                if (run == run_)
                    CapabilitiesReplied(*capable_);
            },
            Qt::QueuedConnection);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService(), PortalDesktopPath(), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("GetAll"));
    call << ScreenCastInterface();
    auto* watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, run](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QVariantMap> reply = *finished;
                // No portal, or one without the interface: that stays so while the program runs.
                capable_ = reply.isValid() && CanShareMonitorsWithPointer(reply.value());
                if (run == run_)
                    CapabilitiesReplied(*capable_);
            });
}

void DesktopScreenCastPortal::CapabilitiesReplied(bool capable) {
    if (!capable) {
        Fail(ScreenCastFailure::Unavailable);
        return;
    }
    usedToken_ = tokens_.Read();
    CreateSession();
}

void DesktopScreenCastPortal::CreateSession() {
    const QString sessionToken = NextToken();
    session_ = PortalObjectPath(QStringLiteral("session"), bus_->baseService(), sessionToken);
    Ask(QStringLiteral("CreateSession"), {},
        {{QStringLiteral("session_handle_token"), sessionToken}},
        [this](const QVariantMap& results) {
            // The handle the portal names wins over the one it was asked for.
            const QString handle = results.value(QStringLiteral("session_handle")).toString();
            if (!handle.isEmpty() && handle != session_) {
                CloseSession();
                session_ = handle;
            }
            SelectSources();
        });
}

void DesktopScreenCastPortal::SelectSources() {
    QVariantMap options{{QStringLiteral("types"), kMonitorSource},
                        {QStringLiteral("multiple"), true},
                        {QStringLiteral("cursor_mode"), kMetadataCursor},
                        {QStringLiteral("persist_mode"), kPersistUntilRevoked}};
    if (!usedToken_.isEmpty())
        options.insert(QStringLiteral("restore_token"), usedToken_);
    Ask(QStringLiteral("SelectSources"), {QVariant::fromValue(QDBusObjectPath(session_))},
        std::move(options), [this](const QVariantMap&) { StartCast(); });
}

void DesktopScreenCastPortal::StartCast() {
    Ask(
        QStringLiteral("Start"), {QVariant::fromValue(QDBusObjectPath(session_)), parentWindow_},
        {}, [this](const QVariantMap& results) { CastStarted(results); });
}

void DesktopScreenCastPortal::CastStarted(const QVariantMap& results) {
    pendingStreams_ = StreamsOf(results);
    if (pendingStreams_.isEmpty()) {
        StepFailed();
        return;
    }
    // Each token is good for one session: the new one, or none where the desktop keeps none.
    tokens_.Write(results.value(QStringLiteral("restore_token")).toString());
    QDBusMessage call = ScreenCastCall(QStringLiteral("OpenPipeWireRemote"));
    call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariantMap();
    const std::uint64_t run = run_;
    auto* watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, run](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *finished;
                if (run != run_)
                    return;
                if (!reply.isValid() || !reply.value().isValid()) {
                    Fail(ScreenCastFailure::Failed);
                    return;
                }
                OpenStreams(reply.value().fileDescriptor());
            });
}

void DesktopScreenCastPortal::OpenStreams(int remoteFd) {
    for (const auto& [node, area] : std::as_const(pendingStreams_)) {
        // Every stream takes a descriptor of its own over; the reply keeps the original.
        const int fd = ::fcntl(remoteFd, F_DUPFD_CLOEXEC, 0);
        std::string error;
        auto stream = fd >= 0 ? openStream_(fd, node, error) : nullptr;
        if (!stream) {
            qWarning("screen cast: cannot open the stream of PipeWire node %u: %s", node,
                     error.c_str());
            Fail(ScreenCastFailure::Failed);
            return;
        }
        monitors_.push_back(ScreenCastMonitor{area, std::move(stream)});
    }
    pendingStreams_.clear();
    emit Started();
}

void DesktopScreenCastPortal::StepFailed() {
    if (usedToken_.isEmpty()) {
        Fail(ScreenCastFailure::Failed);
        return;
    }
    // The desktop no longer knows the token (it forgot it, or the monitors changed): it is
    // dropped, and a new session asks the user again.
    tokens_.Write(QString());
    usedToken_.clear();
    DropRequest();
    CloseSession();
    CreateSession();
}

void DesktopScreenCastPortal::Fail(ScreenCastFailure failure) {
    Stop();
    emit Failed(failure);
}

void DesktopScreenCastPortal::Stop() {
    if (!running_)
        return;
    running_ = false;
    ++run_;
    DropRequest();
    // The streams go before the session, so none reports its end as a failure.
    monitors_.clear();
    pendingStreams_.clear();
    CloseSession();
    usedToken_.clear();
}

void DesktopScreenCastPortal::CloseSession() {
    if (session_.isEmpty())
        return;
    SendWithoutWaiting(*bus_, session_, SessionInterface(), QStringLiteral("Close"));
    session_.clear();
}

void DesktopScreenCastPortal::Ask(const QString& method, const QList<QVariant>& arguments,
                                  QVariantMap options,
                                  std::function<void(const QVariantMap&)> next) {
    QDBusMessage call = ScreenCastCall(method);
    for (const QVariant& argument : arguments)
        call << argument;
    DropRequest();
    request_ = new PortalRequest(
        *bus_, call, std::move(options), NextToken(),
        [this, next = std::move(next)](uint response, const QVariantMap& results) {
            DropRequest();
            if (response == kResponseSuccess)
                next(results);
            else if (response == kResponseCancelled)
                Fail(ScreenCastFailure::Refused);
            else
                StepFailed();
        },
        [this](const QString& error) {
            qWarning("screen cast: the portal refused a call: %s", qPrintable(error));
            DropRequest();
            StepFailed();
        },
        this);
}

void DesktopScreenCastPortal::DropRequest() {
    if (request_ == nullptr)
        return;
    request_->Abandon();
    request_->deleteLater();
    request_ = nullptr;
}

QString DesktopScreenCastPortal::NextToken() {
    // Counted for the whole process: a session of one client on the same bus connection must
    // never take the path of another's that the portal has not closed yet.
    static std::uint64_t tokenCount = 0;
    return QStringLiteral("tessavundo_cast%1").arg(++tokenCount);
}

} // namespace tessavundo
