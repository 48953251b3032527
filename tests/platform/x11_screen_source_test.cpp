// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/create_screen_source.h"
#include "screen_source_contract.h"
#include "x11_test_support.h"
#include "x11_write_counter.h"

#include <QCursor>
#include <QTest>
#include <climits>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

using namespace tessavundo;
using tessavundo::test::SolidWindow;

namespace {

constexpr PackedColor kRootColor = PackBytes(0x12, 0x34, 0x56); // #123456

xcb_connection_t* ToolkitConnection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// Another client of the X server, which moves the pointer without a write on the toolkit's
// connection.
class OtherClient {
public:
    OtherClient()
        : connection_(xcb_connect(nullptr, nullptr)) {}
    ~OtherClient() { xcb_disconnect(connection_); }
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    bool Connected() const { return !xcb_connection_has_error(connection_); }

    // Returns once the server has moved the pointer.
    void MovePointer(QPoint rootPoint) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        xcb_warp_pointer(connection_, XCB_WINDOW_NONE, root, 0, 0, 0, 0,
                         static_cast<std::int16_t>(rootPoint.x()),
                         static_cast<std::int16_t>(rootPoint.y()));
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

private:
    xcb_connection_t* connection_;
};

// What the eyedropper's tick asks of the screen: where the pointer is, then its pixel.
PackedColor Tick(ScreenSource& source, ScreenDC dc) {
    const QPoint pointer = source.GetCursorPos();
    return source.GetPixel(dc, pointer.x(), pointer.y());
}

} // namespace

class X11ScreenSourceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void rootColorReadsBackExactly();
    void windowColorReadsBackExactly_data();
    void windowColorReadsBackExactly();
    void pointerIsFound();
    void pointsOffTheScreenAreUnreadable_data();
    void pointsOffTheScreenAreUnreadable();
    void keepsTheContract_data() { test::AddContractRows(); }
    void keepsTheContract();
    void restingPointerCostsOneRoundTripATick();
    void creatingTheSourceAsksTheServerNothing();
    void pixelUnderRestingPointerIsReadAfresh();
    void movedPointerIsReadWhereItIsNow();
    void activeWindowIsOnlyOurs();
    void readsContinuouslyOnlyOutsideWayland_data();
    void readsContinuouslyOnlyOutsideWayland();

private:
    std::unique_ptr<ScreenSource> source_;
};

void X11ScreenSourceTest::initTestCase() {
    if (!test::IsOnX11())
        QSKIP("needs an X server: run through ctest, which starts Xvfb with QT_QPA_PLATFORM=xcb");
    if (const QString missing = test::MissingTool({"xsetroot"}); !missing.isEmpty())
        QSKIP(qPrintable(missing + " is not installed"));
    source_ = CreateScreenSource();
}

void X11ScreenSourceTest::init() {
    QVERIFY(test::RunTool("xsetroot", {"-solid", "#123456"}));
}

void X11ScreenSourceTest::rootColorReadsBackExactly() {
    const ScreenDC dc = source_->GetWindowDC();
    // The corners of the 1280 x 800 screen are as readable as its middle.
    for (const QPoint point : {QPoint(0, 0), QPoint(640, 400), QPoint(1279, 799)})
        QCOMPARE(source_->GetPixel(dc, point.x(), point.y()), kRootColor);
    source_->ReleaseDC(dc);
}

void X11ScreenSourceTest::windowColorReadsBackExactly_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<PackedColor>("expected");
    // One channel at a time, so swapped channel masks cannot pass.
    QTest::newRow("red") << QColor(255, 0, 0) << PackedColor{255};
    QTest::newRow("green") << QColor(0, 255, 0) << PackedColor{255 * 256};
    QTest::newRow("blue") << QColor(0, 0, 255) << PackedColor{255 * 65536};
    QTest::newRow("mixed") << QColor(1, 128, 254) << PackBytes(1, 128, 254);
}

void X11ScreenSourceTest::windowColorReadsBackExactly() {
    QFETCH(QColor, color);
    QFETCH(PackedColor, expected);
    SolidWindow window(color, QRect(200, 150, 120, 80));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QPoint centre = source_->ToPhysicalPixels(window.LogicalClientRect()).center();
    const ScreenDC dc = source_->GetWindowDC();
    QTRY_COMPARE(source_->GetPixel(dc, centre.x(), centre.y()), expected);
    source_->ReleaseDC(dc);
}

