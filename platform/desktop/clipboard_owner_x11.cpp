// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/clipboard_owner.h"

#include <QClipboard>
#include <QGuiApplication>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

namespace tessavundo {
namespace {

// The toolkit gives an owner five seconds for each of the three questions of a paste, with the
// window standing still throughout. An owner that is alive answers within a round trip to the
// server; half a second leaves room for one that is busy or swapped in, and is not yet felt as
// a freeze. An owner slower than that loses this paste, with the bell, and the next one may
// find it ready.
constexpr std::chrono::milliseconds kAnswerWait(500);

template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> Take(Reply* reply) {
    return {reply, &std::free};
}

class Connection {
public:
    Connection()
        : connection_(xcb_connect(nullptr, nullptr)) {}
    ~Connection() { xcb_disconnect(connection_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&&) = delete;
    Connection& operator=(Connection&&) = delete;

    xcb_connection_t* get() const { return connection_; }
    bool Works() const { return xcb_connection_has_error(connection_) == 0; }

private:
    xcb_connection_t* connection_;
};

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto reply = Take(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Waits for the owner's answer on `connection` until `deadline`; any answer counts, a refusal
// too, since an owner that refuses also answers the toolkit at once.
bool AnswerArrives(xcb_connection_t* connection, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        while (const auto event = Take(xcb_poll_for_event(connection)))
            if ((event->response_type & ~0x80) == XCB_SELECTION_NOTIFY)
                return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection))
            return false;
        pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&readable, 1, static_cast<int>(left.count()));
    }
}

// Asks the owner of `selection`, on a connection of our own, which forms its contents come in.
bool OwnerAnswersTargets(const char* selection) {
    const Connection connection;
    if (!connection.Works())
        return true;
    xcb_connection_t* const c = connection.get();
    const xcb_atom_t selectionAtom = Atom(c, selection);
    const xcb_atom_t targets = Atom(c, "TARGETS");
    const auto owner =
        Take(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selectionAtom), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE)
        return true;
    const xcb_screen_t* const screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_convert_selection(c, window, selectionAtom, targets, targets, XCB_CURRENT_TIME);
    xcb_flush(c);
    return AnswerArrives(c, std::chrono::steady_clock::now() + kAnswerWait);
}

} // namespace

bool ClipboardOwnerAnswers(QClipboard::Mode mode) {
    // Elsewhere (Wayland) the toolkit does not wait on the owner this way; and the clipboard
    // of this program is answered from memory, while asking it here would find it silent, its
    // answers coming from this very thread.
    const bool selection = mode == QClipboard::Selection;
    const QClipboard* const clipboard = QGuiApplication::clipboard();
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        (selection ? clipboard->ownsSelection() : clipboard->ownsClipboard()))
        return true;
    return OwnerAnswersTargets(selection ? "PRIMARY" : "CLIPBOARD");
}

} // namespace tessavundo
