// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QList>
#include <QObject>
#include <QVariantMap>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tessavundo::testing {

class FakePortalRequest;

// The desktop portal's color picker on a test's own bus: org.freedesktop.portal.Desktop with
// the Screenshot interface's PickColor. Each call is recorded and gets a Request object at the
// path the handle token asks for; the answer comes through that object's Response signal when
// the test gives it, or at once for every request after AnswerEveryRequestWith.
class FakeDesktopPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    struct Request {
        QString parentWindow;
        QVariantMap options;
        QString path;
        int closeCalls = 0;
    };

    explicit FakeDesktopPortal(const QDBusConnection& bus);
    ~FakeDesktopPortal() override;

    // Takes the portal's name on the bus and serves its object; false when either is refused.
    bool Register();

    // Answers every later request right after replying to it.
    void AnswerEveryRequestWith(uint response, const QVariantMap& results);
    // As portals older than the handle token: requests lie at paths of the portal's choosing.
    void IgnoreHandleTokens() { ignoreHandleTokens_ = true; }

    const QList<Request>& Requests() const { return requests_; }

    // Emits the Response signal of the last request, whatever has become of the request.
    void Answer(uint response, const QVariantMap& results = {});
    // The same with arguments of the test's choosing, as a portal gone wrong might send.
    void AnswerWithArguments(const QVariantList& arguments);

    // results["color"] as the portal gives it: a structure of three doubles.
    static QVariantMap ColorResults(double red, double green, double blue);

public slots:
    Q_SCRIPTABLE QDBusObjectPath PickColor(const QString& parent_window,
                                           const QVariantMap& options);

private:
    friend class FakePortalRequest;
    void RecordClose(const QString& path);

    QDBusConnection bus_;
    QList<Request> requests_;
    std::vector<std::unique_ptr<FakePortalRequest>> requestObjects_;
    std::optional<std::pair<uint, QVariantMap>> automaticAnswer_;
    bool ignoreHandleTokens_ = false;
};

// A request's org.freedesktop.portal.Request object: it records Close.
class FakePortalRequest : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

public:
    FakePortalRequest(FakeDesktopPortal& portal, const QString& path)
        : portal_(portal)
        , path_(path) {}

public slots:
    Q_SCRIPTABLE void Close() { portal_.RecordClose(path_); }

private:
    FakeDesktopPortal& portal_;
    QString path_;
};

} // namespace tessavundo::testing
