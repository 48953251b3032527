// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screencast/frame_pixel.h"
#include "platform/screencast/sample_slot.h"
#include "platform/screencast/screen_cast_stream.h"
#include "platform/screencast/stream_params.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <pipewire/pipewire.h>
#include <spa/buffer/meta.h>
#include <spa/param/video/format-utils.h>
#include <unistd.h>
#include <vector>

namespace tessavundo {

namespace {

constexpr std::size_t kParamBufferBytes = 1024;

// Holds the thread loop's lock for one scope: every call into the stream from outside the loop's
// own thread needs it.
class LoopLock {
public:
    explicit LoopLock(pw_thread_loop* loop)
        : loop_(loop) {
        pw_thread_loop_lock(loop_);
    }
    ~LoopLock() { pw_thread_loop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;
    LoopLock(LoopLock&&) = delete;
    LoopLock& operator=(LoopLock&&) = delete;

private:
    pw_thread_loop* loop_;
};

// Reads one monitor's screen cast on a PipeWire thread loop of its own. Everything but Latest()
// and State() runs on that loop's thread (or under its lock).
class PipeWireStream final : public ScreenCastStream {
public:
    PipeWireStream() { pw_init(nullptr, nullptr); }
    ~PipeWireStream() override;
    PipeWireStream(const PipeWireStream&) = delete;
    PipeWireStream& operator=(const PipeWireStream&) = delete;
    PipeWireStream(PipeWireStream&&) = delete;
    PipeWireStream& operator=(PipeWireStream&&) = delete;

    bool Open(int remoteFd, std::uint32_t nodeId, std::string& error);

    [[nodiscard]] std::optional<CursorSample> Latest() const override { return slot_.Read(); }
    [[nodiscard]] StreamState State() const override {
        return state_.load(std::memory_order_acquire);
    }

private:
    static void OnStateChanged(void* self, pw_stream_state old, pw_stream_state state,
                               const char* error);
    static void OnParamChanged(void* self, std::uint32_t id, const spa_pod* param);
    static void OnBufferRemoved(void* self, pw_buffer* buffer);
    static void OnProcess(void* self);

    void TakeFormat(const spa_pod* param);
    bool TakeCursor(const spa_buffer& buffer);
    [[nodiscard]] std::optional<FrameView> FrameOf(const spa_buffer& buffer) const;
    void Hold(pw_buffer* buffer, const FrameView& frame);
    void Release();
    void End() { state_.store(StreamState::Ended, std::memory_order_release); }

    static constexpr pw_stream_events kStreamEvents = [] {
        pw_stream_events events{};
        events.version = PW_VERSION_STREAM_EVENTS;
        events.state_changed = &PipeWireStream::OnStateChanged;
        events.param_changed = &PipeWireStream::OnParamChanged;
        events.remove_buffer = &PipeWireStream::OnBufferRemoved;
        events.process = &PipeWireStream::OnProcess;
        return events;
    }();

    pw_thread_loop* loop_ = nullptr;
    pw_context* context_ = nullptr;
    pw_core* core_ = nullptr;
    pw_stream* stream_ = nullptr;
    spa_hook streamListener_{};

    // The loop's thread only.
    spa_video_info_raw format_{};
    std::optional<ChannelOffsets> channels_;
    // The newest buffer with a frame in it, kept from the producer until a newer one arrives.
    pw_buffer* held_ = nullptr;
    FrameView frame_;
    // The pointer as the newest cursor metadata gave it.
    std::optional<std::pair<int, int>> pointer_;

