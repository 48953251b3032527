// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screencast/frame_pixel.h"

#include <cstdint>
#include <optional>
#include <spa/pod/builder.h>
#include <vector>

namespace tessavundo {

// Where the channels of a frame in the SPA video format `format` lie, or nothing for a format
// the eyedropper does not read.
std::optional<ChannelOffsets> ChannelsOfFormat(std::uint32_t format);

// What the eyedropper asks of a screen cast before the format is chosen: the 32-bit formats it
// reads, any size, up to 60 frames a second.
const spa_pod* BuildFormatOffer(spa_pod_builder& builder);

// What it asks once the format is chosen: buffers it can map and the metadata it reads.
std::vector<const spa_pod*> BuildBufferParams(spa_pod_builder& builder);

} // namespace tessavundo
