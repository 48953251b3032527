// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/overlay.h"

#include "platform/toolkit/picture_box.h"

namespace tessavundo {

Overlay::Overlay(PictureBox& box)
    : box_(box) {
    box_.AddOverlay(this);
}

Overlay::~Overlay() {
    box_.RemoveOverlay(this);
}

} // namespace tessavundo
