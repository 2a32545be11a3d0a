// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound/ReconnectPace.h"
#include "platform/sound/SoundOutput.h"

#include <cstdint>

struct pa_context;
struct pa_server_info;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

// Plays through the desktop's sound server (PulseAudio, or PipeWire's
// PulseAudio service) on its default output, through one stream with a short
// buffer that stays open while the server is there: a new sound drops what
// is queued of the one before and starts within a few milliseconds. Nothing
// here waits for the server, apart from a bounded wait for the first
// connection and for a look that a sound asked for: requests go to a thread
// of the client library, which feeds the stream as the server asks and as
// decoded pieces arrive. A server that is absent or goes away is looked for
// again as ReconnectPace says: at most once a second while sounds are asked
// for, not at all once none was for a minute, at once for a sound asked
// after that. Until the server answers, sounds are silent.
//
// Threads: the caller's thread (the public functions, construction and
// destruction), the client library's loop thread (its callbacks: the context's
// and the stream's states, the stream's requests for bytes, the timers) and a
// decoder's thread (a sound's data listener) all hold the loop's lock
// (pa_threaded_mainloop_lock, which the loop holds around its callbacks), and
// it guards every member below. It is taken before a SoundStream's own lock,
// never inside it. A data listener holds `this` and the address of its sound
// only to compare it with m_sound, so one that runs after its sound was
// dropped does nothing; it must not run after the output is destroyed, which
// the sound player's join of its decoders ensures. The destructor disconnects
// under the lock and stops the loop's thread before freeing the loop, so no
// callback runs after it.
class PulseSoundOutput final : public SoundOutput
{
public:
    PulseSoundOutput();
    ~PulseSoundOutput() override;
    PulseSoundOutput(const PulseSoundOutput&) = delete;
    PulseSoundOutput& operator=(const PulseSoundOutput&) = delete;

    // Counts as a sound asked for: without a server, a look that is due is
    // made at once and waited for, briefly, so the sound is heard when the
    // server is there now.
    std::optional<SoundFormat> Format() override;
    void Play(std::shared_ptr<SoundStream> sound) override;
    void Stop() override;

    // What the output holds, for tests: its streams on the server (at most
    // one), the buffer length the server granted it once it was ready (0
    // before), and whether a sound is still being fed to it.
    struct Usage
    {
        int streams = 0;
        std::uint32_t targetLength = 0;
        bool feeding = false;
    };
    Usage CurrentUsage();

private:
    // Everything below runs with the client library's loop locked.
    void Connect();
    void Disconnect();
    // Looks for the server again when the pace says, if a sound is wanted.
    void ReconnectSoon();
    bool Connecting() const;
    void OnContextState();
    void OnServerInfo(const pa_server_info* info);
    void OpenStream();
    void CloseStream();
    void DropSound();
    void OnStreamState(pa_stream* stream);
    void Feed();
    void OnData(const SoundStream* sound);
    void ConnectAndWait(std::uint64_t usec);
    void EndWaiting();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_time_event* m_reconnect = nullptr;
    ReconnectPace m_pace;
    bool m_autospawn = true; // only the first connection may start a server
    std::optional<SoundFormat> m_format;
    pa_stream* m_stream = nullptr;
    std::shared_ptr<SoundStream> m_sound; // the sound being fed, if any
    std::uint32_t m_targetLength = 0;
    bool m_waiting = false; // for a connection
};
