// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Compiled with -mavx2 -mfma; run only where the processor has both.
#include "core/divide_by_255.h"
#include "core/shade_row_loops.h"

namespace tessavundo {

const ShadeRows kAvx2FmaShadeRows = MakeShadeRows<DivideBy255>();

} // namespace tessavundo
