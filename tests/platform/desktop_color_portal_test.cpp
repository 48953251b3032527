// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The D-Bus client of the desktop's color picker against a fake portal on a bus of the test's
// own: the answers it passes on, the requests it drops and a desktop without a portal.
#include "platform/portal/desktop_color_portal.h"
#include "tests/support/fake_desktop_portal.h"
#include "tests/support/private_session_bus.h"

#include <QDBusArgument>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <limits>
#include <memory>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

constexpr WId kParent = 0x3a00007;

// The client's three signals, counted.
struct Answers {
    explicit Answers(DesktopColorPortal& portal)
        : colors(&portal, &ColorPortal::ColorPicked)
        , cancellations(&portal, &ColorPortal::PickCancelled)
        , unavailable(&portal, &ColorPortal::Unavailable) {}

    int Count() const {
        return static_cast<int>(colors.count() + cancellations.count() + unavailable.count());
    }

    QSignalSpy colors;
    QSignalSpy cancellations;
    QSignalSpy unavailable;
};

enum class Outcome { Color, Cancelled, Unavailable };

// results["color"] as a portal gone wrong might give it: a structure of other members.
template <typename... Channels> QVariantMap StructureResults(Channels... channels) {
    QDBusArgument color;
    color.beginStructure();
    (color << ... << channels);
    color.endStructure();
    return {{QStringLiteral("color"), QVariant::fromValue(color)}};
}

} // namespace

class DesktopColorPortalTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answersArePassedOn_data();
    void answersArePassedOn();
    void eachRequestHasAPathOfItsOwn();
    void olderPortalsChooseThePath();
    void droppedRequestsAreClosedAndTheirAnswersIgnored();
    void requestDroppedBeforeThePortalReplied();
    void answerAlreadyOnItsWayWhenReplaced();
    void responsesOfTheWrongShapeAreNoAnswer_data();
    void responsesOfTheWrongShapeAreNoAnswer();
    void portalLeavingTheBusIsNoAnswer_data();
    void portalLeavingTheBusIsNoAnswer();
    void withoutAPortalNothingIsPicked_data();
    void withoutAPortalNothingIsPicked();
    void parentWindowNames();

private:
    std::unique_ptr<PrivateSessionBus> bus_;
    std::unique_ptr<FakeDesktopPortal> portal_;
    std::unique_ptr<DesktopColorPortal> client_;
    int connections_ = 0;
};

void DesktopColorPortalTest::init() {
    bus_ = std::make_unique<PrivateSessionBus>();
    if (const QString problem = bus_->Start(); !problem.isEmpty())
        QSKIP(qPrintable(problem));
    ++connections_;
    portal_ = std::make_unique<FakeDesktopPortal>(
        bus_->Connect(QStringLiteral("portal%1").arg(connections_)));
    client_ = std::make_unique<DesktopColorPortal>(
        bus_->Connect(QStringLiteral("client%1").arg(connections_)));
}

void DesktopColorPortalTest::cleanup() {
    client_.reset();
    portal_.reset();
    bus_.reset();
}

