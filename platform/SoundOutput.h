#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <optional>

// Where the sound player sends its sounds: the sound device, or a stand-in.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // The format sounds must be converted to; none when there is no device.
    virtual std::optional<QAudioFormat> Format() = 0;
    // Plays bytes of that format, cutting off the sound still playing.
    virtual void Play(const QByteArray& sound) = 0;
    virtual void Stop() = 0;
    // The desktop's default beep, for a sound that cannot be played.
    virtual void Beep() = 0;
};
