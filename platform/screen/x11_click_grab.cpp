// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/x11_click_grab.h"

#include "platform/screen/x11_magnifier.h"
#include "platform/screen/x11_root_block.h"
#include "platform/screen/x11_toolkit_connection.h"

#include <QCoreApplication>
#include <QRect>
#include <algorithm>
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
constexpr xcb_button_t kLeftButton = 1;
constexpr xcb_button_t kRightButton = 3;
// Shift moves the pointer this many pixels for one arrow press.
constexpr int kTenfoldStep = 10;
constexpr std::uint16_t kPointerEvents =
    XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_POINTER_MOTION;

// The keys of the pick by their keysyms; the keypad's arrows as well, for keypads without
// Num Lock.
struct KeyBinding {
    xcb_keysym_t keysym;
    X11ClickGrab::KeyAction action;
};
constexpr KeyBinding kKeyBindings[] = {
    {0xFF1B, X11ClickGrab::KeyAction::kCancel}, // Escape
    {0xFF0D, X11ClickGrab::KeyAction::kPick},   // Return
    {0xFF8D, X11ClickGrab::KeyAction::kPick},   // KP_Enter
    {0x0020, X11ClickGrab::KeyAction::kPick},   // space
    {0xFF51, X11ClickGrab::KeyAction::kLeft},   {0xFF96, X11ClickGrab::KeyAction::kLeft},
    {0xFF52, X11ClickGrab::KeyAction::kUp},     {0xFF97, X11ClickGrab::KeyAction::kUp},
    {0xFF53, X11ClickGrab::KeyAction::kRight},  {0xFF98, X11ClickGrab::KeyAction::kRight},
    {0xFF54, X11ClickGrab::KeyAction::kDown},   {0xFF99, X11ClickGrab::KeyAction::kDown},
};

// Started from a window manager's key binding, the program finds the keyboard still held by
// the manager until the key is released; a grab held that long or longer belongs to another
// program.
constexpr auto kGrabPatience = std::chrono::milliseconds(1000);
constexpr auto kGrabRetryInterval = std::chrono::milliseconds(20);

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> Own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

// Each keycode does what the first of its keysyms that the pick knows says.
QHash<xcb_keycode_t, X11ClickGrab::KeyAction> KeyActions(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto mapping = Own(xcb_get_keyboard_mapping_reply(
        connection,
        xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr));
    QHash<xcb_keycode_t, X11ClickGrab::KeyAction> actions;
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return actions;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    const int total = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    for (int i = 0; i < total; ++i) {
        const auto keycode = static_cast<xcb_keycode_t>(setup->min_keycode + i / perKeycode);
        for (const KeyBinding& binding : kKeyBindings)
            if (keysyms[i] == binding.keysym && !actions.contains(keycode))
                actions.insert(keycode, binding.action);
    }
    return actions;
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
    magnifier_ = std::make_unique<X11Magnifier>(connection_, *screen);
    keys_ = KeyActions(connection_);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11ClickGrab::~X11ClickGrab() {
    if (!connection_)
        return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    Ungrab();
    xcb_free_cursor(connection_, crosshair_);
    if (magnified_ != XCB_CURSOR_NONE)
        xcb_free_cursor(connection_, magnified_);
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
    ScheduleMagnifier(QueryPointer());
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
        xcb_grab_pointer(connection_, 0, root_, kPointerEvents, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_WINDOW_NONE, crosshair_, XCB_CURRENT_TIME),
        nullptr));
    pointerGrabbed_ = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    return pointerGrabbed_;
}

// Flushed at once: whatever the program does next, the desktop takes input again.
void X11ClickGrab::Ungrab() {
    if (pointerGrabbed_)
        xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
    if (keyboardGrabbed_)
        xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    pointerGrabbed_ = false;
    keyboardGrabbed_ = false;
    xcb_flush(connection_);
}

const xcb_screen_t* X11ClickGrab::ScreenOf(xcb_window_t root) const {
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_)); screens.rem;
         xcb_screen_next(&screens))
        if (screens.data->root == root)
            return screens.data;
    return nullptr;
}

// Motion comes in bursts; the view is drawn once for the newest position of a burst.
void X11ClickGrab::ScheduleMagnifier(const PointerPlace& place) {
    pointer_ = place;
    if (magnifierPending_ || !magnifier_->Available())
        return;
    magnifierPending_ = true;
    QMetaObject::invokeMethod(this, &X11ClickGrab::ShowMagnifier, Qt::QueuedConnection);
}

