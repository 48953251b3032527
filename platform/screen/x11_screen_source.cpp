#include "platform/screen/x11_screen_source.h"

#include "platform/screen/display_session.h"
#include "platform/screen/physical_pixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tessavundo {
namespace {

// Where the pointer is reported when it cannot be found on our screen: root coordinates are
// never negative, so no pixel read accepts this point.
constexpr QPoint kNoPointer{-1, -1};

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> TakeReply(Reply* reply, xcb_generic_error_t* error) {
    std::free(error);
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_connection_t* ToolkitConnection() {
    if (!qGuiApp)
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform offers the interface with a null connection.
    return x11 ? x11->connection() : nullptr;
}

// The screen named by DISPLAY, the one the toolkit connected to.
const xcb_screen_t* DefaultScreen(xcb_connection_t* connection) {
    int screenNumber = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screenNumber) == 0)
        screenNumber = 0;
    std::free(host);
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem && screenNumber > 0; --screenNumber)
        xcb_screen_next(&screens);
    return screens.rem ? screens.data : nullptr;
}

// XWayland announces itself: by an extension of its own name since its version 23.1, and
// before that by the names of its outputs, "XWAYLAND0" and on. A program on it may have been
// started without the Wayland variables, by a terminal or a session that cleared them.
bool IsXWayland(xcb_connection_t* connection) {
    static constexpr char kName[] = "XWAYLAND";
    xcb_generic_error_t* error = nullptr;
    const auto reply =
        TakeReply(xcb_query_extension_reply(
                      connection, xcb_query_extension(connection, sizeof kName - 1, kName), &error),
                  error);
    if (reply && reply->present)
        return true;
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [](const QScreen* screen) {
        return screen->name().startsWith(QLatin1String(kName));
    });
}

} // namespace

X11ScreenSource::X11ScreenSource() {
    xcb_connection_t* connection = ToolkitConnection();
    if (!connection)
        return;
    const xcb_screen_t* screen = DefaultScreen(connection);
    if (!screen)
        return;
    connection_ = connection;
    root_ = screen->root;
    format_ = RootPixelFormat(*xcb_get_setup(connection), *screen);
    // Decided once: the kind of session does not change while the program runs. A pixel read
    // never gives all bits set, so kInvalidColor means the root refused the 1 x 1 read.
    continuousReading_ = format_ && !IsWaylandSession(ReadDisplayEnvironment()) &&
                         !IsXWayland(connection) && ReadRootPixel(0, 0) != kInvalidColor;
}

QPoint X11ScreenSource::GetCursorPos() {
    if (!connection_)
        return kNoPointer;
    xcb_generic_error_t* error = nullptr;
    const auto reply = TakeReply(
        xcb_query_pointer_reply(connection_, xcb_query_pointer(connection_, root_), &error), error);
    if (!reply || !reply->same_screen)
        return kNoPointer;
    return QPoint(reply->root_x, reply->root_y);
}

QRect X11ScreenSource::ToPhysicalPixels(const QRect& logicalRect) {
    return LogicalToPhysical(logicalRect);
}

ScreenDC X11ScreenSource::GetWindowDC() {
    return context_.Take();
}

void X11ScreenSource::ReleaseDC(ScreenDC dc) {
    context_.Release(dc);
}

PackedColor X11ScreenSource::GetPixel(ScreenDC dc, int x, int y) {
    // Parts of the root that no monitor shows hold stale content, so only screen pixels count.
    // The screens lie inside the root, whose coordinates fit the request's 16 bits.
    if (!context_.IsHeld(dc) || !connection_ || !format_ || !IsOnAnyScreen(QPoint(x, y)))
        return kInvalidColor;
    return ReadRootPixel(x, y);
}

PackedColor X11ScreenSource::ReadRootPixel(int x, int y) {
    xcb_generic_error_t* error = nullptr;
    const auto cookie =
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), 1, 1, ~0u);
    // An error comes back here instead of reaching the toolkit's event queue.
    const auto reply = TakeReply(xcb_get_image_reply(connection_, cookie, &error), error);
    if (!reply || reply->depth != format_->depth ||
        xcb_get_image_data_length(reply.get()) < format_->bytesPerPixel)
        return kInvalidColor;
    return ToPackedColor(*format_, xcb_get_image_data(reply.get()));
}

bool X11ScreenSource::CanReadContinuously() {
    return continuousReading_;
}

WId X11ScreenSource::GetActiveWindow() {
    const QWindow* window = QGuiApplication::focusWindow();
    return window ? window->winId() : 0;
}

} // namespace tessavundo
