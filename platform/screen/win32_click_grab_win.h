// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen/click_grab.h"

#include <windows.h>

namespace tessavundo {

// The next click and keys anywhere on the desktop through low-level mouse and keyboard hooks:
// they see input before any window does and swallow it, so no other program gets the click.
// The pixel is read from the screen itself, which holds no window of ours.
class Win32ClickGrab final : public ClickGrab {
    Q_OBJECT

public:
    using ClickGrab::ClickGrab;
    ~Win32ClickGrab() override;

    QString Grab() override;

private:
    static LRESULT CALLBACK OnMouse(int code, WPARAM message, LPARAM data);
    static LRESULT CALLBACK OnKey(int code, WPARAM message, LPARAM data);
    // Both answer after the hook has returned: a hook must come back at once or Windows drops it.
    void PickAt(POINT point);
    void Cancel();
    void MoveBy(int dx, int dy) const;
    void Release();

    HHOOK mouseHook_ = nullptr;
    HHOOK keyboardHook_ = nullptr;
    bool shiftDown_ = false;
};

} // namespace tessavundo
