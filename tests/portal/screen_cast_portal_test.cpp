// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The screen-cast and color-picker clients through the real xdg-desktop-portal frontend, with
// the tests' own backend standing in for the desktop's: a session that starts, a refusal, the
// restore token kept and used again, a token the desktop rejects, the one-shot pick where the
// desktop cannot send the pointer's position, and a backend that knows no Close.
#include "core/unit_channels.h"
#include "platform/portal/desktop_color_portal.h"
#include "platform/portal/desktop_screen_cast_portal.h"
#include "tests/portal/portal_stack.h"
#include "tests/support/fake_screen_cast_portal.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <fcntl.h>
#include <unistd.h>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

constexpr int kAnswerWait = 15000;

// A screen-cast client on the stack's bus whose streams only record what they were opened with.
struct CastClient {
    explicit CastClient(PortalStack& stack)
        : tokens(stack.StateFolder().toStdString() + "/tessavundo/screen-cast-token")
        , portal(stack.Bus(), tokens, [this](int fd, std::uint32_t node, std::string&) {
            // The frontend's PipeWire remote: a descriptor that is open.
            remotesOpen += ::fcntl(fd, F_GETFD) != -1 ? 1 : 0;
            ::close(fd);
            nodes << node;
            return std::make_unique<FakeScreenCastStream>(liveStreams, QSize());
        }) {}

    // Starts a session and waits for its answer: true when it started.
    bool Start() {
        QSignalSpy started(&portal, &ScreenCastPortal::Started);
        QSignalSpy failed(&portal, &ScreenCastPortal::Failed);
        portal.Start(0);
        if (!QTest::qWaitFor([&] { return started.count() + failed.count() > 0; }, kAnswerWait))
            return false;
        lastFailure = failed.isEmpty()
                          ? std::nullopt
                          : std::optional(failed.at(0).at(0).value<ScreenCastFailure>());
        return !started.isEmpty();
    }

    RestoreTokenFile tokens;
    std::shared_ptr<int> liveStreams = std::make_shared<int>(0);
    QList<std::uint32_t> nodes;
    int remotesOpen = 0;
    std::optional<ScreenCastFailure> lastFailure;
    DesktopScreenCastPortal portal;
};

// The frontend keeps a session's restore data in the permission store after it has answered the
// program; a session asked for before that is done finds no data for the token, as a user's next
// press, seconds later, would. Waits until the store holds the token.
bool WaitUntilStored(PortalStack& stack, const QString& token) {
    return QTest::qWaitFor(
        [&] {
            const QDBusMessage reply =
                stack.Bus().call(QDBusMessage::createMethodCall(
                                     QStringLiteral("org.freedesktop.impl.portal.PermissionStore"),
                                     QStringLiteral("/org/freedesktop/impl/portal/PermissionStore"),
                                     QStringLiteral("org.freedesktop.impl.portal.PermissionStore"),
                                     QStringLiteral("Lookup"))
                                 << QStringLiteral("screencast") << token);
            return reply.type() == QDBusMessage::ReplyMessage;
        },
        kAnswerWait);
}

QJsonObject Config(std::initializer_list<QPair<QString, QJsonValue>> entries) {
    QJsonObject config;
    for (const auto& [key, value] : entries)
        config.insert(key, value);
    return config;
}

} // namespace

Q_DECLARE_METATYPE(tessavundo::ScreenCastFailure)

class ScreenCastPortalTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aSessionThatStarts();
    void aRefusal();
    void theRestoreTokenIsKeptAndUsedAgain();
    void aRejectedTokenAsksAgain();
    void withoutThePointersPositionOneColorIsPicked();
    void aBackendWithoutClose();
};

void ScreenCastPortalTest::initTestCase() {
    qRegisterMetaType<ScreenCastFailure>();
}

#define START_STACK(stack, ...)                                                                    \
    PortalStack stack;                                                                             \
    if (const QString why = stack.Start(__VA_ARGS__); !why.isEmpty())                              \
        QSKIP(qPrintable(why));

