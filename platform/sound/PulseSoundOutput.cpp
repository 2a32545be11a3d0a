// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/PulseSoundOutput.h"

#include "platform/sound/SoundStream.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <chrono>

namespace {

using Clock = ReconnectPace::Clock;

// How long the program's start waits for the server to answer at most.
constexpr pa_usec_t kFirstConnectionUs = 500 * 1000;
// And a sound asked for while there is none: a server that is there answers
// within milliseconds, an absent one fails at once.
constexpr pa_usec_t kAskedConnectionUs = 100 * 1000;
// A short buffer keeps the way from a key to the loudspeaker short; the
// server asks for more every few milliseconds, from bytes already decoded.
constexpr pa_usec_t kBufferUs = 80 * 1000;

pa_sample_spec SampleSpecOf(const SoundFormat& format)
{
    return {PA_SAMPLE_S16NE, static_cast<std::uint32_t>(format.sampleRate),
            static_cast<std::uint8_t>(format.channels)};
}

// The client library's loop lock, held for a scope.
class LoopLock
{
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : m_loop(loop)
    {
        pa_threaded_mainloop_lock(loop);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};

void Forget(pa_operation* operation)
{
    if (operation)
        pa_operation_unref(operation);
}

// Calls back on the loop's thread after the given time.
pa_time_event* After(pa_mainloop_api* api, pa_usec_t delay, pa_time_event_cb_t callback,
                     void* userdata)
{
    timeval when{};
    pa_timeval_add(pa_gettimeofday(&when), delay);
    return api->time_new(api, &when, callback, userdata);
}

} // namespace

PulseSoundOutput::PulseSoundOutput() : m_loop(pa_threaded_mainloop_new())
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_start(m_loop);
    const LoopLock lock(m_loop);
    ConnectAndWait(kFirstConnectionUs);
}

PulseSoundOutput::~PulseSoundOutput()
{
    if (!m_loop)
        return;
    {
        const LoopLock lock(m_loop);
        Disconnect();
        if (m_reconnect) {
            pa_threaded_mainloop_get_api(m_loop)->time_free(m_reconnect);
            m_reconnect = nullptr;
        }
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

std::optional<SoundFormat> PulseSoundOutput::Format()
{
    if (!m_loop)
        return std::nullopt;
    const LoopLock lock(m_loop);
    if (!m_format && !Connecting()) {
        const Clock::time_point now = Clock::now();
        m_pace.SoundAsked(now);
        const std::optional<Clock::time_point> due = m_pace.NextLook();
        if (due && *due <= now)
            ConnectAndWait(kAskedConnectionUs);
        else
            ReconnectSoon();
    }
    return m_format;
}

void PulseSoundOutput::Play(std::shared_ptr<SoundStream> sound)
{
    if (!m_loop) {
        sound->Abandon();
        return;
    }
    const LoopLock lock(m_loop);
    DropSound();
    if (!m_stream) {
        sound->Abandon();
        return;
    }
    m_sound = std::move(sound);
    m_sound->SetDataListener([this, sound = m_sound.get()] {
        const LoopLock dataLock(m_loop);
        OnData(sound);
    });
    Feed();
}

void PulseSoundOutput::Stop()
{
    if (!m_loop)
        return;
    const LoopLock lock(m_loop);
    DropSound();
}

PulseSoundOutput::Usage PulseSoundOutput::CurrentUsage()
{
    if (!m_loop)
        return {};
    const LoopLock lock(m_loop);
    return {m_stream ? 1 : 0, m_targetLength, m_sound != nullptr};
}

void PulseSoundOutput::Connect()
{
    Disconnect();
    if (m_reconnect) {
        pa_threaded_mainloop_get_api(m_loop)->time_free(m_reconnect);
        m_reconnect = nullptr;
    }
    m_pace.Looked(Clock::now());
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Tapnest");
    if (!m_context) {
        ReconnectSoon();
        return;
    }
    pa_context_set_state_callback(
        m_context,
        [](pa_context*, void* self) { static_cast<PulseSoundOutput*>(self)->OnContextState(); },
        this);
    const auto flags = m_autospawn ? PA_CONTEXT_NOFLAGS : PA_CONTEXT_NOAUTOSPAWN;
    m_autospawn = false;
    if (pa_context_connect(m_context, nullptr, flags, nullptr) < 0)
        ReconnectSoon();
}

void PulseSoundOutput::Disconnect()
{
    CloseStream();
    m_format.reset();
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

void PulseSoundOutput::ReconnectSoon()
{
    EndWaiting();
    const std::optional<Clock::time_point> due = m_pace.NextLook();
    if (m_reconnect || !due)
        return;
    const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(
        std::max(Clock::duration::zero(), *due - Clock::now()));
    m_reconnect = After(
        pa_threaded_mainloop_get_api(m_loop), static_cast<pa_usec_t>(delay.count()),
        [](pa_mainloop_api* api, pa_time_event* event, const timeval*, void* self) {
            auto* const output = static_cast<PulseSoundOutput*>(self);
            api->time_free(event);
            output->m_reconnect = nullptr;
            output->Connect();
        },
        this);
}

// A connection under way or made; one that failed waits for the next look.
bool PulseSoundOutput::Connecting() const
{
    return m_context && PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context));
}

void PulseSoundOutput::OnContextState()
{
    switch (pa_context_get_state(m_context)) {
    case PA_CONTEXT_READY:
        Forget(pa_context_get_server_info(
            m_context,
            [](pa_context*, const pa_server_info* info, void* self) {
                static_cast<PulseSoundOutput*>(self)->OnServerInfo(info);
            },
            this));
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // The context goes when the next one is made, outside its own callback.
        CloseStream();
        m_format.reset();
        ReconnectSoon();
        break;
    default:
        break;
    }
}

void PulseSoundOutput::OnServerInfo(const pa_server_info* info)
{
    if (!info || !pa_sample_spec_valid(&info->sample_spec)) {
        EndWaiting();
        return;
    }
    m_format = SoundFormat{static_cast<int>(info->sample_spec.rate), 2, SoundFormat::Sample::Int16};
    OpenStream();
}

void PulseSoundOutput::OpenStream()
{
    CloseStream();
    const pa_sample_spec spec = SampleSpecOf(*m_format);
    m_stream = pa_stream_new(m_context, "Tapnest sounds", &spec, nullptr);
    if (!m_stream) {
        EndWaiting();
        return;
    }
    pa_stream_set_state_callback(
        m_stream,
        [](pa_stream* stream, void* self) {
            static_cast<PulseSoundOutput*>(self)->OnStreamState(stream);
        },
        this);
    pa_stream_set_write_callback(
        m_stream,
        [](pa_stream*, std::size_t, void* self) { static_cast<PulseSoundOutput*>(self)->Feed(); },
        this);
    // Playback starts with the first frame written, and after the stream ran
    // dry (between sounds, or behind a decoder) it starts again with the next.
    const pa_buffer_attr buffer{static_cast<std::uint32_t>(-1),
                                static_cast<std::uint32_t>(pa_usec_to_bytes(kBufferUs, &spec)),
                                static_cast<std::uint32_t>(pa_frame_size(&spec)),
                                static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1)};
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0)
        CloseStream();
}

