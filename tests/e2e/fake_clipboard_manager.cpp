// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// A clipboard manager reduced to what a program leaving the desktop asks of one: it owns the
// CLIPBOARD_MANAGER selection, and on a SAVE_TARGETS request it takes the CLIPBOARD text from
// the program that is about to quit, confirms, and from then on serves that text itself.
// Prints "ready" once it owns the selection and "saved " with the text after each handover.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* g_connection = nullptr;
xcb_window_t g_window = 0;

xcb_atom_t Atom(const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        g_connection,
        xcb_intern_atom(g_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool OwnSelection(xcb_atom_t selection) {
    xcb_set_selection_owner(g_connection, g_window, selection, XCB_CURRENT_TIME);
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        g_connection, xcb_get_selection_owner(g_connection, selection), nullptr));
    return owner && owner->owner == g_window;
}

// The next SelectionNotify; whatever comes before it goes unanswered.
Reply<xcb_generic_event_t> WaitForSelectionNotify() {
    for (;;) {
        Reply<xcb_generic_event_t> event(xcb_wait_for_event(g_connection));
        if (!event || (event->response_type & 0x7F) == XCB_SELECTION_NOTIFY)
            return event;
    }
}

void Notify(const xcb_selection_request_event_t& request, xcb_atom_t property) {
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(g_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(g_connection);
}

} // namespace

int main() {
    int screenNumber = 0;
    g_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(g_connection))
        return 1;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(g_connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);

    g_window = xcb_generate_id(g_connection);
    xcb_create_window(g_connection, XCB_COPY_FROM_PARENT, g_window, screens.data->root, 0, 0, 1, 1,
                      0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);

    const xcb_atom_t manager = Atom("CLIPBOARD_MANAGER");
    const xcb_atom_t saveTargets = Atom("SAVE_TARGETS");
    const xcb_atom_t clipboard = Atom("CLIPBOARD");
    const xcb_atom_t utf8String = Atom("UTF8_STRING");
    const xcb_atom_t targets = Atom("TARGETS");
    const xcb_atom_t saved = Atom("FAKE_CLIPBOARD_MANAGER_SAVED");
    if (!OwnSelection(manager))
        return 1;
    std::puts("ready");
    std::fflush(stdout);

    std::string text;
    bool holdsText = false;
    while (const Reply<xcb_generic_event_t> event{xcb_wait_for_event(g_connection)}) {
        if ((event->response_type & 0x7F) != XCB_SELECTION_REQUEST)
            continue;
        const auto request = *reinterpret_cast<xcb_selection_request_event_t*>(event.get());
        const xcb_atom_t property = request.property ? request.property : request.target;

        if (request.selection == manager && request.target == saveTargets) {
            // The program that asks still owns CLIPBOARD and answers while it waits.
            xcb_convert_selection(g_connection, g_window, clipboard, utf8String, saved,
                                  request.time);
            xcb_flush(g_connection);
            const Reply<xcb_generic_event_t> answer = WaitForSelectionNotify();
            const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(answer.get());
            if (!notify || notify->property == XCB_ATOM_NONE) {
                Notify(request, XCB_ATOM_NONE);
                continue;
            }
            const Reply<xcb_get_property_reply_t> value(
                xcb_get_property_reply(g_connection,
                                       xcb_get_property(g_connection, 1, g_window, saved,
                                                        XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 20),
                                       nullptr));
            if (!value) {
                Notify(request, XCB_ATOM_NONE);
                continue;
            }
            text.assign(static_cast<const char*>(xcb_get_property_value(value.get())),
                        static_cast<std::size_t>(xcb_get_property_value_length(value.get())));
            holdsText = OwnSelection(clipboard);
            Notify(request, property);
            std::printf("saved %s\n", text.c_str());
            std::fflush(stdout);
        } else if (request.selection == clipboard && holdsText && request.target == targets) {
            const xcb_atom_t offered[] = {targets, utf8String};
            xcb_change_property(g_connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                                XCB_ATOM_ATOM, 32, 2, offered);
            Notify(request, property);
        } else if (request.selection == clipboard && holdsText && request.target == utf8String) {
            xcb_change_property(g_connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                                utf8String, 8, static_cast<std::uint32_t>(text.size()),
                                text.data());
            Notify(request, property);
        } else {
            Notify(request, XCB_ATOM_NONE);
        }
    }
    return 0;
}
