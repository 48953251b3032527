// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "tests/support/fake_screen_source.h"

#include <algorithm>

namespace tessavundo {

QRect FakeScreenSource::ToPhysicalPixels(const QRect& logicalRect) {
    return QRect((QPointF(logicalRect.topLeft()) * scaleFactor_).toPoint(),
                 logicalRect.size() * scaleFactor_);
}

ScreenDC FakeScreenSource::GetWindowDC() {
    // Counted before the slot forgets an older context still held, so such a leak shows.
    ++taken_;
    mostHeld_ = std::max(mostHeld_, HeldContexts());
    return context_.Take();
}

void FakeScreenSource::ReleaseDC(ScreenDC dc) {
    if (context_.Release(dc))
        ++released_;
}

PackedColor FakeScreenSource::GetPixel(ScreenDC dc, int x, int y) {
    ++pixelReads_;
    if (!context_.IsHeld(dc))
        return kInvalidColor;
    const QPoint position(x, y);
    const auto pixel = pixels_.constFind(position);
    return pixel != pixels_.cend() ? *pixel : pixelFunction_(position);
}

} // namespace tessavundo
