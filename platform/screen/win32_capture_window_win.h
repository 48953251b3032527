// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <windows.h>

namespace tessavundo {

// A window across the whole virtual desktop that takes the next click and the keys for a
// one-shot pick. It is layered at an alpha of 1, so that Windows still gives it the input while
// it shows nothing one could see, and it is left out of every screen copy (BitBlt without
// CAPTUREBLT, and capture exclusion where Windows offers it). It paints the desktop as it was
// when the window came up: where a window system shows it opaque (Wine on an X server without
// a compositor) the desktop looks the same, and any read that does include it sees the very
// pixels beneath.
class Win32CaptureWindow {
public:
    // What the window hears, in physical pixels of the virtual desktop. Each is called from the
    // window's procedure, so none may destroy the window itself.
    struct Handlers {
        std::function<void(QPoint)> leftClick;
        std::function<void()> rightClick;
        std::function<void(QPoint)> moved;
        std::function<void(WPARAM key, bool shift)> keyPressed;
    };

    explicit Win32CaptureWindow(Handlers handlers);
    ~Win32CaptureWindow();
    Win32CaptureWindow(const Win32CaptureWindow&) = delete;
    Win32CaptureWindow& operator=(const Win32CaptureWindow&) = delete;

    // Shows the window and takes the keyboard; false if the window cannot be made.
    bool Show();

    // Paints `area` (physical pixels of the virtual desktop) again at once and has the window
    // system put it on the screen before returning.
    void RepaintNow(const QRect& area);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Answer(UINT message, WPARAM w, LPARAM l);
    void TakeSnapshot();
    void Paint();
    QPoint ScreenPoint(LPARAM l) const;

    Handlers handlers_;
    QRect area_;
    HWND window_ = nullptr;
    HDC snapshotContext_ = nullptr;
    HBITMAP snapshot_ = nullptr;
    HGDIOBJ snapshotPrevious_ = nullptr;
};

} // namespace tessavundo
