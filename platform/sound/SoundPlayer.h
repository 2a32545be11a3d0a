// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WorkerPool.h"
#include "platform/sound/SoundCache.h"
#include "platform/sound/SoundOutput.h"

#include <QObject>
#include <memory>
#include <stop_token>
#include <string>

// Plays WAV files on an output without holding up the calling (GUI) thread:
// a file is decoded and converted on a worker thread in pieces, each handed to
// the output as it is ready, so a long sound starts as soon as a short one.
// A newer request cuts off the sound playing and stops its decoding. Sounds of
// up to a few seconds are kept in a cache, so a sound played again starts
// without decoding. A file that cannot be played gives a beep of ours.
//
// Threads: the player is used on the thread that made it (the GUI thread),
// which alone touches its members. The decoder runs on m_decoders' thread with
// copies of the path, format, beep and stop token; it hands a sound to keep to
// the player's thread by a queued call, and through the stream it fills it
// calls the output's data listener on its own thread (see SoundStream). So the
// output must outlive every decoder: the destructor stops and joins them
// before any member goes, and m_output, declared first, goes last.
class SoundPlayer : public QObject
{
public:
    static constexpr qsizetype kCacheBytes = 64 * 1024 * 1024;
    // Seconds of decoded audio a stream holds ahead of the output at most;
    // sounds no longer than that are kept in the cache.
    static constexpr int kHeldSeconds = 5;

    explicit SoundPlayer(std::unique_ptr<SoundOutput> output, qsizetype cacheBytes = kCacheBytes);
    ~SoundPlayer() override;

    // Plays the file, cutting off the sound still playing. Without a device
    // nothing happens.
    void Play(const std::string& path);
    // Stops the sound playing and its decoding.
    void Stop();
    // Waits until the decodes under way are done and their results handled.
    void FinishDecodes();

private:
    // Follows the output's format; false while there is no output.
    bool FollowFormat();
    void SupersedePending();
    void KeepDecoded(const std::string& key, const SoundFormat& format, const QByteArray& sound);

    // First, so that it is destroyed last: the decoders call into it until joined.
    std::unique_ptr<SoundOutput> m_output;
    SoundCache m_cache;
    SoundFormat m_format; // the format of the cached sounds and the beep
    QByteArray m_beep;
    std::stop_source m_pending;
    // One decoder at a time: a superseded decode stops at its next piece.
    WorkerPool m_decoders{1};
};
