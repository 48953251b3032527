// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/screen/win32_click_grab_win.h"

#include "platform/screen/win32_screen_source.h"

#include <QMetaObject>
#include <algorithm>

namespace tessavundo {
namespace {

constexpr int kShiftStep = 10;
constexpr LRESULT kSwallowed = 1;

// The hooks' callbacks are plain functions; one grab at a time answers them.
Win32ClickGrab* activeGrab = nullptr;

bool IsShift(DWORD key) {
    return key == VK_SHIFT || key == VK_LSHIFT || key == VK_RSHIFT;
}

} // namespace

Win32ClickGrab::~Win32ClickGrab() {
    Release();
}

QString Win32ClickGrab::Grab() {
    if (activeGrab)
        return QStringLiteral("another pick is under way");
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    mouseHook_ = ::SetWindowsHookExW(WH_MOUSE_LL, &Win32ClickGrab::OnMouse, module, 0);
    keyboardHook_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, &Win32ClickGrab::OnKey, module, 0);
    if (!mouseHook_ || !keyboardHook_) {
        Release();
        return QStringLiteral("the pointer and the keyboard cannot be watched");
    }
    activeGrab = this;
    return {};
}

void Win32ClickGrab::Release() {
    if (mouseHook_)
        ::UnhookWindowsHookEx(mouseHook_);
    if (keyboardHook_)
        ::UnhookWindowsHookEx(keyboardHook_);
    mouseHook_ = nullptr;
    keyboardHook_ = nullptr;
    if (activeGrab == this)
        activeGrab = nullptr;
}

LRESULT CALLBACK Win32ClickGrab::OnMouse(int code, WPARAM message, LPARAM data) {
    Win32ClickGrab* grab = activeGrab;
    if (code != HC_ACTION || !grab)
        return ::CallNextHookEx(nullptr, code, message, data);
    const POINT point = reinterpret_cast<const MSLLHOOKSTRUCT*>(data)->pt;
    switch (message) {
    case WM_LBUTTONDOWN:
        QMetaObject::invokeMethod(
            grab, [grab, point] { grab->PickAt(point); }, Qt::QueuedConnection);
        return kSwallowed;
    case WM_RBUTTONDOWN:
        QMetaObject::invokeMethod(
            grab, [grab] { grab->Cancel(); }, Qt::QueuedConnection);
        return kSwallowed;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return kSwallowed;
    default:
        // Moves pass, so that the pointer goes where the user takes it.
        return ::CallNextHookEx(nullptr, code, message, data);
    }
}

LRESULT CALLBACK Win32ClickGrab::OnKey(int code, WPARAM message, LPARAM data) {
    Win32ClickGrab* grab = activeGrab;
    if (code != HC_ACTION || !grab)
        return ::CallNextHookEx(nullptr, code, message, data);
    const DWORD key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->vkCode;
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    // Swallowed keys never reach the system's key state, so Shift is followed here.
    if (IsShift(key))
        grab->shiftDown_ = down;
    if (!down)
        return kSwallowed;
    const int step = grab->shiftDown_ ? kShiftStep : 1;
    switch (key) {
    case VK_LEFT:
        grab->MoveBy(-step, 0);
        break;
    case VK_RIGHT:
        grab->MoveBy(step, 0);
        break;
    case VK_UP:
        grab->MoveBy(0, -step);
        break;
    case VK_DOWN:
        grab->MoveBy(0, step);
        break;
    case VK_RETURN:
    case VK_SPACE: {
        POINT point{};
        ::GetCursorPos(&point);
        QMetaObject::invokeMethod(
            grab, [grab, point] { grab->PickAt(point); }, Qt::QueuedConnection);
        break;
    }
    case VK_ESCAPE:
        QMetaObject::invokeMethod(
            grab, [grab] { grab->Cancel(); }, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return kSwallowed;
}

void Win32ClickGrab::MoveBy(int dx, int dy) const {
    POINT point{};
    if (!::GetCursorPos(&point))
        return;
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int right = left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1;
    const int bottom = top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1;
    ::SetCursorPos(std::clamp(static_cast<int>(point.x) + dx, left, right),
                   std::clamp(static_cast<int>(point.y) + dy, top, bottom));
}

void Win32ClickGrab::PickAt(POINT point) {
    if (activeGrab != this)
        return;
    Release();
    Win32ScreenSource screen;
    const ScreenDC dc = screen.GetWindowDC();
    const PackedColor color = screen.GetPixel(dc, point.x, point.y);
    screen.ReleaseDC(dc);
    if (color == kInvalidColor) {
        emit Failed(QStringLiteral("the pixel under the pointer cannot be read"));
        return;
    }
    emit Picked(color);
}

void Win32ClickGrab::Cancel() {
    if (activeGrab != this)
        return;
    Release();
    emit Cancelled();
}

} // namespace tessavundo
