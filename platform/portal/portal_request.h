// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

class QDBusPendingCallWatcher;

namespace tessavundo {

// The portal's names, as functions rather than global QStrings: a literal is built into the
// program's data and needs no constructor at start-up nor destructor at exit.
inline QString PortalService() {
    return QStringLiteral("org.freedesktop.portal.Desktop");
}
inline QString PortalDesktopPath() {
    return QStringLiteral("/org/freedesktop/portal/desktop");
}
inline QString PortalRequestInterface() {
    return QStringLiteral("org.freedesktop.portal.Request");
}

// The portal puts a request at .../request/SENDER/TOKEN and a session at .../session/SENDER/TOKEN,
// SENDER being the caller's unique bus name without its colon and with every dot made an
// underscore.
QString PortalObjectPath(const QString& kind, const QString& uniqueName, const QString& token);
inline QString RequestPath(const QString& uniqueName, const QString& token) {
    return PortalObjectPath(QStringLiteral("request"), uniqueName, token);
}

// Sends a message and lets nobody wait for the reply: for Close, where an object that is gone
// already is just as closed, and where some desktops do not even know the method.
void SendWithoutWaiting(const QDBusConnection& bus, const QString& path,
                        const QString& interfaceName, const QString& method);

// One call of the desktop portal that is answered by the Response signal of a request object.
// The signal is listened for at the path the portal will give the request before the call is
// sent, so that even an instant answer is not missed. One of the callbacks runs, at most once,
// and none after Abandon; an owner done with the request within one deletes it later.
class PortalRequest final : public QObject {
    Q_OBJECT

public:
    using Answered = std::function<void(uint response, const QVariantMap& results)>;
    // The portal refused the call itself: no portal, no such method, bad arguments.
    using Refused = std::function<void(const QString& error)>;

    // `call`'s last argument is its options, to which the handle token is added.
    PortalRequest(const QDBusConnection& bus, QDBusMessage call, QVariantMap options,
                  const QString& token, Answered answered, Refused refused,
                  QObject* parent = nullptr);
    ~PortalRequest() override;
    PortalRequest(const PortalRequest&) = delete;
    PortalRequest& operator=(const PortalRequest&) = delete;
    PortalRequest(PortalRequest&&) = delete;
    PortalRequest& operator=(PortalRequest&&) = delete;

    // Closes the desktop's interface of a request still pending, without waiting for the
    // desktop, and forgets it: no callback follows, however late the desktop answers.
    void Abandon();

private slots:
    void Response(uint response, const QVariantMap& results, const QDBusMessage& message);

private:
    void Replied(const QDBusPendingCallWatcher& call);
    void Listen(const QString& path);
    void StopListening();

    QDBusConnection bus_;
    QString path_;
    bool pending_ = true;
    Answered answered_;
    Refused refused_;
};

} // namespace tessavundo
