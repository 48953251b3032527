// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QObject>
#include <QString>

namespace tessavundo {

// The whole desktop's pointer and keyboard taken for one pick, as a one-shot picker needs
// them: a magnified view of the pixels around the pointer wherever it goes, the arrow keys to
// move it by one physical pixel (ten with Shift), and no other program sees the click or the
// keys meanwhile. Given back when the pick is answered, or when the object goes.
class ClickGrab : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Takes the pointer and the keyboard. Empty on success, else a sentence saying why not
    // (another program holds them).
    virtual QString Grab() = 0;

signals:
    // A left click, Return, Enter or Space: the color of the physical screen pixel under the
    // pointer's hot spot, on the screen the pointer is on. Both grabs are given back (and the
    // server told so) before this is sent, so that whatever the receiver then waits for, the
    // desktop takes input again.
    void Picked(tessavundo::PackedColor color);
    // The pixel under the pointer could not be read; a sentence saying why. Grabs given back.
    void Failed(const QString& problem);
    // Esc or a right click. Grabs given back.
    void Cancelled();
};

} // namespace tessavundo
