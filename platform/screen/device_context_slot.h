// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen_source.h"

#include <limits>

namespace tessavundo {

// The one screen context a source hands out at a time. Every take gives a new handle, so a
// handle kept after its release (or after a later take) reads nothing.
class DeviceContextSlot {
public:
    ScreenDC Take() {
        last_ = last_ == std::numeric_limits<ScreenDC>::max() ? 1 : last_ + 1;
        held_ = last_;
        return held_;
    }

    // Returns whether `dc` was the held context.
    bool Release(ScreenDC dc) {
        if (!IsHeld(dc))
            return false;
        held_ = 0;
        return true;
    }

    bool IsHeld(ScreenDC dc) const { return dc != 0 && dc == held_; }
    bool IsAnyHeld() const { return held_ != 0; }

private:
    ScreenDC last_ = 0;
    ScreenDC held_ = 0;
};

} // namespace tessavundo
