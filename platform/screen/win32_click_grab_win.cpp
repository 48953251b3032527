// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/win32_click_grab_win.h"

#include "platform/screen/win32_capture_window_win.h"
#include "platform/screen/win32_magnifier_window_win.h"
#include "platform/screen/win32_screen_block_win.h"

#include <QMetaObject>
#include <algorithm>

namespace tessavundo {
namespace {

// Shift moves the pointer this many pixels for one arrow press.
constexpr int kTenfoldStep = 10;

QPoint CursorPosition() {
    POINT point{};
    ::GetCursorPos(&point);
    return {point.x, point.y};
}

} // namespace

Win32ClickGrab::Win32ClickGrab() = default;

Win32ClickGrab::~Win32ClickGrab() = default;

QString Win32ClickGrab::Grab() {
    Win32CaptureWindow::Handlers handlers;
    handlers.leftClick = [this](QPoint point) {
        QMetaObject::invokeMethod(
            this, [this, point] { PickAt(point); }, Qt::QueuedConnection);
    };
    handlers.rightClick = [this] {
        QMetaObject::invokeMethod(this, &Win32ClickGrab::Cancel, Qt::QueuedConnection);
    };
    handlers.moved = [this](QPoint point) {
        ScheduleMagnifier(point);
    };
    handlers.keyPressed = [this](WPARAM key, bool shift) {
        QMetaObject::invokeMethod(
            this, [this, key, shift] { OnKey(key, shift); }, Qt::QueuedConnection);
    };
    capture_ = std::make_unique<Win32CaptureWindow>(std::move(handlers));
    magnifier_ = std::make_unique<Win32MagnifierWindow>();
    if (!capture_->Show()) {
        Release();
        return QStringLiteral("no window can be opened to take the click");
    }
    ScheduleMagnifier(CursorPosition());
    return {};
}

void Win32ClickGrab::Release() {
    magnifier_.reset();
    capture_.reset();
}

void Win32ClickGrab::OnKey(WPARAM key, bool shift) {
    const int step = shift ? kTenfoldStep : 1;
    switch (key) {
    case VK_ESCAPE:
        Cancel();
        break;
    // Return and the keypad's Enter alike.
    case VK_RETURN:
    case VK_SPACE:
        PickAt(CursorPosition());
        break;
    case VK_LEFT:
        MoveBy(QPoint(-step, 0));
        break;
    case VK_RIGHT:
        MoveBy(QPoint(step, 0));
        break;
    case VK_UP:
        MoveBy(QPoint(0, -step));
        break;
    case VK_DOWN:
        MoveBy(QPoint(0, step));
        break;
    default:
        break;
    }
}

void Win32ClickGrab::MoveBy(QPoint step) {
    if (answered_)
        return;
    const QRect screen = VirtualScreen();
    const QPoint from = CursorPosition();
    const QPoint to(std::clamp(from.x() + step.x(), screen.left(), screen.right()),
                    std::clamp(from.y() + step.y(), screen.top(), screen.bottom()));
    ::SetCursorPos(to.x(), to.y());
    ScheduleMagnifier(to);
}

// Moves come in bursts; the view is drawn once for the newest position of a burst.
void Win32ClickGrab::ScheduleMagnifier(QPoint pointer) {
    pointer_ = pointer;
    if (magnifierPending_)
        return;
    magnifierPending_ = true;
    QMetaObject::invokeMethod(this, &Win32ClickGrab::ShowMagnifier, Qt::QueuedConnection);
}

void Win32ClickGrab::ShowMagnifier() {
    magnifierPending_ = false;
    if (!answered_ && magnifier_)
        magnifier_->ShowAt(pointer_);
}

// The pixel is read while the capture window still holds the input, so that nothing has moved
// since the click; the windows go before the answer is sent. On Windows neither window is in
// the copy, and the read shows the live screen. Wine copies the X server's screen, our windows
// included: after a jump of the pointer the magnifier may still stand over the point, or have
// just left it, and where it stood the X server shows the capture window's bare background
// until that window is painted again, in its own time. So the magnifier goes first (the X
// server hears of it before anything is painted), then the capture window paints the pixel
// again and has it on the screen, and only then is it read.
void Win32ClickGrab::PickAt(QPoint point) {
    if (answered_)
        return;
    answered_ = true;
    const QRect area(point, QSize(1, 1));
    magnifier_->Hide();
    capture_->RepaintNow(area);
    const std::vector<PackedColor> pixel = ReadScreenBlock(area);
    Release();
    if (pixel.size() == 1)
        emit Picked(pixel.front());
    else
        emit Failed(
            QStringLiteral("cannot read the screen pixel at %1,%2").arg(point.x()).arg(point.y()));
}

void Win32ClickGrab::Cancel() {
    if (answered_)
        return;
    answered_ = true;
    Release();
    emit Cancelled();
}

} // namespace tessavundo
