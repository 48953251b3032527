// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <QString>

namespace tessavundo {

// What an eyedropper sample leaves in the picker, with the screen color it was taken from.
struct SampleOutcome {
    PackedColor pixel = 0;
    PackedColor preview = 0;
    QString rgbText;
    QString hexText;
    float huePosition = 0;
    float hueMarkerY1 = 0;
    float hueMarkerY2 = 0;
    float fieldMarkerLeft = 0;
    float fieldMarkerTop = 0;
    PackedColor fieldMarkerBorder = 0;

    friend bool operator==(const SampleOutcome&, const SampleOutcome&) = default;
};

} // namespace tessavundo
