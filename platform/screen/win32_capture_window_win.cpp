// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/win32_capture_window_win.h"

#include "platform/screen/win32_screen_block_win.h"

#include <utility>
#include <windowsx.h>

namespace tessavundo {
namespace {

constexpr wchar_t kClassName[] = L"TessavundoPickCapture";
// The least alpha at which Windows still hit-tests a layered window.
constexpr BYTE kInputAlpha = 1;
constexpr LRESULT kHandled = 0;
constexpr LRESULT kErased = 1;
// A message no one posts: peeking for it only lets the window system catch up.
constexpr UINT kNeverPosted = WM_APP + 0x3FFF;

bool IsShiftDown() {
    // The high bit of the state: the key is down.
    return ::GetKeyState(VK_SHIFT) < 0;
}

} // namespace

Win32CaptureWindow::Win32CaptureWindow(Handlers handlers)
    : handlers_(std::move(handlers)) {}

Win32CaptureWindow::~Win32CaptureWindow() {
    if (window_) {
        if (::GetCapture() == window_)
            ::ReleaseCapture();
        ::DestroyWindow(window_);
    }
    if (snapshotContext_) {
        ::SelectObject(snapshotContext_, snapshotPrevious_);
        ::DeleteDC(snapshotContext_);
    }
    if (snapshot_)
        ::DeleteObject(snapshot_);
}

bool Win32CaptureWindow::Show() {
    static const ATOM windowClass = [] {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.lpfnWndProc = &Win32CaptureWindow::Procedure;
        description.hInstance = ::GetModuleHandleW(nullptr);
        description.hCursor = ::LoadCursorW(nullptr, IDC_CROSS);
        description.lpszClassName = kClassName;
        return ::RegisterClassExW(&description);
    }();
    if (!windowClass)
        return false;
    area_ = VirtualScreen();
    TakeSnapshot();
    window_ = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"",
                                WS_POPUP, area_.x(), area_.y(), area_.width(), area_.height(),
                                nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    if (!window_)
        return false;
    ::SetLayeredWindowAttributes(window_, 0, kInputAlpha, LWA_ALPHA);
    // Windows 10 2004 and later leave the window out of every capture; older ones refuse, and
    // the copy without CAPTUREBLT leaves it out there.
    ::SetWindowDisplayAffinity(window_, WDA_EXCLUDEFROMCAPTURE);
    ::ShowWindow(window_, SW_SHOW);
    ::UpdateWindow(window_);
    ::SetForegroundWindow(window_);
    ::SetFocus(window_);
    ::SetCapture(window_);
    return true;
}

// Where the desktop cannot be copied the window paints nothing, which Windows shows as nothing
// at an alpha of 1.
void Win32CaptureWindow::TakeSnapshot() {
    const HDC screen = ::GetDC(nullptr);
    if (!screen)
        return;
    snapshotContext_ = ::CreateCompatibleDC(screen);
    snapshot_ = ::CreateCompatibleBitmap(screen, area_.width(), area_.height());
    if (snapshotContext_ && snapshot_) {
        snapshotPrevious_ = ::SelectObject(snapshotContext_, snapshot_);
        ::BitBlt(snapshotContext_, 0, 0, area_.width(), area_.height(), screen, area_.x(),
                 area_.y(), SRCCOPY);
    }
    ::ReleaseDC(nullptr, screen);
}

// Wine paints a window into memory and puts it on the X server only when the thread next looks
// for messages and finds none; a peek that finds nothing does that at once. On Windows the
// window is left out of screen copies and the peek changes nothing.
void Win32CaptureWindow::RepaintNow(const QRect& area) {
    if (!window_)
        return;
    const QRect local = area.translated(-area_.topLeft());
    const RECT dirty{local.left(), local.top(), local.right() + 1, local.bottom() + 1};
    ::RedrawWindow(window_, &dirty, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    MSG message{};
    ::PeekMessageW(&message, window_, kNeverPosted, kNeverPosted, PM_NOREMOVE);
}

void Win32CaptureWindow::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(window_, &paint);
    if (dc && snapshotPrevious_) {
        const RECT& dirty = paint.rcPaint;
        ::BitBlt(dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
                 snapshotContext_, dirty.left, dirty.top, SRCCOPY);
    }
    ::EndPaint(window_, &paint);
}

QPoint Win32CaptureWindow::ScreenPoint(LPARAM l) const {
    return area_.topLeft() + QPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l));
}

LRESULT CALLBACK Win32CaptureWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32CaptureWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32CaptureWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || message == WM_NCDESTROY)
        return ::DefWindowProcW(window, message, w, l);
    return self->Answer(message, w, l);
}

LRESULT Win32CaptureWindow::Answer(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_LBUTTONDOWN:
        handlers_.leftClick(ScreenPoint(l));
        return kHandled;
    case WM_RBUTTONDOWN:
        handlers_.rightClick();
        return kHandled;
    case WM_MOUSEMOVE:
        handlers_.moved(ScreenPoint(l));
        return kHandled;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        handlers_.keyPressed(w, IsShiftDown());
        return kHandled;
    case WM_ERASEBKGND:
        return kErased;
    case WM_PAINT:
        Paint();
        return kHandled;
    default:
        return ::DefWindowProcW(window_, message, w, l);
    }
}

} // namespace tessavundo
