// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The shade field's paths of a build for a processor without a path of its own.
#include "core/shade_field_paths.h"
#include "core/shade_rows.h"

namespace tessavundo {
namespace {

bool Always() {
    return true;
}

const BuiltShadeRows kBuiltHere[] = {
    {ShadeFieldPath::kPortable, &kPortableShadeRows, Always},
};

} // namespace

std::span<const BuiltShadeRows> BuiltShadeRowsHere() {
    return kBuiltHere;
}

} // namespace tessavundo
