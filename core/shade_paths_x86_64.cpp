// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The shade field's paths of an x86-64 build.
#include "core/shade_field_paths.h"
#include "core/shade_rows.h"

namespace tessavundo {
namespace {

// __builtin_cpu_supports also checks that the system saves the wide registers.
bool HasAvx512() {
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("fma");
}

bool HasAvx2Fma() {
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

const BuiltShadeRows kBuiltHere[] = {
    {ShadeFieldPath::kAvx512, &kAvx512ShadeRows, HasAvx512},
    {ShadeFieldPath::kAvx2Fma, &kAvx2FmaShadeRows, HasAvx2Fma},
};

} // namespace

std::span<const BuiltShadeRows> BuiltShadeRowsHere() {
    return kBuiltHere;
}

} // namespace tessavundo
