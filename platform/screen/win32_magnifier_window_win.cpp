// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/win32_magnifier_window_win.h"

#include "platform/screen/magnifier_placement.h"
#include "platform/screen/magnifier_view.h"
#include "platform/screen/win32_screen_block_win.h"

#include <algorithm>
#include <vector>

namespace tessavundo {
namespace {

constexpr wchar_t kClassName[] = L"TessavundoPickMagnifier";
// Each cell this many physical pixels wide: enough to tell neighbours apart at a glance.
constexpr int kZoom = 8;
// Opaque; layered only so that clicks pass through to the capture window.
constexpr BYTE kOpaque = 255;
// Room between the pointer's image and the view.
constexpr int kGap = 8;
constexpr LRESULT kHandled = 0;
constexpr LRESULT kErased = 1;

// The pointer's image may reach this far from its hot spot either way; the view keeps
// further off, and off the pixels it shows.
int Clearance() {
    const int cursor = std::max(::GetSystemMetrics(SM_CXCURSOR), ::GetSystemMetrics(SM_CYCURSOR));
    return std::max(cursor, kMagnifierCells / 2) + kGap;
}

QRect MonitorAround(QPoint pointer) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor =
        ::MonitorFromPoint(POINT{pointer.x(), pointer.y()}, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !::GetMonitorInfoW(monitor, &info))
        return VirtualScreen();
    const RECT& r = info.rcMonitor;
    return {QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)};
}

} // namespace

Win32MagnifierWindow::~Win32MagnifierWindow() {
    if (window_)
        ::DestroyWindow(window_);
}

bool Win32MagnifierWindow::Create() {
    static const ATOM windowClass = [] {
        WNDCLASSEXW description{};
        description.cbSize = sizeof description;
        description.lpfnWndProc = &Win32MagnifierWindow::Procedure;
        description.hInstance = ::GetModuleHandleW(nullptr);
        description.lpszClassName = kClassName;
        return ::RegisterClassExW(&description);
    }();
    if (!windowClass)
        return false;
    const int side = kMagnifierCells * kZoom;
    window_ = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST |
                                    WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                kClassName, L"", WS_POPUP, 0, 0, side, side, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), this);
    if (!window_)
        return false;
    ::SetLayeredWindowAttributes(window_, 0, kOpaque, LWA_ALPHA);
    ::SetWindowDisplayAffinity(window_, WDA_EXCLUDEFROMCAPTURE);
    return true;
}

// The window goes to its new place before the pixels are read, so that where it was never
// shows in the view.
void Win32MagnifierWindow::ShowAt(QPoint pointer) {
    if (!window_ && !Create())
        return;
    const QSize size(kMagnifierCells * kZoom, kMagnifierCells * kZoom);
    const QPoint place = MagnifierWindowPlace(pointer, size, MonitorAround(pointer), Clearance());
    ::SetWindowPos(window_, HWND_TOPMOST, place.x(), place.y(), size.width(), size.height(),
                   SWP_NOACTIVATE | SWP_NOREDRAW);
    const QRect read = MagnifierArea(pointer).intersected(VirtualScreen());
    const std::vector<PackedColor> block = ReadScreenBlock(read);
    if (block.empty())
        return;
    view_ = ComposeMagnifierView(MagnifierPixelsFrom(pointer, read, block), kZoom)
                .convertToFormat(QImage::Format_RGB32);
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::InvalidateRect(window_, nullptr, FALSE);
    ::UpdateWindow(window_);
}

void Win32MagnifierWindow::Hide() {
    if (window_)
        ::ShowWindow(window_, SW_HIDE);
}

void Win32MagnifierWindow::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(window_, &paint);
    if (dc && !view_.isNull()) {
        const BITMAPINFO info = TopDownBitmapInfo(view_.width(), view_.height());
        ::SetDIBitsToDevice(
            dc, 0, 0, static_cast<DWORD>(view_.width()), static_cast<DWORD>(view_.height()), 0, 0,
            0, static_cast<UINT>(view_.height()), view_.constBits(), &info, DIB_RGB_COLORS);
    }
    ::EndPaint(window_, &paint);
}

LRESULT CALLBACK Win32MagnifierWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32MagnifierWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self =
        reinterpret_cast<Win32MagnifierWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return kErased;
    case WM_PAINT:
        if (self) {
            self->Paint();
            return kHandled;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, w, l);
}

} // namespace tessavundo
