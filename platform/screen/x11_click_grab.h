// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen/click_grab.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QPoint>
#include <memory>
#include <xcb/xcb.h>

namespace tessavundo {

class X11Magnifier;

// The pointer and the keyboard grabbed on the root window through the toolkit's own X
// connection, whose events reach this object through the toolkit's native event filter. The
// roots' coordinates are physical pixels whatever scale factor the toolkit applies; the pixel
// is read on the screen the pointer is on, which on a display of several X screens need not
// be the one the toolkit connected to.
class X11ClickGrab final : public ClickGrab, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    X11ClickGrab();
    ~X11ClickGrab() override;

    QString Grab() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // What a key does while picking.
    enum class KeyAction { kCancel, kPick, kLeft, kRight, kUp, kDown };

private:
    // Where the pointer is: the root window of its screen and the physical pixel on it.
    struct PointerPlace {
        xcb_window_t root = XCB_WINDOW_NONE;
        QPoint position;
    };

    bool TryGrab();
    void Ungrab();
    void OnKey(KeyAction action, bool tenfold);
    PointerPlace QueryPointer();
    void PickAt(const PointerPlace& place);
    void MovePointer(QPoint step);
    const xcb_screen_t* ScreenOf(xcb_window_t root) const;
    void ScheduleMagnifier(const PointerPlace& place);
    void ShowMagnifier();

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_cursor_t crosshair_ = XCB_CURSOR_NONE;
    std::unique_ptr<X11Magnifier> magnifier_;
    // The magnifier the grab shows now, if any; freed once replaced.
    xcb_cursor_t magnified_ = XCB_CURSOR_NONE;
    // Where the pointer was last seen, for the magnifier's next update.
    PointerPlace pointer_;
    bool magnifierPending_ = false;
    QHash<xcb_keycode_t, KeyAction> keys_;
    bool keyboardGrabbed_ = false;
    bool pointerGrabbed_ = false;
    bool answered_ = false;
};

} // namespace tessavundo
