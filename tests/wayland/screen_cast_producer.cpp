// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// A screen cast as a compositor publishes one: a PipeWire video source whose frames show a known
// pattern and whose buffers carry the pointer as cursor metadata. The test drives it line by line
// on standard input and reads "node <id>" and "streaming" from its standard output.
//
//   screen_cast_producer FORMAT WIDTH HEIGHT [--stride-pad BYTES] [--offset BYTES]
//                        [--bitmap SIDE] [--hotspot N] [--no-cursor-meta]
//
// --bitmap sends a cursor bitmap of SIDE x SIDE pixels with the hot spot (N, N) in it, and, as
// mutter does, no cursor at all when the consumer's room for the bitmap is smaller.
//
//   frame SEED X Y   a frame of pattern SEED, the pointer at (X, Y)
//   frame SEED       a frame of pattern SEED whose cursor metadata says "no cursor" (id 0)
//   move X Y         a buffer without a frame (chunk size 0), the pointer at (X, Y)
//   corrupt X Y      a buffer whose frame is flagged corrupted, the pointer at (X, Y)
//   stop             disconnects the stream, so its node goes away; the process lives on
//   exit             leaves at once, as a crashing compositor would
#include "tests/wayland/screen_cast_pattern.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iostream>
#include <pipewire/pipewire.h>
#include <spa/buffer/meta.h>
#include <spa/param/video/format-utils.h>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using tessavundo::test::PatternByte;
using tessavundo::test::PatternFormat;

struct Options {
    PatternFormat format;
    int width = 0;
    int height = 0;
    int stridePad = 0;
    int offset = 0;
    int bitmapSide = 0;
    int hotspot = 0;
    bool cursorMeta = true;
};

struct Command {
    enum class Kind { Frame, Move, Corrupt } kind = Kind::Frame;
    int seed = 0;
    bool hasPointer = false;
    int x = 0;
    int y = 0;
};

constexpr int kBytesPerPixel = 4;
constexpr int kLargestCursorBitmapSide = 1024;
constexpr long kTickNanoseconds = 5'000'000;

constexpr int CursorMetaSize(int side) {
    return static_cast<int>(sizeof(spa_meta_cursor) + sizeof(spa_meta_bitmap)) +
           side * side * kBytesPerPixel;
}

struct Producer {
    Options options;
    pw_main_loop* loop = nullptr;
    pw_stream* stream = nullptr;
    spa_hook listener{};
    std::deque<Command> pending;
    int stride = 0;
    bool announced = false;
};

void Fill(Producer& producer, spa_buffer& buffer, const Command& command) {
    spa_data& data = buffer.datas[0];
    const Options& options = producer.options;
    auto* cursor = static_cast<spa_meta_cursor*>(
        spa_buffer_find_meta_data(&buffer, SPA_META_Cursor, sizeof(spa_meta_cursor)));
    if (cursor != nullptr) {
        *cursor = spa_meta_cursor{};
        if (command.hasPointer) {
            cursor->id = 1;
            cursor->position = SPA_POINT(command.x, command.y);
        }
        const std::uint32_t roomForBitmap = CursorMetaSize(options.bitmapSide);
        if (command.hasPointer && options.bitmapSide > 0) {
            std::uint32_t metaSize = 0;
            for (std::uint32_t i = 0; i < buffer.n_metas; ++i)
                if (buffer.metas[i].type == SPA_META_Cursor)
                    metaSize = buffer.metas[i].size;
            // As mutter does: a cursor whose bitmap does not fit is left out altogether.
            if (metaSize < roomForBitmap) {
                cursor->id = 0;
            } else {
                cursor->hotspot = SPA_POINT(options.hotspot, options.hotspot);
                cursor->bitmap_offset = sizeof(spa_meta_cursor);
                auto* bitmap = SPA_PTROFF(cursor, cursor->bitmap_offset, spa_meta_bitmap);
                bitmap->format = SPA_VIDEO_FORMAT_RGBA;
                const auto side = static_cast<std::uint32_t>(options.bitmapSide);
                bitmap->size = SPA_RECTANGLE(side, side);
                bitmap->stride = options.bitmapSide * kBytesPerPixel;
                bitmap->offset = sizeof(spa_meta_bitmap);
                std::memset(SPA_PTROFF(bitmap, bitmap->offset, void), 0xff,
                            static_cast<std::size_t>(bitmap->stride) * options.bitmapSide);
            }
        }
    }
    data.chunk->offset = static_cast<std::uint32_t>(options.offset);
    data.chunk->stride = producer.stride;
    data.chunk->flags = SPA_CHUNK_FLAG_NONE;
    if (command.kind == Command::Kind::Move) {
        data.chunk->size = 0;
        return;
    }
    data.chunk->size = static_cast<std::uint32_t>(producer.stride * options.height);
    auto* rows = static_cast<std::uint8_t*>(data.data) + options.offset;
    for (int y = 0; y < options.height; ++y)
        for (int x = 0; x < producer.stride; ++x)
            rows[y * producer.stride + x] =
                PatternByte(options.format, options.width, command.seed, x, y);
    if (command.kind == Command::Kind::Corrupt)
        data.chunk->flags = SPA_CHUNK_FLAG_CORRUPTED;
}

