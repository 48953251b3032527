// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tessavundo {

// What one monitor's screen-cast stream last showed under the pointer.
struct CursorSample {
    // The pointer's hot spot in the stream's own pixels, (0, 0) being its top-left corner. It
    // may lie outside the frame: the pointer is then on another monitor.
    int x = 0;
    int y = 0;
    // The pixel under the hot spot in the newest frame, or -1 (all bits set, as an unreadable
    // screen pixel) where the hot spot lies outside the frame.
    PackedColor color = -1;
    // Grows with every sample published, so that a reader can tell a new sample from the last.
    std::uint64_t sequence = 0;
    // The size of the frame the sample was read from, in the stream's pixels; 0 while no frame's
    // size is known. Against the monitor's size in the desktop's layout it gives the monitor's
    // scale.
    int frameWidth = 0;
    int frameHeight = 0;
};

enum class StreamState {
    // Connected, waiting for the format and the first frame.
    Starting,
    Streaming,
    // The producer stopped or vanished, or the stream failed: no sample will follow.
    Ended,
};

// A desktop's screen cast of one monitor, read on a thread of its own. The window's thread
// only ever takes the newest sample: neither call blocks or waits for the stream.
class ScreenCastStream {
public:
    ScreenCastStream() = default;
    virtual ~ScreenCastStream() = default;
    ScreenCastStream(const ScreenCastStream&) = delete;
    ScreenCastStream& operator=(const ScreenCastStream&) = delete;
    ScreenCastStream(ScreenCastStream&&) = delete;
    ScreenCastStream& operator=(ScreenCastStream&&) = delete;

    // The newest sample, or nothing before the first frame that carried the pointer.
    [[nodiscard]] virtual std::optional<CursorSample> Latest() const = 0;
    [[nodiscard]] virtual StreamState State() const = 0;
};

// Opens the stream of node `nodeId` on the PipeWire remote `remoteFd`, which it takes over and
// closes (-1: the user's default PipeWire daemon). Null, with `error` saying why, when there
// is no PipeWire to connect to.
std::unique_ptr<ScreenCastStream> OpenPipeWireStream(int remoteFd, std::uint32_t nodeId,
                                                     std::string& error);

} // namespace tessavundo
