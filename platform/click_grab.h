// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

namespace tessavundo {

// The whole desktop's pointer and keyboard taken for one click, as a one-shot picker needs
// them: a crosshair wherever the pointer goes, and no other program sees the click or the
// keys meanwhile. Given back when the object goes.
class ClickGrab : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Takes the pointer and the keyboard. Empty on success, else a sentence saying why not
    // (another program holds them).
    virtual QString Grab() = 0;

signals:
    // A left click, at the physical screen pixel under the pointer's hot spot.
    void Clicked(QPoint physicalPosition);
    // Esc or a right click.
    void Cancelled();
};

} // namespace tessavundo
