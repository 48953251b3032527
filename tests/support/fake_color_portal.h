// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/color_portal.h"

namespace tessavundo {

// A desktop portal that answers when a test tells it to. It answers whether or not a request
// is pending, as a desktop's late answer would arrive.
class FakeColorPortal final : public ColorPortal {
public:
    void PickColor(WId parent) override {
        ++requests_;
        lastParent_ = parent;
        pending_ = true;
    }

    void Cancel() override {
        ++cancels_;
        pending_ = false;
    }

    void Answer(PackedColor color) {
        pending_ = false;
        emit ColorPicked(color);
    }

    void AnswerCancelled() {
        pending_ = false;
        emit PickCancelled();
    }

    void ReportUnavailable() {
        pending_ = false;
        emit Unavailable();
    }

    int Requests() const { return requests_; }
    int Cancels() const { return cancels_; }
    WId LastParent() const { return lastParent_; }
    // Asked and neither answered nor cancelled.
    bool Pending() const { return pending_; }

private:
    int requests_ = 0;
    int cancels_ = 0;
    WId lastParent_ = 0;
    bool pending_ = false;
};

} // namespace tessavundo
