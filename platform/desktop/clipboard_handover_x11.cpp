// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/desktop/clipboard_handover.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace tessavundo {
namespace {

// What the background process says on its pipe once it owns the clipboard.
constexpr char kOwned = '1';

template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> Take(Reply* reply) {
    return {reply, &std::free};
}

// The clipboard's owner on its own X connection: nothing of the toolkit's, which this forked
// copy of the program must not touch.
class SelectionOwner {
public:
    explicit SelectionOwner(std::string text)
        : text_(std::move(text)) {}
    ~SelectionOwner() {
        if (connection_)
            xcb_disconnect(connection_);
    }
    SelectionOwner(const SelectionOwner&) = delete;
    SelectionOwner& operator=(const SelectionOwner&) = delete;

    bool TakeClipboard();
    void AskManagerToSave();
    // Answers requests for the text until the clipboard is taken, saved or the server goes.
    void Serve();

private:
    enum Name {
        kClipboard,
        kTargets,
        kUtf8String,
        kText,
        kTextPlainUtf8,
        kTextPlain,
        kTimestamp,
        kClipboardManager,
        kSaveTargets,
        kNetWmPid,
        kNameCount
    };

    void InternAtoms();
    xcb_timestamp_t ServerTime();
    void Answer(const xcb_selection_request_event_t& request);
    bool Convert(const xcb_selection_request_event_t& request, xcb_atom_t property);
    bool IsText(xcb_atom_t target) const;

    std::string text_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_WINDOW_NONE;
    xcb_timestamp_t ownedSince_ = XCB_CURRENT_TIME;
    std::array<xcb_atom_t, kNameCount> atoms_{};
};

void SelectionOwner::InternAtoms() {
    static constexpr std::array<const char*, kNameCount> kNames = {
        "CLIPBOARD",  "TARGETS",   "UTF8_STRING",       "TEXT",         "text/plain;charset=utf-8",
        "text/plain", "TIMESTAMP", "CLIPBOARD_MANAGER", "SAVE_TARGETS", "_NET_WM_PID"};
    std::array<xcb_intern_atom_cookie_t, kNameCount> cookies{};
    for (std::size_t i = 0; i < kNameCount; ++i)
        cookies[i] = xcb_intern_atom(connection_, 0,
                                     static_cast<std::uint16_t>(std::strlen(kNames[i])), kNames[i]);
    for (std::size_t i = 0; i < kNameCount; ++i) {
        const auto reply = Take(xcb_intern_atom_reply(connection_, cookies[i], nullptr));
        atoms_[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
}

// A selection is owned from a real time, which only an event carries: that of a change to a
// property of our own window.
xcb_timestamp_t SelectionOwner::ServerTime() {
    xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_, atoms_[kNetWmPid],
                        XCB_ATOM_CARDINAL, 32, 0, nullptr);
    xcb_flush(connection_);
    while (const auto event = Take(xcb_wait_for_event(connection_)))
        if ((event->response_type & ~0x80) == XCB_PROPERTY_NOTIFY)
            return reinterpret_cast<const xcb_property_notify_event_t*>(event.get())->time;
    return XCB_CURRENT_TIME;
}

bool SelectionOwner::TakeClipboard() {
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_))
        return false;
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (; screens.rem && screenNumber > 0; --screenNumber)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return false;
    InternAtoms();
    window_ = xcb_generate_id(connection_);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    // Names the process that serves the clipboard, as windows do for the desktop.
    const auto pid = static_cast<std::uint32_t>(getpid());
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_, atoms_[kNetWmPid],
                        XCB_ATOM_CARDINAL, 32, 1, &pid);
    ownedSince_ = ServerTime();
    xcb_set_selection_owner(connection_, window_, atoms_[kClipboard], ownedSince_);
    const auto owner = Take(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, atoms_[kClipboard]), nullptr));
    return owner && owner->owner == window_;
}

// A clipboard manager copies the text and confirms; without one nobody answers, and the text
// is served until another program takes the clipboard.
void SelectionOwner::AskManagerToSave() {
    const auto manager = Take(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, atoms_[kClipboardManager]), nullptr));
    if (!manager || manager->owner == XCB_WINDOW_NONE)
        return;
    xcb_convert_selection(connection_, window_, atoms_[kClipboardManager], atoms_[kSaveTargets],
                          XCB_ATOM_NONE, ownedSince_);
    xcb_flush(connection_);
}

