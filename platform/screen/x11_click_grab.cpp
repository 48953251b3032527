// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/x11_click_grab.h"

#include "platform/screen/x11_toolkit_connection.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

namespace tessavundo {
namespace {

// Glyphs of the X cursor font: the crosshair and its mask.
constexpr std::uint16_t kCrosshairGlyph = 34;
constexpr std::uint16_t kCrosshairMaskGlyph = 35;
constexpr std::uint16_t kFullIntensity = 0xFFFF;
constexpr xcb_keysym_t kEscapeKeysym = 0xFF1B;
constexpr xcb_button_t kLeftButton = 1;
constexpr xcb_button_t kRightButton = 3;

// Started from a window manager's key binding, the program finds the keyboard still held by
// the manager until the key is released; a grab held that long or longer belongs to another
// program.
constexpr auto kGrabPatience = std::chrono::milliseconds(1000);
constexpr auto kGrabRetryInterval = std::chrono::milliseconds(20);

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> Own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

QList<xcb_keycode_t> KeycodesOf(xcb_connection_t* connection, xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto mapping = Own(xcb_get_keyboard_mapping_reply(
        connection,
        xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr));
    QList<xcb_keycode_t> keycodes;
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return keycodes;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    const int total = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    for (int i = 0; i < total; ++i) {
        const auto keycode = static_cast<xcb_keycode_t>(setup->min_keycode + i / perKeycode);
        if (keysyms[i] == keysym && !keycodes.contains(keycode))
            keycodes.append(keycode);
    }
    return keycodes;
}

xcb_cursor_t CreateCrosshair(xcb_connection_t* connection) {
    static constexpr char kCursorFont[] = "cursor";
    const xcb_font_t font = xcb_generate_id(connection);
    xcb_open_font(connection, font, sizeof kCursorFont - 1, kCursorFont);
    const xcb_cursor_t cursor = xcb_generate_id(connection);
    xcb_create_glyph_cursor(connection, cursor, font, font, kCrosshairGlyph, kCrosshairMaskGlyph, 0,
                            0, 0, kFullIntensity, kFullIntensity, kFullIntensity);
    xcb_close_font(connection, font);
    return cursor;
}

} // namespace

X11ClickGrab::X11ClickGrab() {
    connection_ = ToolkitConnection();
    const xcb_screen_t* screen = connection_ ? DefaultScreen(connection_) : nullptr;
    if (!screen) {
        connection_ = nullptr;
        return;
    }
    root_ = screen->root;
    crosshair_ = CreateCrosshair(connection_);
    escapeKeys_ = KeycodesOf(connection_, kEscapeKeysym);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11ClickGrab::~X11ClickGrab() {
    if (!connection_)
        return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    Ungrab();
    xcb_free_cursor(connection_, crosshair_);
    xcb_flush(connection_);
}

QString X11ClickGrab::Grab() {
    if (!connection_)
        return QStringLiteral("there is no X display to take the pointer on");
    const auto deadline = std::chrono::steady_clock::now() + kGrabPatience;
    while (!TryGrab()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            Ungrab();
            return QStringLiteral("another program holds the pointer or the keyboard");
        }
        std::this_thread::sleep_for(kGrabRetryInterval);
    }
    return QString();
}

// The keyboard first, so that once the crosshair shows Esc works too.
bool X11ClickGrab::TryGrab() {
    if (!keyboardGrabbed_) {
        const auto reply =
            Own(xcb_grab_keyboard_reply(connection_,
                                        xcb_grab_keyboard(connection_, 0, root_, XCB_CURRENT_TIME,
                                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                        nullptr));
        keyboardGrabbed_ = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
        if (!keyboardGrabbed_)
            return false;
    }
    const auto reply = Own(xcb_grab_pointer_reply(
        connection_,
        xcb_grab_pointer(connection_, 0, root_, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_WINDOW_NONE, crosshair_, XCB_CURRENT_TIME),
        nullptr));
    pointerGrabbed_ = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    return pointerGrabbed_;
}

void X11ClickGrab::Ungrab() {
    if (pointerGrabbed_)
        xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
    if (keyboardGrabbed_)
        xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    pointerGrabbed_ = false;
    keyboardGrabbed_ = false;
    xcb_flush(connection_);
}

bool X11ClickGrab::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (answered_ || !pointerGrabbed_ || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
    case XCB_BUTTON_PRESS: {
        const auto* press = reinterpret_cast<const xcb_button_press_event_t*>(event);
        if (press->detail == kLeftButton) {
            answered_ = true;
            emit Clicked(QPoint(press->root_x, press->root_y));
        } else if (press->detail == kRightButton) {
            answered_ = true;
            emit Cancelled();
        }
        return true;
    }
    case XCB_KEY_PRESS: {
        const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
        if (escapeKeys_.contains(press->detail)) {
            answered_ = true;
            emit Cancelled();
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace tessavundo
