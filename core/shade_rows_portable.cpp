// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/shade_row_loops.h"

namespace tessavundo {
namespace {

double DivideBy255WithDivision(double f) {
    return f / 255;
}

} // namespace

const ShadeRows kPortableShadeRows = MakeShadeRows<DivideBy255WithDivision>();

} // namespace tessavundo
