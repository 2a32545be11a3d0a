#pragma once

#include "platform/SoundCache.h"
#include "platform/SoundOutput.h"

#include <QObject>
#include <QThreadPool>
#include <memory>
#include <stop_token>
#include <string>

// Plays WAV files on an output without holding up the calling (GUI) thread:
// files are decoded and converted on a worker thread, and the result is played
// back on the calling thread. A newer request supersedes one still decoding.
// Converted sounds are kept in a cache, so a sound played again starts at once.
class SoundPlayer : public QObject
{
public:
    static constexpr qsizetype kCacheBytes = 64 * 1024 * 1024;

    explicit SoundPlayer(std::unique_ptr<SoundOutput> output, qsizetype cacheBytes = kCacheBytes);
    ~SoundPlayer() override;

    // Plays the file, cutting off the sound still playing; a file that cannot
    // be played beeps. Without a device nothing happens.
    void Play(const std::string& path);
    // Stops the sound playing and drops a request still decoding.
    void Stop();
    // Waits until the decodes under way are done and their results handled.
    void FinishDecodes();

private:
    void SupersedePending();
    void OnDecoded(std::stop_token superseded, const std::string& key, const QAudioFormat& format,
                   const QByteArray& sound);

    std::unique_ptr<SoundOutput> m_output;
    SoundCache m_cache;
    QAudioFormat m_format; // the format of the cached sounds
    std::stop_source m_pending;
    QThreadPool m_decoders;
};
