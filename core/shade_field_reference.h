// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/shade_field.h"

namespace tessavundo {

// The per-pixel evaluation of the shade formulas, written for clarity rather than speed.
// RenderShadeField must match it byte for byte; tests and benchmarks compare the two.
void RenderShadeFieldReference(float huePosition, ShadeFieldPixels pixels);

} // namespace tessavundo