void DesktopColorPortalTest::answersArePassedOn_data() {
    QTest::addColumn<uint>("response");
    QTest::addColumn<QVariantMap>("results");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<PackedColor>("color");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    QTest::newRow("a color") << 0u << FakeDesktopPortal::ColorResults(0.2, 0.4, 0.6)
        << Outcome::Color << PackBytes(51, 102, 153);
    QTest::newRow("white") << 0u << FakeDesktopPortal::ColorResults(1, 1, 1) << Outcome::Color
        << PackedColor{0xFFFFFF};
    // 254.745, 126.99 and 128.01 of 255.
    QTest::newRow("nearest byte, not the one below") << 0u
        << FakeDesktopPortal::ColorResults(0.999, 0.498, 0.502) << Outcome::Color
        << PackBytes(255, 127, 128);
    QTest::newRow("cancelled by the user") << 1u << FakeDesktopPortal::ColorResults(1, 0, 0)
        << Outcome::Cancelled << PackedColor{0};
    QTest::newRow("ended otherwise") << 2u << QVariantMap() << Outcome::Cancelled << PackedColor{0};
    // A success that brings no usable color is no answer; neither is a code no portal defines.
    // The user cancelled neither.
    QTest::newRow("success without a color") << 0u << QVariantMap() << Outcome::Unavailable
        << PackedColor{0};
    QTest::newRow("a color that is text") << 0u
        << QVariantMap{{QStringLiteral("color"), QStringLiteral("#FF0000")}} << Outcome::Unavailable
        << PackedColor{0};
    QTest::newRow("a channel that is no number") << 0u
        << FakeDesktopPortal::ColorResults(0.5, nan, 0.5) << Outcome::Unavailable << PackedColor{0};
    QTest::newRow("a color of three integers") << 0u << StructureResults(255, 0, 0)
        << Outcome::Unavailable << PackedColor{0};
    QTest::newRow("a color of four doubles") << 0u << StructureResults(1.0, 0.0, 0.0, 1.0)
        << Outcome::Unavailable << PackedColor{0};
    QTest::newRow("an unknown response code") << 7u << FakeDesktopPortal::ColorResults(1, 0, 0)
        << Outcome::Unavailable << PackedColor{0};
    // clang-format on
}

void DesktopColorPortalTest::answersArePassedOn() {
    QFETCH(uint, response);
    QFETCH(QVariantMap, results);
    QFETCH(Outcome, outcome);
    QFETCH(PackedColor, color);
    QVERIFY(portal_->Register());
    Answers answers(*client_);

    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 1);
    // The offscreen platform has no window id the portal could use.
    QCOMPARE(portal_->Requests()[0].parentWindow, QString());
    portal_->Answer(response, results);

    QTRY_COMPARE(answers.Count(), 1);
    if (outcome == Outcome::Color) {
        QCOMPARE(answers.colors.count(), 1);
        QCOMPARE(answers.colors[0][0].value<PackedColor>(), color);
    } else if (outcome == Outcome::Cancelled) {
        QCOMPARE(answers.cancellations.count(), 1);
    } else {
        QCOMPARE(answers.unavailable.count(), 1);
    }
    QCOMPARE(portal_->Requests()[0].closeCalls, 0);
}

void DesktopColorPortalTest::eachRequestHasAPathOfItsOwn() {
    QVERIFY(portal_->Register());
    Answers answers(*client_);
    for (int request = 1; request <= 2; ++request) {
        client_->PickColor(kParent);
        QTRY_COMPARE(portal_->Requests().size(), request);
        portal_->Answer(0, FakeDesktopPortal::ColorResults(0, 0, request / 2.0));
        QTRY_COMPARE(answers.colors.count(), request);
    }
    const QString first = portal_->Requests()[0].options.value("handle_token").toString();
    const QString second = portal_->Requests()[1].options.value("handle_token").toString();
    QVERIFY(!first.isEmpty());
    QVERIFY(first != second);
    QVERIFY(portal_->Requests()[0].path.endsWith(QLatin1Char('/') + first));
    QCOMPARE(answers.colors[1][0].value<PackedColor>(), PackedColor{255 * 65536});
}

void DesktopColorPortalTest::olderPortalsChooseThePath() {
    portal_->IgnoreHandleTokens();
    QVERIFY(portal_->Register());
    Answers answers(*client_);

    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 1);
    // Where to listen is known only once the portal's reply is in, so the answer is given
    // until it is heard; the answers after the first are ignored.
    QTRY_VERIFY(
        (portal_->Answer(0, FakeDesktopPortal::ColorResults(0, 1, 0)), answers.Count() > 0));
    portal_->Answer(0, FakeDesktopPortal::ColorResults(0, 0, 1));
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 2);
    QTRY_VERIFY((portal_->Answer(1), answers.Count() > 1));
    QCOMPARE(answers.colors.count(), 1);
    QCOMPARE(answers.colors[0][0].value<PackedColor>(), PackedColor{0xFF00});
    QCOMPARE(answers.cancellations.count(), 1);
}

