// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/x11_screen_source.h"

#include "platform/screen/display_session.h"
#include "platform/screen/physical_pixels.h"
#include "platform/screen/x11_toolkit_connection.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

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
    waylandSession_ = IsWaylandSession(ReadDisplayEnvironment());
    xcb_connection_t* connection = ToolkitConnection();
    if (!connection)
        return;
    const xcb_screen_t* screen = DefaultScreen(connection);
    if (!screen)
        return;
    connection_ = connection;
    root_ = screen->root;
    colormap_ = screen->default_colormap;
    if (const auto visual = RootVisual(*xcb_get_setup(connection), *screen))
        format_ = PixelFormatOf(*visual);
}

QPoint X11ScreenSource::GetCursorPos() {
    pixelAtPointer_.reset();
    if (!connection_)
        return kNoPointer;
    const auto pointerCookie = xcb_query_pointer(connection_, root_);
    // The eyedropper reads the pixel under the pointer right after asking where it is. Asking
    // for the pixel where the pointer last was goes out in the same flush, and its reply comes
    // right behind the pointer's: a resting pointer costs one round trip instead of two.
    const QPoint guess = lastPointer_;
    const bool readAhead = context_.IsAnyHeld() && CanReadRootPixel(guess);
    const auto pixelCookie = readAhead ? RequestRootPixel(guess) : xcb_get_image_cookie_t{};
    xcb_generic_error_t* error = nullptr;
    const auto reply =
        TakeReply(xcb_query_pointer_reply(connection_, pointerCookie, &error), error);
    const PackedColor pixel = readAhead ? RootPixelReply(pixelCookie) : kInvalidColor;
    if (!reply || !reply->same_screen) {
        lastPointer_ = kNoPointer;
        return kNoPointer;
    }
    lastPointer_ = QPoint(reply->root_x, reply->root_y);
    if (readAhead && lastPointer_ == guess)
        pixelAtPointer_ = PixelAtPointer{guess, pixel};
    return lastPointer_;
}

QRect X11ScreenSource::ToPhysicalPixels(const QRect& logicalRect) {
    return LogicalToPhysical(logicalRect);
}

ScreenDC X11ScreenSource::GetWindowDC() {
    pixelAtPointer_.reset();
    return context_.Take();
}

void X11ScreenSource::ReleaseDC(ScreenDC dc) {
    if (context_.Release(dc))
        pixelAtPointer_.reset();
}

PackedColor X11ScreenSource::GetPixel(ScreenDC dc, int x, int y) {
    const auto readAhead = std::exchange(pixelAtPointer_, std::nullopt);
    if (!context_.IsHeld(dc) || !CanReadRootPixel(QPoint(x, y)))
        return kInvalidColor;
    if (readAhead && readAhead->point == QPoint(x, y))
        return readAhead->color;
    return ReadRootPixel(x, y);
}

bool X11ScreenSource::CanReadRootPixel(QPoint point) const {
    // Parts of the root that no monitor shows hold stale content, so only screen pixels count.
    // The screens lie inside the root, whose coordinates fit the request's 16 bits.
    return connection_ && format_ && IsOnAnyScreen(point);
}

xcb_get_image_cookie_t X11ScreenSource::RequestRootPixel(QPoint point) {
    return xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_,
                         static_cast<std::int16_t>(point.x()), static_cast<std::int16_t>(point.y()),
                         1, 1, ~0u);
}

PackedColor X11ScreenSource::RootPixelReply(xcb_get_image_cookie_t cookie) {
    xcb_generic_error_t* error = nullptr;
    // An error comes back here instead of reaching the toolkit's event queue.
    const auto reply = TakeReply(xcb_get_image_reply(connection_, cookie, &error), error);
    if (!reply || reply->depth != format_->depth ||
        xcb_get_image_data_length(reply.get()) < format_->bytesPerPixel)
        return kInvalidColor;
    const std::uint32_t pixel = PixelValue(*format_, xcb_get_image_data(reply.get()));
    return format_->throughColormap ? ReadColormapEntry(pixel) : ChannelsColor(*format_, pixel);
}

// A second round trip, only on displays whose pixels are colormap indices. The colormap can
// change at any time, so its entries are asked afresh for every read.
PackedColor X11ScreenSource::ReadColormapEntry(std::uint32_t pixel) {
    xcb_generic_error_t* error = nullptr;
    const auto reply =
        TakeReply(xcb_query_colors_reply(
                      connection_, xcb_query_colors(connection_, colormap_, 1, &pixel), &error),
                  error);
    if (!reply || xcb_query_colors_colors_length(reply.get()) < 1)
        return kInvalidColor;
    const xcb_rgb_t& entry = *xcb_query_colors_colors(reply.get());
    return ColormapEntryColor(entry.red, entry.green, entry.blue);
}

PackedColor X11ScreenSource::ReadRootPixel(int x, int y) {
    return RootPixelReply(RequestRootPixel(QPoint(x, y)));
}

ScreenReading X11ScreenSource::Reading() {
    // Decided once, when first asked rather than at start-up, which would wait for two round
    // trips to the X server: the kind of session does not change while the program runs.
    if (!reading_) {
        if (waylandSession_ || (connection_ && IsXWayland(connection_)))
            reading_ = ScreenReading::ForbiddenByDesktop;
        else if (!connection_)
            reading_ = ScreenReading::Refused;
        else if (!format_)
            reading_ = ScreenReading::DisplayNotSupported;
        else
            // A pixel read never gives all bits set, so kInvalidColor means the root refused
            // the 1 x 1 read.
            reading_ = ReadRootPixel(0, 0) != kInvalidColor ? ScreenReading::Continuous
                                                            : ScreenReading::Refused;
    }
    return *reading_;
}

WId X11ScreenSource::GetActiveWindow() {
    const QWindow* window = QGuiApplication::focusWindow();
    return window ? window->winId() : 0;
}

} // namespace tessavundo