void OnProcess(void* self) {
    auto& producer = *static_cast<Producer*>(self);
    if (producer.pending.empty())
        return;
    pw_buffer* buffer = pw_stream_dequeue_buffer(producer.stream);
    if (buffer == nullptr)
        return;
    if (buffer->buffer->datas[0].data != nullptr) {
        Fill(producer, *buffer->buffer, producer.pending.front());
        producer.pending.pop_front();
    }
    pw_stream_queue_buffer(producer.stream, buffer);
}

void OnStateChanged(void* self, pw_stream_state /*old*/, pw_stream_state state, const char* error) {
    auto& producer = *static_cast<Producer*>(self);
    if (state == PW_STREAM_STATE_PAUSED && !producer.announced) {
        producer.announced = true;
        std::printf("node %u\n", pw_stream_get_node_id(producer.stream));
    } else if (state == PW_STREAM_STATE_STREAMING) {
        std::printf("streaming\n");
    } else if (state == PW_STREAM_STATE_ERROR) {
        std::printf("error %s\n", error != nullptr ? error : "");
    }
    std::fflush(stdout);
}

void OnParamChanged(void* self, std::uint32_t id, const spa_pod* param) {
    auto& producer = *static_cast<Producer*>(self);
    if (id != SPA_PARAM_Format || param == nullptr)
        return;
    const Options& options = producer.options;
    producer.stride = options.width * kBytesPerPixel + options.stridePad;
    std::array<std::uint8_t, 1024> storage{};
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(storage.data(), storage.size());
    std::array<const spa_pod*, 3> params{};
    std::uint32_t count = 0;
    params[count++] = static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_buffers,
        SPA_POD_CHOICE_RANGE_Int(4, 2, 8), SPA_PARAM_BUFFERS_blocks, SPA_POD_Int(1),
        SPA_PARAM_BUFFERS_size, SPA_POD_Int(producer.stride * options.height + options.offset),
        SPA_PARAM_BUFFERS_stride, SPA_POD_Int(producer.stride)));
    params[count++] = static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
        SPA_POD_Id(SPA_META_Header), SPA_PARAM_META_size, SPA_POD_Int(sizeof(spa_meta_header))));
    if (options.cursorMeta)
        params[count++] = static_cast<const spa_pod*>(spa_pod_builder_add_object(
            &builder, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
            SPA_POD_Id(SPA_META_Cursor), SPA_PARAM_META_size,
            SPA_POD_CHOICE_RANGE_Int(CursorMetaSize(64), CursorMetaSize(1),
                                     CursorMetaSize(kLargestCursorBitmapSide))));
    pw_stream_update_params(producer.stream, params.data(), count);
}

void OnInput(void* self, int fd, std::uint32_t /*mask*/) {
    auto& producer = *static_cast<Producer*>(self);
    std::array<char, 4096> chunk{};
    const ssize_t got = read(fd, chunk.data(), chunk.size());
    if (got <= 0) {
        pw_main_loop_quit(producer.loop);
        return;
    }
    std::istringstream lines(std::string(chunk.data(), static_cast<std::size_t>(got)));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string verb;
        words >> verb;
        Command command;
        if (verb == "exit")
            _exit(0);
        if (verb == "stop") {
            pw_stream_disconnect(producer.stream);
            continue;
        }
        if (verb == "frame") {
            words >> command.seed;
            command.hasPointer = static_cast<bool>(words >> command.x >> command.y);
        } else if (verb == "move" || verb == "corrupt") {
            command.kind = verb == "move" ? Command::Kind::Move : Command::Kind::Corrupt;
            command.hasPointer = static_cast<bool>(words >> command.x >> command.y);
            command.seed = 0;
        } else {
            continue;
        }
        producer.pending.push_back(command);
    }
}