void X11ScreenSourceTest::pointerIsFound() {
    for (const QPoint point : {QPoint(300, 200), QPoint(0, 0), QPoint(1279, 799)}) {
        QCursor::setPos(point);
        QTRY_COMPARE(source_->GetCursorPos(), point);
    }
}

void X11ScreenSourceTest::pointsOffTheScreenAreUnreadable_data() {
    QTest::addColumn<QPoint>("point");
    QTest::newRow("left of the screen") << QPoint(-1, 0);
    QTest::newRow("above the screen") << QPoint(0, -1);
    QTest::newRow("right of the screen") << QPoint(1280, 0);
    QTest::newRow("below the screen") << QPoint(0, 800);
    // Cut to the protocol's 16 bits these would land back on the screen.
    QTest::newRow("x wraps to 5") << QPoint(65536 + 5, 5);
    QTest::newRow("y wraps to 5") << QPoint(5, 65536 + 5);
    QTest::newRow("extremes") << QPoint(INT_MIN, INT_MAX);
}

void X11ScreenSourceTest::pointsOffTheScreenAreUnreadable() {
    QFETCH(QPoint, point);
    const ScreenDC dc = source_->GetWindowDC();
    QCOMPARE(source_->GetPixel(dc, point.x(), point.y()), kInvalidColor);
    // The source still reads after the failed request.
    QCOMPARE(source_->GetPixel(dc, 5, 5), kRootColor);
    source_->ReleaseDC(dc);
}

// The same table as the fake's, so that the window's tests meet the screen as it is.
void X11ScreenSourceTest::keepsTheContract() {
    QFETCH(test::ContractClause, clause);
    clause(*source_, QPoint(5, 5), kRootColor);
}

void X11ScreenSourceTest::restingPointerCostsOneRoundTripATick() {
    OtherClient other;
    QVERIFY(other.Connected());
    other.MovePointer(QPoint(640, 400));
    const ScreenDC dc = source_->GetWindowDC();
    // The first tick has no earlier pointer position to read ahead at.
    QCOMPARE(Tick(*source_, dc), kRootColor);

    constexpr int kTicks = 20;
    {
        test::X11WriteCounter counter(ToolkitConnection());
        for (int tick = 0; tick < kTicks; ++tick)
            QCOMPARE(Tick(*source_, dc), kRootColor);
        QCOMPARE(counter.Writes(), kTicks);
    }
    {
        // A pixel anywhere but under the pointer costs a round trip of its own, which the
        // counter sees.
        test::X11WriteCounter counter(ToolkitConnection());
        const QPoint pointer = source_->GetCursorPos();
        QCOMPARE(source_->GetPixel(dc, pointer.x() + 1, pointer.y()), kRootColor);
        QCOMPARE(counter.Writes(), 2);
    }
    source_->ReleaseDC(dc);
}

void X11ScreenSourceTest::creatingTheSourceAsksTheServerNothing() {
    // The picker creates its source before its window is shown: start-up waits for nothing.
    std::unique_ptr<ScreenSource> source;
    {
        test::X11WriteCounter counter(ToolkitConnection());
        source = CreateScreenSource();
        QCOMPARE(counter.Writes(), 0);
    }
    QVERIFY(source->CanReadContinuously());
}

void X11ScreenSourceTest::pixelUnderRestingPointerIsReadAfresh() {
    OtherClient other;
    QVERIFY(other.Connected());
    other.MovePointer(QPoint(100, 100));
    const ScreenDC dc = source_->GetWindowDC();
    QCOMPARE(Tick(*source_, dc), kRootColor);
    QCOMPARE(Tick(*source_, dc), kRootColor);
    // The screen changes under the resting pointer: the next tick shows it.
    QVERIFY(test::RunTool("xsetroot", {"-solid", "#654321"}));
    QCOMPARE(Tick(*source_, dc), 0x65 + 256 * 0x43 + 65536 * 0x21);

    // A context given back and taken anew reads afresh too, never what the old one read.
    source_->GetCursorPos();
    source_->ReleaseDC(dc);
    QVERIFY(test::RunTool("xsetroot", {"-solid", "#123456"}));
    const ScreenDC next = source_->GetWindowDC();
    QCOMPARE(source_->GetPixel(next, 100, 100), kRootColor);
    source_->ReleaseDC(next);
}

