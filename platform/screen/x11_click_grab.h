// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/click_grab.h"

#include <QAbstractNativeEventFilter>
#include <QList>
#include <xcb/xcb.h>

namespace tessavundo {

// The pointer and the keyboard grabbed on the root window through the toolkit's own X
// connection, whose events reach this object through the toolkit's native event filter. The
// root's coordinates are physical pixels whatever scale factor the toolkit applies.
class X11ClickGrab final : public ClickGrab, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    X11ClickGrab();
    ~X11ClickGrab() override;

    QString Grab() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool TryGrab();
    void Ungrab();

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_cursor_t crosshair_ = XCB_CURSOR_NONE;
    QList<xcb_keycode_t> escapeKeys_;
    bool keyboardGrabbed_ = false;
    bool pointerGrabbed_ = false;
    bool answered_ = false;
};

} // namespace tessavundo