void PulseSoundOutput::CloseStream()
{
    DropSound();
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    m_targetLength = 0;
}

// Lets the sound being fed go, and drops what the server still holds of the
// sound before, so the next one starts at once.
void PulseSoundOutput::DropSound()
{
    if (m_sound) {
        m_sound->Abandon();
        m_sound.reset();
    }
    if (m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY)
        Forget(pa_stream_flush(m_stream, nullptr, nullptr));
}

void PulseSoundOutput::OnStreamState(pa_stream* stream)
{
    if (stream != m_stream)
        return;
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (const pa_buffer_attr* const buffer = pa_stream_get_buffer_attr(stream))
            m_targetLength = buffer->tlength;
        EndWaiting();
        Feed();
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        // The output it played on went; the next one is the server's default.
        CloseStream();
        if (m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY)
            OpenStream();
        break;
    default:
        break;
    }
}

void PulseSoundOutput::Feed()
{
    if (!m_sound || !m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    std::size_t writable = pa_stream_writable_size(m_stream);
    while (writable > 0 && writable != static_cast<std::size_t>(-1)) {
        void* buffer = nullptr;
        std::size_t size = writable;
        if (pa_stream_begin_write(m_stream, &buffer, &size) < 0 || !buffer)
            return;
        const qsizetype read = m_sound->Read(static_cast<char*>(buffer),
                                             static_cast<qsizetype>(std::min(size, writable)));
        if (read <= 0) {
            pa_stream_cancel_write(m_stream);
            break;
        }
        if (pa_stream_write(m_stream, buffer, static_cast<std::size_t>(read), nullptr, 0,
                            PA_SEEK_RELATIVE) < 0)
            return;
        writable -= static_cast<std::size_t>(read);
    }
    // What was written plays out; the stream stays for the next sound.
    if (m_sound->AtEnd())
        m_sound.reset();
}

void PulseSoundOutput::OnData(const SoundStream* sound)
{
    if (m_sound.get() == sound)
        Feed();
}

// Waits until the stream is ready, the connection failed, or `usec` passed.
void PulseSoundOutput::ConnectAndWait(pa_usec_t usec)
{
    m_waiting = true;
    Connect();
    pa_time_event* const timeout = After(
        pa_threaded_mainloop_get_api(m_loop), usec,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            static_cast<PulseSoundOutput*>(self)->EndWaiting();
        },
        this);
    while (m_waiting)
        pa_threaded_mainloop_wait(m_loop);
    pa_threaded_mainloop_get_api(m_loop)->time_free(timeout);
}

void PulseSoundOutput::EndWaiting()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    pa_threaded_mainloop_signal(m_loop, 0);
}
