// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/portal/create_color_portal.h"

#include <QTimer>

namespace tessavundo {
namespace {

// Windows has no desktop color picker to ask. The answer still comes later, as a portal's
// does, and a request dropped before it comes gets none.
class NoColorPortal final : public ColorPortal {
public:
    void PickColor(WId) override {
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            if (pending_) {
                pending_ = false;
                emit Unavailable();
            }
        });
    }

    void Cancel() override { pending_ = false; }

private:
    bool pending_ = false;
};

} // namespace

std::unique_ptr<ColorPortal> CreateColorPortal() {
    return std::make_unique<NoColorPortal>();
}

} // namespace tessavundo
