// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "tests/support/fake_desktop_portal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QTimer>

namespace tessavundo::testing {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kDesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");

} // namespace

FakeDesktopPortal::FakeDesktopPortal(const QDBusConnection& bus)
    : bus_(bus) {}

FakeDesktopPortal::~FakeDesktopPortal() {
    for (const Request& request : requests_)
        bus_.unregisterObject(request.path);
    bus_.unregisterObject(kDesktopPath);
    bus_.unregisterService(kService);
}

bool FakeDesktopPortal::Register() {
    return bus_.isConnected() && bus_.registerService(kService) &&
           bus_.registerObject(kDesktopPath, this, QDBusConnection::ExportScriptableSlots);
}

void FakeDesktopPortal::AnswerEveryRequestWith(uint response, const QVariantMap& results) {
    automaticAnswer_.emplace(response, results);
}

QDBusObjectPath FakeDesktopPortal::PickColor(const QString& parent_window,
                                             const QVariantMap& options) {
    QString sender = message().service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString token = ignoreHandleTokens_
                              ? QStringLiteral("portal%1").arg(requests_.size() + 1)
                              : options.value(QStringLiteral("handle_token")).toString();
    const QString path =
        kDesktopPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    requestObjects_.push_back(std::make_unique<FakePortalRequest>(*this, path));
    bus_.registerObject(path, requestObjects_.back().get(), QDBusConnection::ExportScriptableSlots);
    requests_.append(Request{parent_window, options, path, 0});
    if (automaticAnswer_) {
        // After the reply to this call has gone out, as a desktop's answer always comes.
        QTimer::singleShot(
            0, this, [this, answer = *automaticAnswer_] { Answer(answer.first, answer.second); });
    }
    return QDBusObjectPath(path);
}

void FakeDesktopPortal::Answer(uint response, const QVariantMap& results) {
    AnswerWithArguments({response, results});
}

void FakeDesktopPortal::AnswerWithArguments(const QVariantList& arguments) {
    if (requests_.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        requests_.last().path, QStringLiteral("org.freedesktop.portal.Request"),
        QStringLiteral("Response"));
    signal.setArguments(arguments);
    bus_.send(signal);
}

QVariantMap FakeDesktopPortal::ColorResults(double red, double green, double blue) {
    QDBusArgument color;
    color.beginStructure();
    color << red << green << blue;
    color.endStructure();
    return {{QStringLiteral("color"), QVariant::fromValue(color)}};
}

void FakeDesktopPortal::RecordClose(const QString& path) {
    for (Request& request : requests_)
        if (request.path == path)
            ++request.closeCalls;
}

} // namespace tessavundo::testing
