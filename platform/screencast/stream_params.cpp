// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screencast/stream_params.h"

#include <array>
#include <spa/buffer/buffer.h>
#include <spa/buffer/meta.h>
#include <spa/param/buffers.h>
#include <spa/param/param.h>
#include <spa/param/video/format-utils.h>
#include <spa/pod/pod.h>

namespace tessavundo {

namespace {

struct ReadableFormat {
    spa_video_format format;
    ChannelOffsets channels;
};

// SPA names a format by its bytes in memory order: BGRx is blue, green, red, unused.
constexpr std::array kReadableFormats = {
    ReadableFormat{SPA_VIDEO_FORMAT_BGRx, {2, 1, 0}},
    ReadableFormat{SPA_VIDEO_FORMAT_BGRA, {2, 1, 0}},
    ReadableFormat{SPA_VIDEO_FORMAT_RGBx, {0, 1, 2}},
    ReadableFormat{SPA_VIDEO_FORMAT_RGBA, {0, 1, 2}},
    ReadableFormat{SPA_VIDEO_FORMAT_xRGB, {1, 2, 3}},
    ReadableFormat{SPA_VIDEO_FORMAT_xBGR, {3, 2, 1}},
};

constexpr int kLargestFrameSide = 16384;
// A fixed framerate of 0/1 ("as the producer likes") makes mutter send no frame at all, so the
// offer is a range; 60 a second is more than a 1 ms tick can tell apart from the pointer's own
// motion, and more would only cost the compositor copies.
constexpr int kMostFramesPerSecond = 60;

// The pointer arrives as cursor metadata. Mutter draws its cursor into a bitmap of up to 384x384
// pixels and, when the room the consumer offers for the bitmap is smaller, leaves the cursor
// metadata out of every buffer: then there is no pointer position at all. So the room offered
// starts at that size, although the eyedropper never looks at the bitmap.
constexpr int kCursorBitmapSide = 384;
constexpr int kLargestCursorBitmapSide = 1024;

constexpr int CursorMetaSize(int side) {
    return static_cast<int>(sizeof(spa_meta_cursor) + sizeof(spa_meta_bitmap)) +
           side * side * kFrameBytesPerPixel;
}

} // namespace

std::optional<ChannelOffsets> ChannelsOfFormat(std::uint32_t format) {
    for (const ReadableFormat& readable : kReadableFormats)
        if (readable.format == format)
            return readable.channels;
    return std::nullopt;
}

const spa_pod* BuildFormatOffer(spa_pod_builder& builder) {
    spa_pod_frame object{};
    spa_pod_builder_push_object(&builder, &object, SPA_TYPE_OBJECT_Format, SPA_PARAM_EnumFormat);
    spa_pod_builder_add(&builder, SPA_FORMAT_mediaType, SPA_POD_Id(SPA_MEDIA_TYPE_video),
                        SPA_FORMAT_mediaSubtype, SPA_POD_Id(SPA_MEDIA_SUBTYPE_raw), 0);

    spa_pod_frame choice{};
    spa_pod_builder_prop(&builder, SPA_FORMAT_VIDEO_format, 0);
    spa_pod_builder_push_choice(&builder, &choice, SPA_CHOICE_Enum, 0);
    // An enumeration's first value is its default.
    spa_pod_builder_id(&builder, kReadableFormats.front().format);
    for (const ReadableFormat& readable : kReadableFormats)
        spa_pod_builder_id(&builder, readable.format);
    spa_pod_builder_pop(&builder, &choice);

    const spa_rectangle defaultSize = SPA_RECTANGLE(1280, 800);
    const spa_rectangle smallestSize = SPA_RECTANGLE(1, 1);
    const spa_rectangle largestSize = SPA_RECTANGLE(kLargestFrameSide, kLargestFrameSide);
    const spa_fraction defaultRate = SPA_FRACTION(kMostFramesPerSecond, 1);
    const spa_fraction slowestRate = SPA_FRACTION(0, 1);
    const spa_fraction fastestRate = SPA_FRACTION(kMostFramesPerSecond, 1);
    spa_pod_builder_add(&builder, SPA_FORMAT_VIDEO_size,
                        SPA_POD_CHOICE_RANGE_Rectangle(&defaultSize, &smallestSize, &largestSize),
                        SPA_FORMAT_VIDEO_framerate,
                        SPA_POD_CHOICE_RANGE_Fraction(&defaultRate, &slowestRate, &fastestRate), 0);
    return static_cast<const spa_pod*>(spa_pod_builder_pop(&builder, &object));
}

std::vector<const spa_pod*> BuildBufferParams(spa_pod_builder& builder) {
    // Memory the process can map and read in place. DMA-BUFs would need a GPU download per frame
    // for one pixel, so they are not offered and the compositor copies into shared memory.
    const int mappable = (1 << SPA_DATA_MemPtr) | (1 << SPA_DATA_MemFd);
    std::vector<const spa_pod*> params;
    params.push_back(static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_dataType,
        SPA_POD_CHOICE_FLAGS_Int(mappable))));
    params.push_back(static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
        SPA_POD_Id(SPA_META_Header), SPA_PARAM_META_size, SPA_POD_Int(sizeof(spa_meta_header)))));
    params.push_back(static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
        SPA_POD_Id(SPA_META_Cursor), SPA_PARAM_META_size,
        SPA_POD_CHOICE_RANGE_Int(CursorMetaSize(kCursorBitmapSide),
                                 CursorMetaSize(kCursorBitmapSide),
                                 CursorMetaSize(kLargestCursorBitmapSide)))));
    return params;
}

} // namespace tessavundo