void ScreenCastPortalTest::aSessionThatStarts() {
    START_STACK(stack);
    stack.Configure(
        Config({{QStringLiteral("streams"), QJsonArray{QJsonArray{57, 0, 0, 1280, 800},
                                                       QJsonArray{58, 1280, -100, 1920, 1080}}}}));
    CastClient client(stack);
    QVERIFY(client.Start());

    QCOMPARE(client.nodes, (QList<std::uint32_t>{57, 58}));
    QCOMPARE(client.remotesOpen, 2);
    QCOMPARE(client.portal.Monitors().size(), std::size_t{2});
    QCOMPARE(client.portal.Monitors()[0].area, QRect(0, 0, 1280, 800));
    QCOMPARE(client.portal.Monitors()[1].area, QRect(1280, -100, 1920, 1080));
    // Monitors, several, the pointer as metadata, kept until revoked.
    const QList<QJsonObject> selections = stack.CallsOf(QStringLiteral("SelectSources"));
    QCOMPARE(selections.size(), 1);
    const QJsonObject options = selections[0].value(QStringLiteral("options")).toObject();
    QCOMPARE(options.value(QStringLiteral("types")).toInt(), 1);
    QCOMPARE(options.value(QStringLiteral("multiple")).toBool(), true);
    QCOMPARE(options.value(QStringLiteral("cursor_mode")).toInt(), 4);
    QCOMPARE(options.value(QStringLiteral("persist_mode")).toInt(), 2);
    QVERIFY(!client.tokens.Read().isEmpty());

    client.portal.Stop();
    QVERIFY(client.portal.Monitors().empty());
    QCOMPARE(*client.liveStreams, 0);
    QTRY_COMPARE_WITH_TIMEOUT(stack.CallsOf(QStringLiteral("Session.Close")).size(), 1,
                              kAnswerWait);
}

void ScreenCastPortalTest::aRefusal() {
    START_STACK(stack);
    stack.Configure(Config({{QStringLiteral("start"), QStringLiteral("refuse")}}));
    CastClient client(stack);
    QVERIFY(!client.Start());
    QCOMPARE(client.lastFailure, std::optional(ScreenCastFailure::Refused));
    QVERIFY(client.nodes.isEmpty());
    QVERIFY(client.tokens.Read().isEmpty());
    // The refused session is closed, not left to the desktop.
    QTRY_COMPARE_WITH_TIMEOUT(stack.CallsOf(QStringLiteral("Session.Close")).size(), 1,
                              kAnswerWait);
    // Asking again asks the user again.
    stack.Configure({});
    QVERIFY(client.Start());
}

void ScreenCastPortalTest::theRestoreTokenIsKeptAndUsedAgain() {
    START_STACK(stack);
    CastClient client(stack);
    QVERIFY(client.Start());
    const QString first = client.tokens.Read();
    QVERIFY(!first.isEmpty());
    client.portal.Stop();
    QVERIFY(WaitUntilStored(stack, first));

    // A later run of the program reads the token from its file.
    CastClient later(stack);
    QVERIFY(later.Start());
    const QList<QJsonObject> starts = stack.CallsOf(QStringLiteral("Start"));
    QCOMPARE(starts.size(), 2);
    QCOMPARE(starts[0].value(QStringLiteral("restored")).toBool(), false);
    QCOMPARE(starts[1].value(QStringLiteral("restored")).toBool(), true);
    // The file holds the token of the session just started, for the next one.
    QVERIFY(!later.tokens.Read().isEmpty());
}