void X11ScreenSourceTest::movedPointerIsReadWhereItIsNow() {
    OtherClient other;
    QVERIFY(other.Connected());
    SolidWindow window(QColor(255, 0, 0), QRect(200, 150, 120, 80));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint inside = source_->ToPhysicalPixels(window.LogicalClientRect()).center();
    const QPoint outside(50, 50);
    const ScreenDC dc = source_->GetWindowDC();
    QTRY_COMPARE(source_->GetPixel(dc, inside.x(), inside.y()), PackedColor{255});

    other.MovePointer(outside);
    QCOMPARE(Tick(*source_, dc), kRootColor);
    QCOMPARE(Tick(*source_, dc), kRootColor);
    other.MovePointer(inside);
    {
        // The pixel read ahead is the root's, where the pointer was: the tick reads again.
        test::X11WriteCounter counter(ToolkitConnection());
        QCOMPARE(Tick(*source_, dc), PackedColor{255});
        QCOMPARE(counter.Writes(), 2);
    }
    QCOMPARE(Tick(*source_, dc), PackedColor{255});
    // The read ahead answers only for its own point.
    QCOMPARE(source_->GetCursorPos(), inside);
    QCOMPARE(source_->GetPixel(dc, outside.x(), outside.y()), kRootColor);
    source_->ReleaseDC(dc);
}

void X11ScreenSourceTest::activeWindowIsOnlyOurs() {
    QTRY_COMPARE(source_->GetActiveWindow(), WId{0});

    SolidWindow window(Qt::gray, QRect(100, 100, 60, 60));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(source_->GetActiveWindow(), window.winId());

    // Another client's window takes the focus: with no window manager, set it directly.
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(other));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(other)).data;
    const xcb_window_t foreign = xcb_generate_id(other);
    xcb_create_window(other, XCB_COPY_FROM_PARENT, foreign, screen->root, 400, 400, 50, 50, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    xcb_map_window(other, foreign);
    xcb_set_input_focus(other, XCB_INPUT_FOCUS_POINTER_ROOT, foreign, XCB_CURRENT_TIME);
    xcb_flush(other);
    QTRY_COMPARE(source_->GetActiveWindow(), WId{0});
    xcb_disconnect(other);
}

void X11ScreenSourceTest::readsContinuouslyOnlyOutsideWayland_data() {
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("continuous");
    // clang-format off
    QTest::newRow("X11 desktop") << QByteArray() << QByteArray() << true;
    QTest::newRow("X11 session named") << QByteArray("XDG_SESSION_TYPE") << QByteArray("x11")
        << true;
    QTest::newRow("Wayland display set") << QByteArray("WAYLAND_DISPLAY") << QByteArray("wayland-0")
        << false;
    QTest::newRow("Wayland session named") << QByteArray("XDG_SESSION_TYPE")
        << QByteArray("wayland") << false;
    // clang-format on
}

void X11ScreenSourceTest::readsContinuouslyOnlyOutsideWayland() {
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(bool, continuous);
    if (!variable.isEmpty())
        qputenv(variable.constData(), value);
    const auto source = CreateScreenSource();
    if (!variable.isEmpty())
        qunsetenv(variable.constData());
    QCOMPARE(source->CanReadContinuously(), continuous);
    // On a Wayland desktop the reason is the desktop's rules, not the display.
    QCOMPARE(source->Reading(),
             continuous ? ScreenReading::Continuous : ScreenReading::ForbiddenByDesktop);
    // The pixels themselves stay readable: only the desktop's rules forbid following them.
    const ScreenDC dc = source->GetWindowDC();
    QCOMPARE(source->GetPixel(dc, 5, 5), kRootColor);
    source->ReleaseDC(dc);
}

QTEST_MAIN(X11ScreenSourceTest)
#include "x11_screen_source_test.moc"
