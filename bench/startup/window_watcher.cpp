// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/startup/window_watcher.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>

namespace tessavundo::startup {
namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> Own(T* reply) {
    return Reply<T>(reply, &std::free);
}

} // namespace

WindowWatcher::WindowWatcher() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    pidAtom_ = Atom("_NET_WM_PID");
    protocolsAtom_ = Atom("WM_PROTOCOLS");
    deleteWindowAtom_ = Atom("WM_DELETE_WINDOW");
}

xcb_atom_t WindowWatcher::Atom(const char* name) {
    const auto atom = Own(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return atom ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
}

WindowWatcher::~WindowWatcher() {
    if (connection_)
        xcb_disconnect(connection_);
}

void WindowWatcher::Forget() {
    // A round trip, so that every notification sent so far has arrived.
    Own(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
        std::free(event);
}

std::optional<WindowWatcher::MappedWindow>
WindowWatcher::WaitForMappedWindow(pid_t pid, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const auto arrived = std::chrono::steady_clock::now();
            const auto owned = Own(event);
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (map->event == root_ && WindowPid(map->window) == std::uint32_t(pid))
                return MappedWindow{map->window, arrived};
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection_))
            return std::nullopt;
        pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left.count()));
    }
}

void WindowWatcher::Focus(xcb_window_t window) {
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

void WindowWatcher::RequestClose(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocolsAtom_;
    message.data.data32[0] = deleteWindowAtom_;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

std::optional<std::uint32_t> WindowWatcher::WindowPid(xcb_window_t window) {
    const auto property = Own(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!property || xcb_get_property_value_length(property.get()) != 4)
        return std::nullopt;
    std::uint32_t pid;
    std::memcpy(&pid, xcb_get_property_value(property.get()), sizeof pid);
    return pid;
}

} // namespace tessavundo::startup
