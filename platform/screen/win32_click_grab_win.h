// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen/click_grab.h"

#include <QPoint>
#include <memory>
#include <windows.h>

namespace tessavundo {

class Win32CaptureWindow;
class Win32MagnifierWindow;

// The next click and keys anywhere on the desktop through a capture window across every
// monitor, with the magnifier beside the pointer. The pixel is read from the screen, which the
// copy used leaves both windows out of on Windows; under Wine, which takes them in, it is read
// only once neither shows anything there but the pixels beneath.
class Win32ClickGrab final : public ClickGrab {
    Q_OBJECT

public:
    Win32ClickGrab();
    ~Win32ClickGrab() override;

    QString Grab() override;

private:
    // The window's handlers only queue these: the windows go once the pick is answered, which
    // must not happen inside their own procedures.
    void OnKey(WPARAM key, bool shift);
    void PickAt(QPoint point);
    void Cancel();
    void MoveBy(QPoint step);
    void ScheduleMagnifier(QPoint pointer);
    void ShowMagnifier();
    void Release();

    std::unique_ptr<Win32CaptureWindow> capture_;
    std::unique_ptr<Win32MagnifierWindow> magnifier_;
    // Where the pointer was last seen, for the magnifier's next update.
    QPoint pointer_;
    bool magnifierPending_ = false;
    bool answered_ = false;
};

} // namespace tessavundo
