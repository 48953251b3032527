// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/shade_field_paths.h"

#include "core/shade_rows.h"

#include <algorithm>

namespace tessavundo {
namespace {

const BuiltShadeRows* BuiltRowsOf(ShadeFieldPath path) {
    const auto built = BuiltShadeRowsHere();
    const auto found = std::find_if(built.begin(), built.end(), [path](const BuiltShadeRows& rows) {
        return rows.path == path;
    });
    return found == built.end() ? nullptr : &*found;
}

} // namespace

std::string_view ShadeFieldPathName(ShadeFieldPath path) {
    switch (path) {
    case ShadeFieldPath::kAvx512:
        return "avx512";
    case ShadeFieldPath::kAvx2Fma:
        return "avx2_fma";
    case ShadeFieldPath::kNeon:
        return "neon";
    default:
        return "portable";
    }
}

bool IsSupportedHere(ShadeFieldPath path) {
    if (path == ShadeFieldPath::kPortable)
        return true;
    const BuiltShadeRows* const built = BuiltRowsOf(path);
    return built && built->isSupported();
}

ShadeFieldPath FastestShadeFieldPath() {
    static const ShadeFieldPath fastest = [] {
        for (const BuiltShadeRows& rows : BuiltShadeRowsHere())
            if (rows.isSupported())
                return rows.path;
        return ShadeFieldPath::kPortable;
    }();
    return fastest;
}

const ShadeRows& ShadeRowsFor(ShadeFieldPath path) {
    const BuiltShadeRows* const built = BuiltRowsOf(path);
    return built ? *built->rows : kPortableShadeRows;
}

} // namespace tessavundo