bool SelectionOwner::IsText(xcb_atom_t target) const {
    return target == atoms_[kUtf8String] || target == XCB_ATOM_STRING || target == atoms_[kText] ||
           target == atoms_[kTextPlainUtf8] || target == atoms_[kTextPlain];
}

// Writes the clipboard in the form `target` asks for; false for a form it does not come in.
bool SelectionOwner::Convert(const xcb_selection_request_event_t& request, xcb_atom_t property) {
    if (request.target == atoms_[kTargets]) {
        const std::array<xcb_atom_t, 7> targets = {
            atoms_[kTargets],       atoms_[kTimestamp], atoms_[kUtf8String], XCB_ATOM_STRING,
            atoms_[kTextPlainUtf8], atoms_[kText],      atoms_[kTextPlain]};
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            XCB_ATOM_ATOM, 32, targets.size(), targets.data());
        return true;
    }
    if (request.target == atoms_[kTimestamp]) {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                            XCB_ATOM_INTEGER, 32, 1, &ownedSince_);
        return true;
    }
    if (!IsText(request.target))
        return false;
    // A color's text is plain ASCII, the same bytes in every one of these encodings.
    const xcb_atom_t type = request.target == atoms_[kText] ? atoms_[kUtf8String] : request.target;
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property, type, 8,
                        static_cast<std::uint32_t>(text_.size()), text_.data());
    return true;
}

void SelectionOwner::Answer(const xcb_selection_request_event_t& request) {
    // Old clients name no property; the target stands in for it.
    const xcb_atom_t property =
        request.property == XCB_ATOM_NONE ? request.target : request.property;
    const bool answered = request.selection == atoms_[kClipboard] && Convert(request, property);
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = answered ? property : xcb_atom_t{XCB_ATOM_NONE};
    xcb_send_event(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(connection_);
}

void SelectionOwner::Serve() {
    while (const auto event = Take(xcb_wait_for_event(connection_))) {
        switch (event->response_type & ~0x80) {
        case XCB_SELECTION_REQUEST:
            Answer(*reinterpret_cast<const xcb_selection_request_event_t*>(event.get()));
            break;
        case XCB_SELECTION_CLEAR:
            return;
        case XCB_SELECTION_NOTIFY:
            // The manager's answer to SAVE_TARGETS: it holds the text now.
            if (reinterpret_cast<const xcb_selection_notify_event_t*>(event.get())->target ==
                atoms_[kSaveTargets])
                return;
            break;
        default:
            break;
        }
    }
}

// Out of the terminal's session and its working folder, its streams on the null device and
// every other file of the program closed: a shell reading its output sees the end at once, and
// the toolkit's X connection goes when the program does.
void Detach(int keep) {
    setsid();
    // Failing, it only keeps the folder it was started in busy a while longer.
    [[maybe_unused]] const int moved = chdir("/");
    const int null = open("/dev/null", O_RDWR);
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (null >= 0 && null != stream)
            dup2(null, stream);
    if (null > STDERR_FILENO && null != keep)
        close(null);
    for (int descriptor = STDERR_FILENO + 1; descriptor < keep; ++descriptor)
        close(descriptor);
    close_range(static_cast<unsigned>(keep) + 1, ~0u, 0);
}

[[noreturn]] void ServeInBackground(const std::string& text, int ready) {
    Detach(ready);
    {
        SelectionOwner owner(text);
        const bool owned = owner.TakeClipboard();
        if (owned && write(ready, &kOwned, 1) == 1) {
            close(ready);
            owner.AskManagerToSave();
            owner.Serve();
        }
    }
    // None of the toolkit's clean-up belongs to this copy of the program.
    _exit(0);
}

} // namespace

QString HandOverToClipboard(const QString& text) {
    std::array<int, 2> ready{};
    if (pipe2(ready.data(), O_CLOEXEC) != 0)
        return QStringLiteral("cannot start the process that keeps the clipboard");
    const std::string bytes = text.toStdString();
    // Twice, so that the server is no child of this program and needs no waiting for.
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        if (fork() == 0)
            ServeInBackground(bytes, ready[1]);
        _exit(0);
    }
    close(ready[1]);
    if (child < 0) {
        close(ready[0]);
        return QStringLiteral("cannot start the process that keeps the clipboard");
    }
    waitpid(child, nullptr, 0);
    char answer = 0;
    const bool owned = read(ready[0], &answer, 1) == 1 && answer == kOwned;
    close(ready[0]);
    return owned ? QString() : QStringLiteral("cannot take the clipboard on the X display");
}

} // namespace tessavundo
