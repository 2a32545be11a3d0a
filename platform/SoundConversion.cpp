#include "platform/SoundConversion.h"

#include "platform/WavDecoder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

void Encode(char*& out, float sample, QAudioFormat::SampleFormat sampleFormat)
{
    const double value = std::clamp(static_cast<double>(sample), -1.0, 1.0);
    switch (sampleFormat) {
    case QAudioFormat::UInt8:
        Store(out, static_cast<std::uint8_t>(std::lround(value * 127.0) + 128));
        break;
    case QAudioFormat::Int16:
        Store(out, static_cast<std::int16_t>(std::lround(value * 32767.0)));
        break;
    case QAudioFormat::Int32:
        Store(out, static_cast<std::int32_t>(std::llround(value * 2147483647.0)));
        break;
    case QAudioFormat::Float:
        Store(out, static_cast<float>(value));
        break;
    default:
        break;
    }
}

} // namespace

QByteArray ConvertForDevice(const DecodedSound& sound, const QAudioFormat& format)
{
    const std::int64_t inFrames = sound.Frames();
    if (!format.isValid() || inFrames == 0 || sound.sampleRate < 1)
        return {};

    const std::int64_t fromRate = sound.sampleRate;
    const std::int64_t toRate = format.sampleRate();
    const std::int64_t outFrames = std::max<std::int64_t>(1, inFrames * toRate / fromRate);
    const int outChannels = format.channelCount();
    const ChannelMapper mapper(sound.channels, outChannels);

    QByteArray bytes(outFrames * format.bytesPerFrame(), Qt::Uninitialized);
    char* out = bytes.data();
    for (std::int64_t frame = 0; frame < outFrames; ++frame) {
        // Source position of this output frame: a whole frame plus a fraction.
        const std::int64_t position = frame * fromRate;
        const std::int64_t before = position / toRate;
        const std::int64_t after = std::min(before + 1, inFrames - 1);
        const float fraction = static_cast<float>(position % toRate) / static_cast<float>(toRate);
        const float* first = sound.samples.data() + before * sound.channels;
        const float* second = sound.samples.data() + after * sound.channels;
        for (int channel = 0; channel < outChannels; ++channel) {
            const float a = mapper.Sample(first, channel);
            const float b = mapper.Sample(second, channel);
            Encode(out, a + (b - a) * fraction, format.sampleFormat());
        }
    }
    return bytes;
}
