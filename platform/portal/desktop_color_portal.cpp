// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/portal/desktop_color_portal.h"

#include "core/unit_channels.h"
#include "platform/portal/portal_request.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <optional>

namespace tessavundo {

namespace {

QString ScreenshotInterface() {
    return QStringLiteral("org.freedesktop.portal.Screenshot");
}
const char* const kResponseSlot = SLOT(Response(QDBusMessage));
// A response code and the results; anything else is no answer.
const QLatin1String kResponseSignature("ua{sv}");
// Success, the user cancelled, the interaction ended some other way.
constexpr uint kSuccess = 0;
constexpr uint kLastKnownResponse = 2;

// results["color"] is a structure of three doubles from 0 to 1.
std::optional<PackedColor> PickedColor(const QVariantMap& results) {
    const QVariant color = results.value(QStringLiteral("color"));
    if (color.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto argument = color.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double red = 0;
    double green = 0;
    double blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    return PackUnitChannels(red, green, blue);
}

} // namespace

QString PortalParentWindow(const QString& platformName, WId window) {
    if (platformName != QLatin1String("xcb") || window == 0)
        return QString();
    return QStringLiteral("x11:") + QString::number(window, 16);
}

DesktopColorPortal::DesktopColorPortal() = default;

DesktopColorPortal::DesktopColorPortal(const QDBusConnection& bus)
    : bus_(bus) {}

DesktopColorPortal::~DesktopColorPortal() {
    // Leaves no picking interface of the desktop open for a program that is gone.
    Cancel();
}

void DesktopColorPortal::PickColor(WId parent) {
    Cancel();
    token_ = QStringLiteral("tessavundo%1").arg(++requestCount_);
    if (!bus_)
        bus_ = QDBusConnection::sessionBus();
    if (!bus_->isConnected()) {
        // No session bus, so no portal. Said after returning, as a portal's answer would be.
        QMetaObject::invokeMethod(
            this,
            [this, token = token_] {
                if (token != token_)
                    return;
                token_.clear();
                emit Unavailable();
            },
            Qt::QueuedConnection);
        return;
    }
    if (!portalWatcher_) {
        portalWatcher_ = new QDBusServiceWatcher(PortalService(), *bus_,
                                                 QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(portalWatcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                &DesktopColorPortal::PortalOwnerChanged);
    }
    Listen(RequestPath(bus_->baseService(), token_));
    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService(), PortalDesktopPath(), ScreenshotInterface(), QStringLiteral("PickColor"));
    call << PortalParentWindow(QGuiApplication::platformName(), parent)
         << QVariantMap{{QStringLiteral("handle_token"), token_}};
    auto* watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, token = token_](QDBusPendingCallWatcher* finished) {
                PickColorReplied(*finished, token);
                finished->deleteLater();
            });
}

void DesktopColorPortal::PickColorReplied(const QDBusPendingCallWatcher& call,
                                          const QString& token) {
    const QDBusPendingReply<QDBusObjectPath> reply = call;
    if (token != token_) {
        // Dropped before the portal replied: its interface may only be opening now, and the
        // Close sent then may have come before the request existed. A second Close does no
        // harm.
        if (reply.isValid())
            Close(reply.value().path());
        return;
    }
    if (reply.isError()) {
        // No portal on the bus (ServiceUnknown), or one without PickColor (UnknownMethod).
        EndUnavailable();
        return;
    }
    // Portals older than the handle token choose the request's path themselves.
    const QString path = reply.value().path();
    if (path != requestPath_) {
        StopListening();
        Listen(path);
    }
}

void DesktopColorPortal::Response(const QDBusMessage& message) {
    // A signal already on its way when the request was dropped still arrives.
    if (token_.isEmpty() || message.path() != requestPath_)
        return;
    if (message.signature() != kResponseSignature) {
        EndUnavailable();
        return;
    }
    const uint response = message.arguments().at(0).toUInt();
    const auto results = qdbus_cast<QVariantMap>(message.arguments().at(1));
    // A success without a usable color, or a code no portal defines, answers nothing.
    const auto color = response == kSuccess ? PickedColor(results) : std::nullopt;
    if ((response == kSuccess && !color) || response > kLastKnownResponse) {
        EndUnavailable();
        return;
    }
    StopListening();
    token_.clear();
    if (color)
        emit ColorPicked(*color);
    else
        emit PickCancelled();
}

// The portal that was asked left the bus (it crashed, or the desktop session is ending), or
// another took its name: the request it held answers no more.
void DesktopColorPortal::PortalOwnerChanged() {
    if (!token_.isEmpty())
        EndUnavailable();
}

void DesktopColorPortal::EndUnavailable() {
    StopListening();
    token_.clear();
    emit Unavailable();
}

void DesktopColorPortal::Cancel() {
    if (token_.isEmpty())
        return;
    if (!requestPath_.isEmpty()) {
        Close(requestPath_);
        StopListening();
    }
    token_.clear();
}

void DesktopColorPortal::Listen(const QString& requestPath) {
    requestPath_ = requestPath;
    bus_->connect(PortalService(), requestPath_, PortalRequestInterface(),
                  QStringLiteral("Response"), this, kResponseSlot);
}

void DesktopColorPortal::StopListening() {
    bus_->disconnect(PortalService(), requestPath_, PortalRequestInterface(),
                     QStringLiteral("Response"), this, kResponseSlot);
    requestPath_.clear();
}

void DesktopColorPortal::Close(const QString& requestPath) {
    // Nobody waits for the reply: a request that is gone already is just as closed.
    bus_->send(QDBusMessage::createMethodCall(PortalService(), requestPath,
                                              PortalRequestInterface(), QStringLiteral("Close")));
}

} // namespace tessavundo
