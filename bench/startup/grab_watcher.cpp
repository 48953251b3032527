// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/startup/grab_watcher.h"

#include <cstdlib>
#include <memory>
#include <poll.h>
#include <xcb/xtest.h>

namespace tessavundo::startup {
namespace {

constexpr xcb_button_t kLeftButton = 1;
constexpr xcb_keysym_t kRightKeysym = 0xFF53;

// The first keycode that types `keysym`, or 0.
xcb_keycode_t KeycodeOf(xcb_connection_t* connection, xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_keyboard_mapping_reply(connection,
                                       xcb_get_keyboard_mapping(connection, setup->min_keycode,
                                                                static_cast<std::uint8_t>(count)),
                                       nullptr),
        &std::free);
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int total = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    for (int i = 0; i < total; ++i)
        if (keysyms[i] == keysym)
            return static_cast<xcb_keycode_t>(setup->min_keycode +
                                              i / mapping->keysyms_per_keycode);
    return 0;
}

int PointerX(xcb_connection_t* connection, xcb_window_t window) {
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, window), nullptr),
        &std::free);
    return reply ? reply->root_x : -1;
}

void Sync(xcb_connection_t* connection) {
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace

GrabWatcher::GrabWatcher() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    window_ = xcb_generate_id(connection_);
    const std::uint32_t events = XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_LEAVE_WINDOW;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0,
                      screen->width_in_pixels, screen->height_in_pixels, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    xcb_map_window(connection_, window_);
    xcb_warp_pointer(connection_, XCB_NONE, screen->root, 0, 0, 0, 0,
                     static_cast<std::int16_t>(screen->width_in_pixels / 2),
                     static_cast<std::int16_t>(screen->height_in_pixels / 2));
    Sync(connection_);
}

GrabWatcher::~GrabWatcher() {
    if (connection_)
        xcb_disconnect(connection_);
}

void GrabWatcher::Forget() {
    Sync(connection_);
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
        std::free(event);
}

std::optional<std::chrono::steady_clock::time_point>
GrabWatcher::WaitForGrab(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const auto arrived = std::chrono::steady_clock::now();
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                   &std::free);
            if ((event->response_type & 0x7F) != XCB_LEAVE_NOTIFY)
                continue;
            const auto* leave = reinterpret_cast<const xcb_leave_notify_event_t*>(event);
            if (leave->event == window_ && leave->mode == XCB_NOTIFY_MODE_GRAB)
                return arrived;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection_))
            return std::nullopt;
        pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left.count()));
    }
}

std::chrono::steady_clock::time_point GrabWatcher::Click() {
    const auto pressed = std::chrono::steady_clock::now();
    xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, kLeftButton, XCB_CURRENT_TIME, XCB_NONE, 0,
                        0, 0);
    xcb_flush(connection_);
    xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, kLeftButton, XCB_CURRENT_TIME, XCB_NONE, 0,
                        0, 0);
    xcb_flush(connection_);
    return pressed;
}

std::optional<std::chrono::steady_clock::duration>
GrabWatcher::StepRight(std::chrono::milliseconds timeout) {
    const xcb_keycode_t key = KeycodeOf(connection_, kRightKeysym);
    const int before = PointerX(connection_, window_);
    if (key == 0 || before < 0)
        return std::nullopt;
    const auto pressed = std::chrono::steady_clock::now();
    xcb_test_fake_input(connection_, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(connection_);
    while (std::chrono::steady_clock::now() - pressed < timeout)
        if (PointerX(connection_, window_) != before)
            return std::chrono::steady_clock::now() - pressed;
    return std::nullopt;
}

} // namespace tessavundo::startup
