#pragma once

#include "platform/SoundOutput.h"

#include <QAudioDevice>
#include <QBuffer>
#include <memory>

class QAudioSink;

// Plays through one QAudioSink on the default output device, following the
// default device when it changes.
class AudioSinkOutput final : public SoundOutput
{
public:
    AudioSinkOutput();
    ~AudioSinkOutput() override;

    std::optional<QAudioFormat> Format() override;
    void Play(const QByteArray& sound) override;
    void Stop() override;
    void Beep() override;

private:
    QAudioDevice m_device;
    QAudioFormat m_format;
    QBuffer m_source;
    std::unique_ptr<QAudioSink> m_sink; // reads m_source, so declared after it
};
