// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/portal/portal_request.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <utility>

namespace tessavundo {

namespace {

const char* const kResponseSlot = SLOT(Response(uint, QVariantMap, QDBusMessage));

} // namespace

QString PortalObjectPath(const QString& kind, const QString& uniqueName, const QString& token) {
    QString sender = uniqueName.startsWith(QLatin1Char(':')) ? uniqueName.mid(1) : uniqueName;
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return PortalDesktopPath() + QLatin1Char('/') + kind + QLatin1Char('/') + sender +
           QLatin1Char('/') + token;
}

void SendWithoutWaiting(const QDBusConnection& bus, const QString& path,
                        const QString& interfaceName, const QString& method) {
    bus.send(QDBusMessage::createMethodCall(PortalService(), path, interfaceName, method));
}

PortalRequest::PortalRequest(const QDBusConnection& bus, QDBusMessage call, QVariantMap options,
                             const QString& token, Answered answered, Refused refused,
                             QObject* parent)
    : QObject(parent)
    , bus_(bus)
    , answered_(std::move(answered))
    , refused_(std::move(refused)) {
    Listen(RequestPath(bus_.baseService(), token));
    options.insert(QStringLiteral("handle_token"), token);
    call << options;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                Replied(*finished);
            });
}

PortalRequest::~PortalRequest() {
    Abandon();
}

void PortalRequest::Abandon() {
    if (!pending_)
        return;
    pending_ = false;
    // Before the portal has replied, its interface may only be opening, and a Close sent now may
    // come before the request exists; the reply closes it again then (see Replied).
    SendWithoutWaiting(bus_, path_, PortalRequestInterface(), QStringLiteral("Close"));
    StopListening();
}

void PortalRequest::Replied(const QDBusPendingCallWatcher& call) {
    const QDBusPendingReply<QDBusObjectPath> reply = call;
    if (!pending_) {
        if (reply.isValid())
            SendWithoutWaiting(bus_, reply.value().path(), PortalRequestInterface(),
                               QStringLiteral("Close"));
        return;
    }
    if (reply.isError()) {
        pending_ = false;
        StopListening();
        refused_(reply.error().name() + QStringLiteral(": ") + reply.error().message());
        return;
    }
    // Portals older than the handle token choose the request's path themselves.
    if (const QString path = reply.value().path(); path != path_) {
        StopListening();
        Listen(path);
    }
}

void PortalRequest::Response(uint response, const QVariantMap& results,
                             const QDBusMessage& message) {
    // A signal already on its way when the request was abandoned still arrives.
    if (!pending_ || message.path() != path_)
        return;
    pending_ = false;
    StopListening();
    answered_(response, results);
}

void PortalRequest::Listen(const QString& path) {
    path_ = path;
    bus_.connect(PortalService(), path_, PortalRequestInterface(), QStringLiteral("Response"), this,
                 kResponseSlot);
}

void PortalRequest::StopListening() {
    bus_.disconnect(PortalService(), path_, PortalRequestInterface(), QStringLiteral("Response"),
                    this, kResponseSlot);
}

} // namespace tessavundo
