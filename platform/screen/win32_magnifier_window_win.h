// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <windows.h>

namespace tessavundo {

// The one-shot pick's magnifier on Windows (see magnifier_view.h): a small top-most window that
// never takes the focus nor a click, kept clear of the pixels it shows and of the pointer, and
// left out of screen copies where Windows offers it, so that it is never read as the screen.
class Win32MagnifierWindow {
public:
    Win32MagnifierWindow() = default;
    ~Win32MagnifierWindow();
    Win32MagnifierWindow(const Win32MagnifierWindow&) = delete;
    Win32MagnifierWindow& operator=(const Win32MagnifierWindow&) = delete;

    // Shows the pixels around `pointer` (physical pixels of the virtual desktop) beside it.
    void ShowAt(QPoint pointer);

    // Takes the window off the screen; the window system has been told so on return.
    void Hide();

private:
    bool Create();
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    void Paint();

    HWND window_ = nullptr;
    // What the window shows, in the layout of a top-down 32-bit DIB.
    QImage view_;
};

} // namespace tessavundo
