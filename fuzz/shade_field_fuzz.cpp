// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The shade field for any 32-bit float position, NaN and infinities included: the fast
// renderer writes nothing outside the buffer, leaves the buffer alone for a position in no
// segment, keeps every fourth byte, and matches the straightforward renderer byte for byte.
#include "core/hue_scale.h"
#include "core/shade_field.h"
#include "core/shade_field_reference.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

using namespace tessavundo;
using tessavundo::fuzzing::Require;

namespace {

constexpr std::size_t kGuardBytes = 64;
constexpr std::uint8_t kGuard = 0xA5;

// The field between two guard bands, filled from the input so that bytes the renderer must
// keep differ from what it would write.
std::vector<std::uint8_t> GuardedField(const std::uint8_t* noise, std::size_t noiseSize) {
    std::vector<std::uint8_t> bytes(kShadeFieldBytes + 2 * kGuardBytes, kGuard);
    for (std::size_t i = 0; i < kShadeFieldBytes; ++i) {
        bytes[kGuardBytes + i] =
            noiseSize == 0 ? static_cast<std::uint8_t>(i * 131) : noise[i % noiseSize];
    }
    return bytes;
}

ShadeFieldPixels Inside(std::vector<std::uint8_t>& bytes) {
    return ShadeFieldPixels(bytes.data() + kGuardBytes, kShadeFieldBytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(float))
        return 0;
    float position;
    std::memcpy(&position, data, sizeof position);

    std::vector<std::uint8_t> fast = GuardedField(data + sizeof position, size - sizeof position);
    const std::vector<std::uint8_t> before = fast;
    std::vector<std::uint8_t> reference = fast;
    RenderShadeField(position, Inside(fast));
    RenderShadeFieldReference(position, Inside(reference));

    const auto guardsIntact = [](const std::vector<std::uint8_t>& bytes) {
        const auto isGuard = [](std::uint8_t b) {
            return b == kGuard;
        };
        return std::all_of(bytes.begin(), bytes.begin() + kGuardBytes, isGuard) &&
               std::all_of(bytes.end() - kGuardBytes, bytes.end(), isGuard);
    };
    Require(guardsIntact(fast) && guardsIntact(reference), "nothing is written outside the field");
    if (!HueSegment(position))
        Require(fast == before, "a position in no segment leaves the field untouched");
    for (std::size_t i = kGuardBytes + 3; i < kGuardBytes + kShadeFieldBytes; i += 4)
        Require(fast[i] == before[i], "the fourth byte of every pixel is kept");
    Require(fast == reference, "the fast renderer matches the reference byte for byte");
    return 0;
}
