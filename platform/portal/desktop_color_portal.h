// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/color_portal.h"

#include <QDBusConnection>
#include <QString>
#include <QVariantMap>
#include <optional>

class QDBusMessage;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

namespace tessavundo {

// How the desktop portal names a parent window: "x11:" and the window id in hexadecimal on
// the X11 platform. Elsewhere the window has no name the portal understands, and an empty
// text asks for no parent, as for window 0 (no window at all).
QString PortalParentWindow(const QString& platformName, WId window);

// The desktop's color picker: xdg-desktop-portal's org.freedesktop.portal.Screenshot.PickColor
// on the session bus. Every call is asynchronous. The answer comes as the Response signal of
// the request's own org.freedesktop.portal.Request object, listened for before asking, so
// that even an instant answer is not missed. A portal that leaves the bus while a request is
// pending, or answers what is no answer, is no portal: the request ends as Unavailable.
class DesktopColorPortal final : public ColorPortal {
    Q_OBJECT

public:
    // On the session bus, connected at the first request: where the screen can be read
    // continuously the portal is never asked, and the program never touches the bus.
    DesktopColorPortal();
    explicit DesktopColorPortal(const QDBusConnection& bus);
    ~DesktopColorPortal() override;

    void PickColor(WId parent) override;
    void Cancel() override;

private slots:
    // Takes the signal whatever its arguments, so that a malformed one is seen too.
    void Response(const QDBusMessage& message);

private:
    void PortalOwnerChanged();
    void EndUnavailable();
    void PickColorReplied(const QDBusPendingCallWatcher& call, const QString& token);
    void Listen(const QString& requestPath);
    void StopListening();
    void Close(const QString& requestPath);

    std::optional<QDBusConnection> bus_;
    quint64 requestCount_ = 0;
    // The pending request's handle token, empty when none is pending.
    QString token_;
    // The request object whose Response is listened for, empty when none.
    QString requestPath_;
    // The portal's name on the bus, watched from the first request on; only a pending request
    // minds its owner changing.
    QDBusServiceWatcher* portalWatcher_ = nullptr;
};

} // namespace tessavundo