// One buffer per tick while commands wait: a trigger during a cycle still under way is dropped,
// so the producer does not trigger once per command.
void OnTick(void* self, std::uint64_t /*expirations*/) {
    auto& producer = *static_cast<Producer*>(self);
    if (!producer.pending.empty())
        pw_stream_trigger_process(producer.stream);
}

bool ParseOptions(int argc, char** argv, Options& options) {
    if (argc < 4)
        return false;
    const std::optional<PatternFormat> format = tessavundo::test::PatternFormatNamed(argv[1]);
    if (!format)
        return false;
    options.format = *format;
    options.width = std::atoi(argv[2]);
    options.height = std::atoi(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--no-cursor-meta")
            options.cursorMeta = false;
        else if (i + 1 < argc && option == "--stride-pad")
            options.stridePad = std::atoi(argv[++i]);
        else if (i + 1 < argc && option == "--offset")
            options.offset = std::atoi(argv[++i]);
        else if (i + 1 < argc && option == "--bitmap")
            options.bitmapSide = std::atoi(argv[++i]);
        else if (i + 1 < argc && option == "--hotspot")
            options.hotspot = std::atoi(argv[++i]);
        else
            return false;
    }
    return options.width > 0 && options.height > 0;
}

} // namespace

int main(int argc, char** argv) {
    Producer producer;
    if (!ParseOptions(argc, argv, producer.options)) {
        std::cerr << "usage: screen_cast_producer FORMAT WIDTH HEIGHT [options]\n";
        return 2;
    }
    pw_init(&argc, &argv);
    producer.loop = pw_main_loop_new(nullptr);
    pw_loop* loop = pw_main_loop_get_loop(producer.loop);
    pw_context* context = pw_context_new(loop, nullptr, 0);
    pw_core* core = pw_context_connect(context, nullptr, 0);
    if (core == nullptr) {
        std::cerr << "screen_cast_producer: no PipeWire: " << std::strerror(errno) << "\n";
        return 1;
    }
    pw_loop_add_io(loop, STDIN_FILENO, SPA_IO_IN | SPA_IO_HUP, false, &OnInput, &producer);

    producer.stream = pw_stream_new(core, "tessavundo-test-monitor",
                                    pw_properties_new(PW_KEY_MEDIA_CLASS, "Video/Source", nullptr));
    static constexpr pw_stream_events kEvents = [] {
        pw_stream_events events{};
        events.version = PW_VERSION_STREAM_EVENTS;
        events.state_changed = &OnStateChanged;
        events.param_changed = &OnParamChanged;
        events.process = &OnProcess;
        return events;
    }();
    pw_stream_add_listener(producer.stream, &producer.listener, &kEvents, &producer);

    std::array<std::uint8_t, 1024> storage{};
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(storage.data(), storage.size());
    const spa_rectangle size = SPA_RECTANGLE(static_cast<std::uint32_t>(producer.options.width),
                                             static_cast<std::uint32_t>(producer.options.height));
    const spa_fraction rate = SPA_FRACTION(30, 1);
    const auto* offer = static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_Format, SPA_PARAM_EnumFormat, SPA_FORMAT_mediaType,
        SPA_POD_Id(SPA_MEDIA_TYPE_video), SPA_FORMAT_mediaSubtype,
        SPA_POD_Id(SPA_MEDIA_SUBTYPE_raw), SPA_FORMAT_VIDEO_format,
        SPA_POD_Id(producer.options.format.spaFormat), SPA_FORMAT_VIDEO_size,
        SPA_POD_Rectangle(&size), SPA_FORMAT_VIDEO_framerate, SPA_POD_Fraction(&rate)));
    const auto flags =
        static_cast<pw_stream_flags>(PW_STREAM_FLAG_DRIVER | PW_STREAM_FLAG_MAP_BUFFERS);
    pw_stream_connect(producer.stream, PW_DIRECTION_OUTPUT, PW_ID_ANY, flags, &offer, 1);
    spa_source* tick = pw_loop_add_timer(loop, &OnTick, &producer);
    timespec interval{0, kTickNanoseconds};
    pw_loop_update_timer(loop, tick, &interval, &interval, false);
    pw_main_loop_run(producer.loop);

    pw_stream_destroy(producer.stream);
    pw_core_disconnect(core);
    pw_context_destroy(context);
    pw_main_loop_destroy(producer.loop);
    pw_deinit();
    return 0;
}
