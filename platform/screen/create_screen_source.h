// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screen_source.h"

#include <memory>

namespace tessavundo {

// The screen of the running toolkit. Call it once the application object exists; without an
// X connection (the offscreen platform) every pixel of the returned source is unreadable.
std::unique_ptr<ScreenSource> CreateScreenSource();

} // namespace tessavundo