void DesktopColorPortalTest::droppedRequestsAreClosedAndTheirAnswersIgnored() {
    QVERIFY(portal_->Register());
    Answers answers(*client_);

    // Dropped by Cancel: the desktop's interface is closed, and an answer on its way is
    // ignored.
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 1);
    client_->Cancel();
    QTRY_COMPARE(portal_->Requests()[0].closeCalls, 1);
    portal_->Answer(0, FakeDesktopPortal::ColorResults(1, 0, 0));

    // Dropped by a new request in its place.
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 2);
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 3);
    QTRY_COMPARE(portal_->Requests()[1].closeCalls, 1);

    // The pending request's answer comes after the dropped ones' on the same bus, so once it
    // is in, they would have been too.
    portal_->Answer(1);
    QTRY_COMPARE(answers.Count(), 1);
    QCOMPARE(answers.cancellations.count(), 1);
    QCOMPARE(portal_->Requests()[2].closeCalls, 0);

    // Nothing is pending now: cancelling closes nothing more.
    client_->Cancel();
    portal_->Answer(0, FakeDesktopPortal::ColorResults(0, 0, 1));
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 4);
    portal_->Answer(0, FakeDesktopPortal::ColorResults(0, 1, 0));
    QTRY_COMPARE(answers.Count(), 2);
    QCOMPARE(answers.colors.count(), 1);
    QCOMPARE(answers.colors[0][0].value<PackedColor>(), PackedColor{0xFF00});
    QCOMPARE(portal_->Requests()[2].closeCalls, 0);
}

void DesktopColorPortalTest::requestDroppedBeforeThePortalReplied() {
    portal_->AnswerEveryRequestWith(0, FakeDesktopPortal::ColorResults(1, 0, 0));
    QVERIFY(portal_->Register());
    Answers answers(*client_);

    client_->PickColor(kParent);
    client_->Cancel();
    QTRY_COMPARE(portal_->Requests().size(), 1);
    QTRY_VERIFY(portal_->Requests()[0].closeCalls >= 1);
    // The dropped request's answer is not taken for the next one's.
    client_->PickColor(kParent);
    QTRY_COMPARE(answers.Count(), 1);
    QCOMPARE(answers.colors.count(), 1);
    QCOMPARE(portal_->Requests().size(), 2);

    // A request of an older portal is known only from the reply, and closed then.
    portal_->IgnoreHandleTokens();
    client_->PickColor(kParent);
    client_->Cancel();
    QTRY_COMPARE(portal_->Requests().size(), 3);
    QTRY_COMPARE(portal_->Requests()[2].closeCalls, 1);
    QCOMPARE(answers.Count(), 1);
}

void DesktopColorPortalTest::answerAlreadyOnItsWayWhenReplaced() {
    QVERIFY(portal_->Register());
    Answers answers(*client_);
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 1);

    // The first request's answer reaches the client's connection, and waits there for the
    // event loop, while a second request takes the first one's place.
    portal_->Answer(0, FakeDesktopPortal::ColorResults(1, 0, 0));
    QThread::msleep(300);
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 2);
    // Closed once, or twice where the first request's reply came in only after it was dropped
    // (on a busy machine).
    QTRY_VERIFY(portal_->Requests()[0].closeCalls >= 1);
    QCOMPARE(answers.Count(), 0);

    // Only the second request's own answer counts.
    portal_->Answer(0, FakeDesktopPortal::ColorResults(0, 0, 1));
    QTRY_COMPARE(answers.Count(), 1);
    QCOMPARE(answers.colors.count(), 1);
    QCOMPARE(answers.colors[0][0].value<PackedColor>(), PackedColor{255 * 65536});
}

void DesktopColorPortalTest::responsesOfTheWrongShapeAreNoAnswer_data() {
    QTest::addColumn<QVariantList>("arguments");
    // clang-format off
    QTest::newRow("no arguments") << QVariantList();
    QTest::newRow("the code alone") << QVariantList{0u};
    QTest::newRow("a signed code") << QVariantList{0, FakeDesktopPortal::ColorResults(1, 0, 0)};
    QTest::newRow("the results as text") << QVariantList{0u, QStringLiteral("#FF0000")};
    QTest::newRow("an argument too many")
        << QVariantList{0u, FakeDesktopPortal::ColorResults(1, 0, 0), 1u};
    // clang-format on
}

