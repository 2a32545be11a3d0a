#include "platform/AudioSinkOutput.h"

#include <QApplication>
#include <QAudioSink>
#include <QMediaDevices>

AudioSinkOutput::AudioSinkOutput() = default;

AudioSinkOutput::~AudioSinkOutput() = default;

std::optional<QAudioFormat> AudioSinkOutput::Format()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device != m_device) {
        Stop();
        m_sink.reset();
        m_device = device;
        m_format = device.isNull() ? QAudioFormat() : device.preferredFormat();
    }
    if (m_device.isNull() || !m_format.isValid())
        return std::nullopt;
    return m_format;
}

void AudioSinkOutput::Play(const QByteArray& sound)
{
    if (m_device.isNull() || !m_format.isValid())
        return;
    if (!m_sink)
        m_sink = std::make_unique<QAudioSink>(m_device, m_format);
    Stop();
    m_source.setData(sound);
    m_source.open(QIODevice::ReadOnly);
    m_sink->start(&m_source);
}

void AudioSinkOutput::Stop()
{
    if (m_sink)
        m_sink->stop();
    m_source.close();
}

void AudioSinkOutput::Beep()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}