    SampleSlot slot_;
    std::atomic<StreamState> state_{StreamState::Starting};
};

PipeWireStream::~PipeWireStream() {
    if (loop_ != nullptr) {
        {
            LoopLock lock(loop_);
            if (stream_ != nullptr) {
                Release();
                spa_hook_remove(&streamListener_);
                pw_stream_destroy(stream_);
            }
            if (core_ != nullptr)
                pw_core_disconnect(core_);
        }
        // Joins the loop's thread, so no callback runs after this.
        pw_thread_loop_stop(loop_);
    }
    if (context_ != nullptr)
        pw_context_destroy(context_);
    if (loop_ != nullptr)
        pw_thread_loop_destroy(loop_);
    pw_deinit();
}

bool PipeWireStream::Open(int remoteFd, std::uint32_t nodeId, std::string& error) {
    loop_ = pw_thread_loop_new("tessavundo-cast", nullptr);
    if (loop_ != nullptr)
        context_ = pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0);
    if (context_ == nullptr || pw_thread_loop_start(loop_) < 0) {
        if (remoteFd >= 0)
            close(remoteFd);
        error = "PipeWire could not start its thread";
        return false;
    }
    LoopLock lock(loop_);
    core_ = remoteFd >= 0 ? pw_context_connect_fd(context_, remoteFd, nullptr, 0)
                          : pw_context_connect(context_, nullptr, 0);
    if (core_ == nullptr) {
        error = std::string("no PipeWire to connect to: ") + std::strerror(errno);
        return false;
    }
    stream_ = pw_stream_new(core_, "Tessavundo eyedropper",
                            pw_properties_new(PW_KEY_MEDIA_TYPE, "Video", PW_KEY_MEDIA_CATEGORY,
                                              "Capture", PW_KEY_MEDIA_ROLE, "Screen", nullptr));
    if (stream_ == nullptr) {
        error = std::string("PipeWire refused the stream: ") + std::strerror(errno);
        return false;
    }
    pw_stream_add_listener(stream_, &streamListener_, &kStreamEvents, this);

