// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"
#include "core/shade_field.h"

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace tessavundo {

// A field buffer pre-filled with noise, so that bytes the renderer must leave alone are told
// apart from bytes it wrote. Every NoiseField starts with the same noise.
class NoiseField {
public:
    NoiseField()
        : bytes_(Noise()) {}

    ShadeFieldPixels pixels() { return ShadeFieldPixels(bytes_.data(), kShadeFieldBytes); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    std::uint8_t byte(int x, int y, int channel) const {
        return bytes_[(std::size_t(y) * kShadeFieldSize + x) * 4 + channel];
    }
    // Red, green, blue of pixel (x, y); the buffer holds them as blue, green, red.
    ChannelTriple color(int x, int y) const {
        return {byte(x, y, 2), byte(x, y, 1), byte(x, y, 0)};
    }

private:
    static const std::vector<std::uint8_t>& Noise() {
        static const std::vector<std::uint8_t> noise = [] {
            std::vector<std::uint8_t> bytes(kShadeFieldBytes);
            std::mt19937 generator(1);
            for (std::size_t i = 0; i < kShadeFieldBytes; i += 4) {
                // mt19937 yields 32-bit values in a wider type.
                const auto word = static_cast<std::uint32_t>(generator());
                std::memcpy(&bytes[i], &word, sizeof word);
            }
            return bytes;
        }();
        return noise;
    }

    std::vector<std::uint8_t> bytes_;
};

} // namespace tessavundo
