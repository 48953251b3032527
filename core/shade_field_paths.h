// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/shade_field.h"

#include <string_view>

// The instruction sets the shade field can be computed in. RenderShadeField takes the fastest
// one the processor supports; tests and benchmarks name each one.
namespace tessavundo {

enum class ShadeFieldPath { kPortable, kAvx2Fma, kAvx512, kNeon };

// Every path of every processor family; a build has only those of its own family.
inline constexpr ShadeFieldPath kShadeFieldPaths[] = {
    ShadeFieldPath::kPortable, ShadeFieldPath::kAvx2Fma, ShadeFieldPath::kAvx512,
    ShadeFieldPath::kNeon};

std::string_view ShadeFieldPathName(ShadeFieldPath path);

// Whether the path is built for this processor family and this processor, and the system for
// its registers, can run it.
bool IsSupportedHere(ShadeFieldPath path);

ShadeFieldPath FastestShadeFieldPath();

// RenderShadeField in the given path, which must be supported here.
void RenderShadeField(float huePosition, ShadeFieldPixels pixels, ShadeFieldPath path);

} // namespace tessavundo
