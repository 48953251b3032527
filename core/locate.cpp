// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/locate.h"

#include "core/color_readers.h"

#include <algorithm>
#include <cmath>

namespace tessavundo {
namespace {

// The hue of a color that is not gray, with its smallest and largest channel.
struct Chroma {
    double huePosition = 0;
    double min = 0;
    double max = 0;
};

// offset + direction * spreadFromMin / ((max - min) / 256), one step at a time: each is a
// variable of its own, so that a processor with wider registers (the x87 of 32-bit x86, built
// with -ffloat-store) rounds it to a double where the order rounds it.
double HueBetween(double offset, double direction, double spreadFromMin, double max, double min) {
    const double range = max - min;
    const double unit = range / 256;
    const double steps = spreadFromMin / unit;
    const double signedSteps = direction * steps;
    return offset + signedSteps;
}

// The cases are chosen on the rounded channels R, G, B and computed on the exact ones r, g, b.
// The order decides ties between two largest or two smallest channels.
std::optional<Chroma> ChromaOf(int R, int G, int B, double r, double g, double b) {
    if (R == G && G == B)
        return std::nullopt;
    if ((R > G && G == B) || (R > B && B > G))
        return Chroma{HueBetween(0, 1, b - g, r, g), g, r};
    if ((B > G && R == B) || (B > R && R > G))
        return Chroma{HueBetween(511, -1, r - g, b, g), g, b};
    if ((B > R && R == G) || (B > G && G > R))
        return Chroma{HueBetween(512, 1, g - r, b, r), r, b};
    if ((G > R && G == B) || (G > B && B > R))
        return Chroma{HueBetween(1023, -1, b - r, g, r), r, g};
    if ((G > R && R == B) || (G > R && R > B))
        return Chroma{HueBetween(1024, 1, r - b, g, b), b, g};
    return Chroma{HueBetween(1535, -1, g - b, r, b), b, r};
}

// Fractional channel texts can put the field point off the field ('rgb(1,-0.49,0)' would
// give Left 377); whole-number colors always land inside, so they are never moved.
float OnField(double markerCorner) {
    return std::clamp(static_cast<float>(markerCorner), -2.0f, 253.0f);
}

std::int16_t Complement(double channel) {
    return static_cast<std::int16_t>(std::nearbyint(255 - channel));
}

} // namespace

std::optional<ColorLocation> LocateColor(std::string_view rgbText,
                                         std::string_view decimalSeparator) {
    const auto channels = ReadRgbChannels(rgbText);
    if (channels.size() < 3)
        return std::nullopt;
    const auto R = ChannelByte(channels[0], decimalSeparator);
    const auto G = ChannelByte(channels[1], decimalSeparator);
    const auto B = ChannelByte(channels[2], decimalSeparator);
    if (!R || !G || !B)
        return std::nullopt;
    // Every text that reads as a byte also reads as a number.
    const double r = *ChannelNumber(channels[0], decimalSeparator);
    const double g = *ChannelNumber(channels[1], decimalSeparator);
    const double b = *ChannelNumber(channels[2], decimalSeparator);

    ColorLocation location;
    if (const auto chroma = ChromaOf(*R, *G, *B, r, g, b)) {
        location.huePosition = static_cast<float>(chroma->huePosition);
        // One variable per step, as in HueBetween.
        const double scaledMin = 255 * chroma->min;
        const double share = scaledMin / chroma->max;
        const double fieldX = 255 - share;
        location.markerLeft = OnField(std::floor(fieldX) - 2);
        location.markerTop = OnField((255 - chroma->max) - 2);
    } else {
        location.markerLeft = -2;
        location.markerTop = OnField((255 - r) - 2);
    }
    // The bytes are the channel texts rounded as a 16-bit integer would be, and a byte and
    // its complement are never negative, so both packings succeed.
    location.preview = *PackColor(*R, *G, *B);
    location.border = *PackColor(Complement(r), Complement(g), Complement(b));
    return location;
}

} // namespace tessavundo
