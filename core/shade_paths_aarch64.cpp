// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The shade field's paths of an arm64 build.
#include "core/shade_field_paths.h"
#include "core/shade_rows.h"

#include <asm/hwcap.h>
#include <sys/auxv.h>

namespace tessavundo {
namespace {

// Every ARMv8-A processor has the vector unit with its fused multiply-add, and the compiler
// assumes it; the kernel's word is asked all the same, so that a system that disables it
// falls back to the portable rows instead of faulting.
bool HasAdvancedSimd() {
    constexpr unsigned long kNeeded = HWCAP_FP | HWCAP_ASIMD;
    return (getauxval(AT_HWCAP) & kNeeded) == kNeeded;
}

const BuiltShadeRows kBuiltHere[] = {
    {ShadeFieldPath::kNeon, &kNeonShadeRows, HasAdvancedSimd},
};

} // namespace

std::span<const BuiltShadeRows> BuiltShadeRowsHere() {
    return kBuiltHere;
}

} // namespace tessavundo
