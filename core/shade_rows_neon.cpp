// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// For arm64: the compiler vectorizes the loops two doubles to a register, and the division by
// 255 becomes a multiplication and a fused multiply-add, which the vector unit issues at several
// times the rate of its division.
#include "core/divide_by_255.h"
#include "core/shade_row_loops.h"

namespace tessavundo {

const ShadeRows kNeonShadeRows = MakeShadeRows<DivideBy255>();

} // namespace tessavundo
