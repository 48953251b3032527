// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screencast/screen_cast_stream.h"

#include <QObject>
#include <QRect>
#include <QtGui/qwindowdefs.h>
#include <memory>
#include <vector>

namespace tessavundo {

// One monitor the desktop shares: where it lies in the desktop's layout, the coordinates the
// window knows itself in, and its stream.
struct ScreenCastMonitor {
    QRect area;
    std::unique_ptr<ScreenCastStream> stream;
};

enum class ScreenCastFailure {
    // No screen-cast portal, or one that cannot share monitors with the pointer's position.
    Unavailable,
    // The user declined to share the screen.
    Refused,
    // The desktop or the stream failed.
    Failed,
};

// The desktop's screen cast of its monitors with the pointer's position, where the screen cannot
// be read directly. Starting shows the desktop's own dialog (the first time) and is answered
// once, later, by one of the signals; the event loop runs on meanwhile. The real portal talks to
// the desktop over D-Bus; tests give the window a fake.
class ScreenCastPortal : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts a session with the desktop's dialog placed over the window `parent`. A session
    // started or pending is stopped first.
    virtual void Start(WId parent) = 0;

    // Closes the session at once, so the desktop's screen-sharing indicator goes away, and
    // destroys its streams; a pending start is dropped and no signal follows for it.
    virtual void Stop() = 0;

    // The monitors of the started session, empty before Started and after Stop.
    [[nodiscard]] virtual const std::vector<ScreenCastMonitor>& Monitors() const = 0;

signals:
    void Started();
    void Failed(tessavundo::ScreenCastFailure failure);
};

} // namespace tessavundo
