// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QObject>
#include <QtGui/qwindowdefs.h>

namespace tessavundo {

// The desktop's own color picker, for where the screen cannot be read continuously. Each
// request shows the desktop's picking interface and is answered once, later, by one of the
// signals; the event loop runs on meanwhile. The real portal talks to the desktop over D-Bus;
// tests give the window a fake.
class ColorPortal : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Asks for one color, with the desktop's interface placed over the window `parent`. A
    // request still pending is dropped first.
    virtual void PickColor(WId parent) = 0;

    // Drops the pending request and closes the desktop's picking interface: no signal follows
    // for it, however late the desktop answers.
    virtual void Cancel() = 0;

signals:
    void ColorPicked(tessavundo::PackedColor color);
    // The user closed the desktop's picking interface without a color.
    void PickCancelled();
    // There is no desktop portal, or it cannot pick colors.
    void Unavailable();
};

} // namespace tessavundo