// Such a signal never reaches a slot that names the arguments, so it would be waited for
// forever.
void DesktopColorPortalTest::responsesOfTheWrongShapeAreNoAnswer() {
    QFETCH(QVariantList, arguments);
    QVERIFY(portal_->Register());
    Answers answers(*client_);
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 1);
    portal_->AnswerWithArguments(arguments);
    QTRY_COMPARE(answers.unavailable.count(), 1);
    QCOMPARE(answers.Count(), 1);

    // A later request is answered as usual.
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 2);
    portal_->Answer(0, FakeDesktopPortal::ColorResults(0, 0, 1));
    QTRY_COMPARE(answers.colors.count(), 1);
    QCOMPARE(answers.Count(), 2);
}

void DesktopColorPortalTest::portalLeavingTheBusIsNoAnswer_data() {
    QTest::addColumn<bool>("replacement");
    QTest::newRow("gone") << false;
    QTest::newRow("another portal takes the name") << true;
}

void DesktopColorPortalTest::portalLeavingTheBusIsNoAnswer() {
    QFETCH(bool, replacement);
    QVERIFY(portal_->Register());
    Answers answers(*client_);
    client_->PickColor(kParent);
    QTRY_COMPARE(portal_->Requests().size(), 1);

    // The portal's process ends: its connection closes, and its name goes with it.
    portal_.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("portal%1").arg(connections_));
    std::unique_ptr<FakeDesktopPortal> next;
    if (replacement) {
        next = std::make_unique<FakeDesktopPortal>(bus_->Connect(QStringLiteral("next portal")));
        QVERIFY(next->Register());
    }
    QTRY_COMPARE(answers.unavailable.count(), 1);
    QCOMPARE(answers.Count(), 1);

    // Nothing is pending any more: the name changing again says nothing.
    next.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("next portal"));
    // A while for a wrong answer to arrive: none may.
    QTest::qWait(200);
    QCOMPARE(answers.Count(), 1);
}

void DesktopColorPortalTest::withoutAPortalNothingIsPicked_data() {
    QTest::addColumn<QString>("desktop");
    QTest::newRow("no portal on the bus") << QStringLiteral("no portal");
    QTest::newRow("a portal without PickColor") << QStringLiteral("no PickColor");
    QTest::newRow("no session bus at all") << QStringLiteral("no bus");
}

void DesktopColorPortalTest::withoutAPortalNothingIsPicked() {
    QFETCH(QString, desktop);
    QObject screenshotOnly;
    QDBusConnection portalBus = bus_->Connect(QStringLiteral("bare portal"));
    if (desktop == QLatin1String("no PickColor")) {
        QVERIFY(portalBus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        QVERIFY(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                         &screenshotOnly));
    } else if (desktop == QLatin1String("no bus")) {
        client_ = std::make_unique<DesktopColorPortal>(QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no bus")));
    }
    Answers answers(*client_);

    client_->PickColor(kParent);
    // Said after returning, never from inside the call.
    QCOMPARE(answers.Count(), 0);
    QTRY_COMPARE(answers.unavailable.count(), 1);
    QCOMPARE(answers.Count(), 1);

    // Asking again asks again.
    client_->PickColor(kParent);
    QTRY_COMPARE(answers.unavailable.count(), 2);
    QCOMPARE(answers.Count(), 2);
    QDBusConnection::disconnectFromBus(QStringLiteral("no bus"));
}

void DesktopColorPortalTest::parentWindowNames() {
    QCOMPARE(PortalParentWindow(QStringLiteral("xcb"), 0x3a00007), QStringLiteral("x11:3a00007"));
    QCOMPARE(PortalParentWindow(QStringLiteral("xcb"), 0x1c), QStringLiteral("x11:1c"));
    QCOMPARE(PortalParentWindow(QStringLiteral("wayland"), 0x1c), QString());
    QCOMPARE(PortalParentWindow(QStringLiteral("offscreen"), 0x1c), QString());
    QCOMPARE(PortalParentWindow(QStringLiteral("xcb"), 0), QString());
}

QTEST_MAIN(DesktopColorPortalTest)
#include "desktop_color_portal_test.moc"
