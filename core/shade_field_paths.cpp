// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/shade_field_paths.h"

#include "core/shade_rows.h"

namespace tessavundo {

std::string_view ShadeFieldPathName(ShadeFieldPath path) {
    switch (path) {
    case ShadeFieldPath::kAvx512:
        return "avx512";
    case ShadeFieldPath::kAvx2Fma:
        return "avx2_fma";
    default:
        return "portable";
    }
}

bool IsSupportedHere(ShadeFieldPath path) {
    // __builtin_cpu_supports also checks that the system saves the wide registers.
    switch (path) {
    case ShadeFieldPath::kAvx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("fma");
    case ShadeFieldPath::kAvx2Fma:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    default:
        return true;
    }
}

ShadeFieldPath FastestShadeFieldPath() {
    static const ShadeFieldPath fastest = [] {
        for (const ShadeFieldPath path : {ShadeFieldPath::kAvx512, ShadeFieldPath::kAvx2Fma})
            if (IsSupportedHere(path))
                return path;
        return ShadeFieldPath::kPortable;
    }();
    return fastest;
}

const ShadeRows& ShadeRowsFor(ShadeFieldPath path) {
    switch (path) {
    case ShadeFieldPath::kAvx512:
        return kAvx512ShadeRows;
    case ShadeFieldPath::kAvx2Fma:
        return kAvx2FmaShadeRows;
    default:
        return kPortableShadeRows;
    }
}

} // namespace tessavundo
