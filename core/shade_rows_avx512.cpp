// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Compiled with -mavx512f -mavx512bw -mfma; run only where the processor has all three.
#include "core/divide_by_255.h"
#include "core/shade_row_loops.h"

namespace tessavundo {

const ShadeRows kAvx512ShadeRows = MakeShadeRows<DivideBy255>();

} // namespace tessavundo