    std::array<std::uint8_t, kParamBufferBytes> storage{};
    spa_pod_builder builder{};
    spa_pod_builder_init(&builder, storage.data(), storage.size());
    const spa_pod* offer = BuildFormatOffer(builder);
    // Without DONT_RECONNECT the session manager would link the stream to some other video
    // source once the monitor's node is gone, and the eyedropper would read the wrong screen.
    const auto flags = static_cast<pw_stream_flags>(
        PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS | PW_STREAM_FLAG_DONT_RECONNECT);
    const int connected = pw_stream_connect(stream_, PW_DIRECTION_INPUT, nodeId, flags, &offer, 1);
    if (connected < 0) {
        error = std::string("PipeWire could not connect the stream: ") + std::strerror(-connected);
        return false;
    }
    return true;
}

void PipeWireStream::OnStateChanged(void* self, pw_stream_state /*old*/, pw_stream_state state,
                                    const char* /*error*/) {
    // The stream reports every end here: the producer's node removed (the session manager then
    // unlinks the stream and, as it may not reconnect, drops it), a failed negotiation, and the
    // connection to the daemon lost.
    if (state == PW_STREAM_STATE_ERROR || state == PW_STREAM_STATE_UNCONNECTED)
        static_cast<PipeWireStream*>(self)->End();
}

void PipeWireStream::OnParamChanged(void* self, std::uint32_t id, const spa_pod* param) {
    if (id == SPA_PARAM_Format)
        static_cast<PipeWireStream*>(self)->TakeFormat(param);
}

void PipeWireStream::TakeFormat(const spa_pod* param) {
    channels_.reset();
    if (param == nullptr || spa_format_video_raw_parse(param, &format_) < 0)
        return;
    channels_ = ChannelsOfFormat(format_.format);
    if (!channels_) {
        pw_stream_set_error(stream_, -EINVAL, "a video format the eyedropper cannot read");
        return;
    }
    std::array<std::uint8_t, kParamBufferBytes> storage{};
    spa_pod_builder builder{};
    spa_pod_builder_init(&builder, storage.data(), storage.size());
    std::vector<const spa_pod*> params = BuildBufferParams(builder);
    pw_stream_update_params(stream_, params.data(), static_cast<std::uint32_t>(params.size()));
}

void PipeWireStream::OnBufferRemoved(void* self, pw_buffer* buffer) {
    auto* stream = static_cast<PipeWireStream*>(self);
    if (buffer == stream->held_) {
        stream->held_ = nullptr;
        stream->frame_ = FrameView{};
    }
}

void PipeWireStream::OnProcess(void* self) {
    auto* stream = static_cast<PipeWireStream*>(self);
    bool changed = false;
    // Several buffers may be waiting when the thread was late; only the newest frame matters,
    // but every buffer's cursor position counts, the last one winning.
    while (pw_buffer* buffer = pw_stream_dequeue_buffer(stream->stream_)) {
        changed = stream->TakeCursor(*buffer->buffer) || changed;
        if (const std::optional<FrameView> frame = stream->FrameOf(*buffer->buffer)) {
            stream->Hold(buffer, *frame);
            changed = true;
        } else {
            pw_stream_queue_buffer(stream->stream_, buffer);
        }
    }
    if (changed && stream->pointer_ && stream->held_ != nullptr) {
        const auto [x, y] = *stream->pointer_;
        stream->slot_.Publish(x, y, FramePixel(stream->frame_, x, y), stream->frame_.width,
                              stream->frame_.height);
    }
}

bool PipeWireStream::TakeCursor(const spa_buffer& buffer) {
    const auto* cursor = static_cast<const spa_meta_cursor*>(
        spa_buffer_find_meta_data(&buffer, SPA_META_Cursor, sizeof(spa_meta_cursor)));
    // Id 0 says the cursor did not change or is not on this monitor: the last position holds.
    if (cursor == nullptr || !spa_meta_cursor_is_valid(cursor))
        return false;
    // The position is where the pointer points, its hot spot. The hot spot field is only the
    // offset inside the cursor's bitmap, for drawing the bitmap at position - hotspot (mutter and
    // KWin both fill it so), so it takes no part in finding the pixel under the pointer.
    pointer_ = std::pair{cursor->position.x, cursor->position.y};
    return true;
}

std::optional<FrameView> PipeWireStream::FrameOf(const spa_buffer& buffer) const {
    if (!channels_ || buffer.n_datas < 1)
        return std::nullopt;
    const spa_data& data = buffer.datas[0];
    // Buffers that only move the cursor come with an empty or corrupted chunk: the frame held
    // before stays the screen's picture.
    if (data.data == nullptr || data.chunk == nullptr || data.chunk->size == 0 ||
        (data.chunk->flags & SPA_CHUNK_FLAG_CORRUPTED) != 0 || data.chunk->offset >= data.maxsize)
        return std::nullopt;
    FrameView frame;
    frame.data = static_cast<const std::uint8_t*>(data.data) + data.chunk->offset;
    frame.size = std::min<std::size_t>(data.chunk->size, data.maxsize - data.chunk->offset);
    frame.width = static_cast<int>(format_.size.width);
    frame.height = static_cast<int>(format_.size.height);
    frame.stride = data.chunk->stride > 0 ? data.chunk->stride : frame.width * kFrameBytesPerPixel;
    frame.channels = *channels_;
    return frame;
}

// Keeping the producer's buffer costs nothing per frame; copying a 1280x800 frame to read one
// pixel of it costs several times the CPU and adds the copy's time to every sample.
void PipeWireStream::Hold(pw_buffer* buffer, const FrameView& frame) {
    Release();
    held_ = buffer;
    frame_ = frame;
    if (state_.load(std::memory_order_relaxed) == StreamState::Starting)
        state_.store(StreamState::Streaming, std::memory_order_release);
}

void PipeWireStream::Release() {
    if (held_ != nullptr)
        pw_stream_queue_buffer(stream_, held_);
    held_ = nullptr;
    frame_ = FrameView{};
}

} // namespace

std::unique_ptr<ScreenCastStream> OpenPipeWireStream(int remoteFd, std::uint32_t nodeId,
                                                     std::string& error) {
    auto stream = std::make_unique<PipeWireStream>();
    if (!stream->Open(remoteFd, nodeId, error))
        return nullptr;
    return stream;
}

} // namespace tessavundo
