// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// The mid shade's last step, f / 255, without a division: the quotient is f times the
// reciprocal of 255 split into two doubles, summed by one fused multiply-add, and it is the
// correctly rounded quotient for every f the field can produce (docs/shade-field-division.md
// shows why), so its floor, which the field stores, is the one the division gives.
namespace tessavundo {
// Internal linkage on purpose: each instruction-set translation unit compiles its own copy for
// its own instructions, and the linker must never pick one copy for all.
namespace {

// The double nearest to 1/255, and the double nearest to what it misses by. 255 times the first
// is exactly 1 - 2^-56, so the second is 2^-56 / 255.
constexpr double kReciprocalOf255High = 1.0 / 255;
constexpr double kReciprocalOf255Low = 0x1p-56 / 255;

inline double DivideBy255(double f) {
    return std::fma(f, kReciprocalOf255High, f * kReciprocalOf255Low);
}

} // namespace
} // namespace tessavundo