// Where the view cannot be drawn the crosshair stays.
void X11ClickGrab::ShowMagnifier() {
    magnifierPending_ = false;
    const xcb_screen_t* screen = ScreenOf(pointer_.root);
    if (answered_ || !pointerGrabbed_ || !screen)
        return;
    const xcb_cursor_t cursor = magnifier_->CursorAt(*screen, pointer_.position);
    if (cursor == XCB_CURSOR_NONE)
        return;
    xcb_change_active_pointer_grab(connection_, cursor, XCB_CURRENT_TIME, kPointerEvents);
    if (magnified_ != XCB_CURSOR_NONE)
        xcb_free_cursor(connection_, magnified_);
    magnified_ = cursor;
    xcb_flush(connection_);
}

X11ClickGrab::PointerPlace X11ClickGrab::QueryPointer() {
    const auto reply =
        Own(xcb_query_pointer_reply(connection_, xcb_query_pointer(connection_, root_), nullptr));
    if (!reply)
        return {};
    return {reply->root, QPoint(reply->root_x, reply->root_y)};
}

// The pixel is read while the grabs still hold, so that nothing has moved since the click.
void X11ClickGrab::PickAt(const PointerPlace& place) {
    answered_ = true;
    const xcb_screen_t* screen = ScreenOf(place.root);
    const std::vector<PackedColor> pixel =
        screen ? ReadRootBlock(connection_, *screen, QRect(place.position, QSize(1, 1)))
               : std::vector<PackedColor>();
    Ungrab();
    if (pixel.size() == 1)
        emit Picked(pixel.front());
    else
        emit Failed(QStringLiteral("cannot read the screen pixel at %1,%2")
                        .arg(place.position.x())
                        .arg(place.position.y()));
}

// Kept on the screen the pointer is on.
void X11ClickGrab::MovePointer(QPoint step) {
    const PointerPlace place = QueryPointer();
    const xcb_screen_t* screen = ScreenOf(place.root);
    if (!screen)
        return;
    const QPoint target(std::clamp(place.position.x() + step.x(), 0, screen->width_in_pixels - 1),
                        std::clamp(place.position.y() + step.y(), 0, screen->height_in_pixels - 1));
    xcb_warp_pointer(connection_, XCB_WINDOW_NONE, place.root, 0, 0, 0, 0,
                     static_cast<std::int16_t>(target.x()), static_cast<std::int16_t>(target.y()));
    xcb_flush(connection_);
    ScheduleMagnifier({place.root, target});
}

void X11ClickGrab::OnKey(KeyAction action, bool tenfold) {
    const int step = tenfold ? kTenfoldStep : 1;
    switch (action) {
    case KeyAction::kCancel:
        answered_ = true;
        Ungrab();
        emit Cancelled();
        break;
    case KeyAction::kPick:
        PickAt(QueryPointer());
        break;
    case KeyAction::kLeft:
        MovePointer(QPoint(-step, 0));
        break;
    case KeyAction::kRight:
        MovePointer(QPoint(step, 0));
        break;
    case KeyAction::kUp:
        MovePointer(QPoint(0, -step));
        break;
    case KeyAction::kDown:
        MovePointer(QPoint(0, step));
        break;
    }
}

bool X11ClickGrab::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (answered_ || !pointerGrabbed_ || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
    case XCB_BUTTON_PRESS: {
        // The event's root is that of the screen the pointer is on, its position on that root.
        const auto* press = reinterpret_cast<const xcb_button_press_event_t*>(event);
        if (press->detail == kLeftButton) {
            PickAt({press->root, QPoint(press->root_x, press->root_y)});
        } else if (press->detail == kRightButton) {
            answered_ = true;
            Ungrab();
            emit Cancelled();
        }
        return true;
    }
    case XCB_MOTION_NOTIFY: {
        const auto* motion = reinterpret_cast<const xcb_motion_notify_event_t*>(event);
        ScheduleMagnifier({motion->root, QPoint(motion->root_x, motion->root_y)});
        return true;
    }
    case XCB_KEY_PRESS: {
        const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
        if (const auto key = keys_.constFind(press->detail); key != keys_.constEnd())
            OnKey(*key, (press->state & XCB_MOD_MASK_SHIFT) != 0);
        return true;
    }
    default:
        return false;
    }
}

} // namespace tessavundo
