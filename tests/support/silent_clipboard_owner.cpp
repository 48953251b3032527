// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// A program holding the clipboard that never answers: it owns CLIPBOARD (or the selection
// named as its argument, PRIMARY say) and reads, but drops, every request for its contents, as
// a hung or badly written application does. Prints "ready" once it owns the selection; ends
// when it loses it or when the server goes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

int main(int argc, char* argv[]) {
    int screenNumber = 0;
    xcb_connection_t* const connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        return 1;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);

    const xcb_atom_t clipboard = Atom(connection, argc > 1 ? argv[1] : "CLIPBOARD");
    xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, clipboard), nullptr));
    if (!owner || owner->owner != window)
        return 1;
    std::printf("ready 0x%x\n", window);
    std::fflush(stdout);

    while (const Reply<xcb_generic_event_t> event{xcb_wait_for_event(connection)})
        if ((event->response_type & 0x7F) == XCB_SELECTION_CLEAR)
            break;
    xcb_disconnect(connection);
    return 0;
}
