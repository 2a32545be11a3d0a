// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundConversion.h"

#include "platform/sound/WavReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Mixes the channels of one source frame onto the device's channels. Equal
// counts copy; mono feeds the front pair; fewer source channels fill the first
// device channels and leave the rest silent; more source channels are folded,
// each device channel averaging the source channels with its index modulo the
// device channel count (all of them for a mono device).
class ChannelMapper
{
public:
    ChannelMapper(int from, int to) : m_from(from), m_to(to) {}

    float Sample(const float* frame, int channel) const
    {
        if (m_from == m_to)
            return frame[channel];
        if (m_from == 1)
            return channel < 2 ? frame[0] : 0.0f;
        if (m_from < m_to)
            return channel < m_from ? frame[channel] : 0.0f;
        float sum = 0.0f;
        int count = 0;
        for (int source = channel; source < m_from; source += m_to, ++count)
            sum += frame[source];
        return sum / static_cast<float>(count);
    }

private:
    int m_from;
    int m_to;
};

template <typename T> void Store(char*& out, T value)
{
    std::memcpy(out, &value, sizeof value);
    out += sizeof value;
}

void Encode(char*& out, float sample, SoundFormat::Sample encoding)
{
    const double value = std::clamp(static_cast<double>(sample), -1.0, 1.0);
    switch (encoding) {
    case SoundFormat::Sample::UInt8:
        Store(out, static_cast<std::uint8_t>(std::lround(value * 127.0) + 128));
        break;
    case SoundFormat::Sample::Int16:
        Store(out, static_cast<std::int16_t>(std::lround(value * 32767.0)));
        break;
    case SoundFormat::Sample::Int32:
        Store(out, static_cast<std::int32_t>(std::llround(value * 2147483647.0)));
        break;
    case SoundFormat::Sample::Float:
        Store(out, static_cast<float>(value));
        break;
    }
}

} // namespace

SoundConverter::SoundConverter(const SoundFormat& format)
    : m_format(format), m_valid(format.IsValid())
{
}

QByteArray SoundConverter::Convert(const DecodedSound& piece, bool last)
{
    if (!m_valid || piece.sampleRate < 1 || piece.channels < 1)
        return {};
    if (m_framesIn == 0) {
        m_fromRate = piece.sampleRate;
        m_fromChannels = piece.channels;
    }
    const std::int64_t pieceStart = m_framesIn;
    const std::int64_t framesIn = m_framesIn + piece.Frames();
    if (framesIn == 0)
        return {};

    const std::int64_t fromRate = m_fromRate;
    const std::int64_t toRate = m_format.sampleRate;
    // Output frame j lies at source position j * fromRate / toRate; it needs
    // the source frames on both sides, so the last one waits for the next
    // piece unless this piece is the last.
    const std::int64_t framesOut = last ? std::max<std::int64_t>(1, framesIn * toRate / fromRate)
                                        : ((framesIn - 1) * toRate + fromRate - 1) / fromRate;
    const int outChannels = m_format.channels;
    const ChannelMapper mapper(m_fromChannels, outChannels);
    const auto frameAt = [&](std::int64_t index) {
        return index < pieceStart ? m_lastFrame.data()
                                  : piece.samples.data() + (index - pieceStart) * m_fromChannels;
    };

    QByteArray bytes((framesOut - m_framesOut) * m_format.BytesPerFrame(), Qt::Uninitialized);
    char* out = bytes.data();
    for (std::int64_t frame = m_framesOut; frame < framesOut; ++frame) {
        const std::int64_t position = frame * fromRate;
        const std::int64_t before = position / toRate;
        const std::int64_t after = std::min(before + 1, framesIn - 1);
        const float fraction = static_cast<float>(position % toRate) / static_cast<float>(toRate);
        const float* first = frameAt(before);
        const float* second = frameAt(after);
        for (int channel = 0; channel < outChannels; ++channel) {
            const float a = mapper.Sample(first, channel);
            const float b = mapper.Sample(second, channel);
            Encode(out, a + (b - a) * fraction, m_format.sample);
        }
    }
    m_framesOut = framesOut;
    if (piece.Frames() > 0)
        m_lastFrame.assign(piece.samples.end() - m_fromChannels, piece.samples.end());
    m_framesIn = framesIn;
    return bytes;
}

QByteArray ConvertForDevice(const DecodedSound& sound, const SoundFormat& format)
{
    return SoundConverter(format).Convert(sound, true);
}
