// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

namespace tessavundo {

// A timer that ticks as often as the platform allows while enabled.
class Timer : public QObject {
    Q_OBJECT

public:
    explicit Timer(QObject* parent = nullptr);

    bool Enabled() const { return timer_.isActive(); }
    // Enabling a running timer leaves it running as it was: restarting it on every call would
    // starve the ticks when the caller enables it more often than the interval.
    void SetEnabled(bool enabled);

signals:
    void Tick();

private:
    QTimer timer_;
};

} // namespace tessavundo