void ScreenCastPortalTest::aRejectedTokenAsksAgain() {
    START_STACK(stack);
    CastClient client(stack);
    QVERIFY(client.Start());
    const QString first = client.tokens.Read();
    client.portal.Stop();
    QVERIFY(WaitUntilStored(stack, first));
    stack.Configure(Config({{QStringLiteral("reject_restore"), true}}));

    QVERIFY(client.Start());
    const QList<QJsonObject> starts = stack.CallsOf(QStringLiteral("Start"));
    QCOMPARE(starts.size(), 3);
    QCOMPARE(starts[1].value(QStringLiteral("restored")).toBool(), true);
    // Asked again without the token, in a session of its own.
    QCOMPARE(starts[2].value(QStringLiteral("restored")).toBool(), false);
    QVERIFY(starts[2].value(QStringLiteral("session")) !=
            starts[1].value(QStringLiteral("session")));
    QVERIFY(!client.tokens.Read().isEmpty());
    QVERIFY(client.tokens.Read() != first);

    // A desktop that fails without any token fails once, with no endless asking.
    client.portal.Stop();
    stack.Configure(Config({{QStringLiteral("start"), QStringLiteral("fail")}}));
    QVERIFY(!client.Start());
    QCOMPARE(client.lastFailure, std::optional(ScreenCastFailure::Failed));
    QCOMPARE(stack.CallsOf(QStringLiteral("Start")).size(), 5);
    QVERIFY(client.tokens.Read().isEmpty());
}

void ScreenCastPortalTest::withoutThePointersPositionOneColorIsPicked() {
    // As xdg-desktop-portal-wlr: monitors, but the pointer only drawn in or hidden.
    START_STACK(stack, 3);
    CastClient client(stack);
    QVERIFY(!client.Start());
    QCOMPARE(client.lastFailure, std::optional(ScreenCastFailure::Unavailable));
    QVERIFY(stack.CallsOf(QStringLiteral("CreateSession")).isEmpty());

    stack.Configure(Config({{QStringLiteral("color"), QJsonArray{0.0, 0.5, 1.0}}}));
    DesktopColorPortal colors(stack.Bus());
    QSignalSpy picked(&colors, &ColorPortal::ColorPicked);
    colors.PickColor(0);
    QVERIFY(picked.wait(kAnswerWait));
    QCOMPARE(picked.at(0).at(0).value<PackedColor>(), *PackUnitChannels(0.0, 0.5, 1.0));
}

void ScreenCastPortalTest::aBackendWithoutClose() {
    START_STACK(stack);
    stack.Configure(Config({{QStringLiteral("no_close"), true},
                            {QStringLiteral("start"), QStringLiteral("hang")},
                            {QStringLiteral("color"), QStringLiteral("hang")}}));
    CastClient client(stack);
    QSignalSpy failed(&client.portal, &ScreenCastPortal::Failed);
    client.portal.Start(0);
    QTRY_COMPARE_WITH_TIMEOUT(stack.CallsOf(QStringLiteral("Start")).size(), 1, kAnswerWait);
    // The toggle going up: nothing waits for the backend's "Unknown method".
    client.portal.Stop();
    stack.Configure(Config({{QStringLiteral("no_close"), true}}));
    QVERIFY(client.Start());
    QVERIFY(failed.isEmpty());
    client.portal.Stop();

    DesktopColorPortal colors(stack.Bus());
    QSignalSpy picked(&colors, &ColorPortal::ColorPicked);
    stack.Configure(Config(
        {{QStringLiteral("no_close"), true}, {QStringLiteral("color"), QStringLiteral("hang")}}));
    colors.PickColor(0);
    QTRY_COMPARE_WITH_TIMEOUT(stack.CallsOf(QStringLiteral("PickColor")).size(), 1, kAnswerWait);
    colors.Cancel();
    stack.Configure(Config({{QStringLiteral("no_close"), true}}));
    colors.PickColor(0);
    QVERIFY(picked.wait(kAnswerWait));
    QCOMPARE(picked.count(), 1);
    QVERIFY(stack.CallsOf(QStringLiteral("Request.Close")).isEmpty());
}

QTEST_GUILESS_MAIN(ScreenCastPortalTest)
#include "screen_cast_portal_test.moc"
