#include "platform/SoundPlayer.h"

#include "platform/SoundConversion.h"
#include "platform/WavDecoder.h"

#include <QCoreApplication>
#include <QEvent>

#include <sys/stat.h>

#include <string>

namespace {

QByteArray DecodeForDevice(const std::string& path, const QAudioFormat& format,
                           std::stop_token stop)
{
    const auto decoded = DecodeWav(path, stop);
    return decoded ? ConvertForDevice(*decoded, format) : QByteArray();
}

// A cached sound is reused only while its file is the same: a sound that a
// parent replaced or deleted since is decoded (or beeps) anew.
std::string CacheKeyOf(const std::string& path)
{
    struct stat status = {};
    if (stat(path.c_str(), &status) != 0)
        return path;
    return path + '\0' + std::to_string(status.st_size) + ':' +
           std::to_string(status.st_mtim.tv_sec) + '.' + std::to_string(status.st_mtim.tv_nsec);
}

} // namespace

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output, qsizetype cacheBytes)
    : m_output(std::move(output)), m_cache(cacheBytes)
{
    // One decoder at a time: a superseded decode stops at its next step.
    m_decoders.setMaxThreadCount(1);
}

SoundPlayer::~SoundPlayer()
{
    m_pending.request_stop();
    m_decoders.waitForDone();
}

void SoundPlayer::Play(const std::string& path)
{
    SupersedePending();
    const std::optional<QAudioFormat> format = m_output->Format();
    if (!format)
        return;
    if (*format != m_format) {
        m_cache.Clear();
        m_format = *format;
    }
    const std::string key = CacheKeyOf(path);
    if (const std::optional<QByteArray> cached = m_cache.Find(key)) {
        m_output->Play(*cached);
        return;
    }
    m_output->Stop();
    m_decoders.start([this, path, key, format = m_format, stop = m_pending.get_token()] {
        const QByteArray sound = DecodeForDevice(path, format, stop);
        QMetaObject::invokeMethod(
            this, [=, this] { OnDecoded(stop, key, format, sound); }, Qt::QueuedConnection);
    });
}

void SoundPlayer::Stop()
{
    SupersedePending();
    m_output->Stop();
}

void SoundPlayer::FinishDecodes()
{
    m_decoders.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void SoundPlayer::SupersedePending()
{
    m_pending.request_stop();
    m_pending = std::stop_source();
}

void SoundPlayer::OnDecoded(std::stop_token superseded, const std::string& key,
                            const QAudioFormat& format, const QByteArray& sound)
{
    if (!sound.isEmpty() && format == m_format)
        m_cache.Insert(key, sound);
    if (superseded.stop_requested())
        return;
    if (sound.isEmpty())
        m_output->Beep();
    else
        m_output->Play(sound);
}
