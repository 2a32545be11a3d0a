// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundPlayer.h"

#include "platform/Log.h"
#include "platform/files/FileFacts.h"
#include "platform/sound/BeepSound.h"
#include "platform/sound/SoundConversion.h"
#include "platform/sound/SoundStream.h"
#include "platform/sound/WavReader.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

namespace {

// Samples decoded per piece: small enough that the first piece is ready at
// once and a stop is seen soon, whatever the channel count.
constexpr std::int64_t kSamplesPerPiece = 8192;

qsizetype BytesPerSecond(const SoundFormat& format)
{
    return static_cast<qsizetype>(format.sampleRate) * format.BytesPerFrame();
}

// A cached sound is reused only while its file is the same: a sound that a
// parent replaced or deleted since is decoded (or beeps) anew.
std::string CacheKeyOf(const std::string& path)
{
    return path + '\0' + FileVersionOf(path);
}

// Decodes the file into the stream piece by piece, or puts the beep there
// when the file holds no sound. Returns the whole converted sound when it is
// no longer than cacheBytes and was decoded to its end; empty otherwise.
QByteArray DecodeInto(SoundStream& stream, const std::string& path, const SoundFormat& format,
                      const QByteArray& beep, qsizetype cacheBytes, std::stop_token stop)
{
    std::optional<WavReader> reader = WavReader::Open(path);
    QByteArray whole;
    bool wholeKept = true;
    std::int64_t frames = 0;
    if (reader) {
        SoundConverter converter(format);
        const std::int64_t framesPerPiece =
            std::max<std::int64_t>(1, kSamplesPerPiece / reader->Channels());
        for (bool last = false; !last;) {
            if (stop.stop_requested())
                return {};
            const DecodedSound piece = reader->Read(framesPerPiece);
            last = piece.Frames() < framesPerPiece;
            frames += piece.Frames();
            if (frames == 0)
                break;
            const QByteArray bytes = converter.Convert(piece, last);
            wholeKept = wholeKept && whole.size() + bytes.size() <= cacheBytes;
            if (wholeKept)
                whole += bytes;
            else
                whole.clear();
            if (!stream.Append(bytes, stop))
                return {};
        }
    }
    if (frames == 0) {
        qCInfo(lcSound,
               reader ? "%s holds no sound; the beep stands in"
                      : "cannot open %s as a sound; the beep stands in",
               path.c_str());
        stream.Append(beep, stop);
        stream.Finish();
        return {};
    }
    stream.Finish();
    return wholeKept ? whole : QByteArray();
}

} // namespace

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output, qsizetype cacheBytes)
    : m_output(std::move(output)), m_cache(cacheBytes)
{
}

SoundPlayer::~SoundPlayer()
{
    m_pending.request_stop();
    m_decoders.WaitForDone();
}

void SoundPlayer::Play(const std::string& path)
{
    SupersedePending();
    if (!FollowFormat())
        return;
    const std::string key = CacheKeyOf(path);
    if (const std::optional<QByteArray> cached = m_cache.Find(key)) {
        m_output->Play(SoundStream::Whole(*cached));
        return;
    }
    // The output starts its stream while the first piece is decoded.
    const qsizetype bytesPerSecond = BytesPerSecond(m_format);
    auto stream = std::make_shared<SoundStream>(kHeldSeconds * bytesPerSecond);
    m_output->Play(stream);
    const qsizetype cacheBytes = std::min(m_cache.Capacity(), kHeldSeconds * bytesPerSecond);
    m_decoders.Start([this, path, key, stream, cacheBytes, format = m_format, beep = m_beep,
                      stop = m_pending.get_token()] {
        const QByteArray whole = DecodeInto(*stream, path, format, beep, cacheBytes, stop);
        if (!whole.isEmpty()) {
            QMetaObject::invokeMethod(
                this, [=, this] { KeepDecoded(key, format, whole); }, Qt::QueuedConnection);
        }
    });
}

void SoundPlayer::Stop()
{
    SupersedePending();
    m_output->Stop();
}

void SoundPlayer::FinishDecodes()
{
    m_decoders.WaitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

bool SoundPlayer::FollowFormat()
{
    const std::optional<SoundFormat> format = m_output->Format();
    if (!format) {
        qCInfo(lcSound, "no sound output; nothing is played");
        return false;
    }
    if (*format != m_format) {
        m_cache.Clear();
        m_format = *format;
        m_beep = ConvertForDevice(BeepSound(), m_format);
    }
    return true;
}

void SoundPlayer::SupersedePending()
{
    m_pending.request_stop();
    m_pending = std::stop_source();
}

void SoundPlayer::KeepDecoded(const std::string& key, const SoundFormat& format,
                              const QByteArray& sound)
{
    if (format == m_format)
        m_cache.Insert(key, sound);
}
