#include "platform/SoundConversion.h"
#include "platform/WavDecoder.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

QAudioFormat Format(int rate, int channels, QAudioFormat::SampleFormat sampleFormat)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

template <typename T> std::vector<T> Samples(const QByteArray& bytes)
{
    std::vector<T> samples(bytes.size() / sizeof(T));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(T));
    return samples;
}

// Converts to float at the given rate and channel count and reads the result.
std::vector<float> Convert(const DecodedSound& sound, int rate, int channels)
{
    return Samples<float>(ConvertForDevice(sound, Format(rate, channels, QAudioFormat::Float)));
}

void ExpectSamples(const std::vector<float>& actual, const std::vector<float>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index)
        EXPECT_NEAR(actual[index], expected[index], 1e-6) << "sample " << index;
}

TEST(SoundConversion, EncodesEachSampleFormatWithClipping)
{
    const DecodedSound sound{8000, 1, {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 1.5f, -1.5f}};
    EXPECT_EQ(Samples<std::uint8_t>(ConvertForDevice(sound, Format(8000, 1, QAudioFormat::UInt8))),
              (std::vector<std::uint8_t>{128, 192, 64, 255, 1, 255, 1}));
    EXPECT_EQ(Samples<std::int16_t>(ConvertForDevice(sound, Format(8000, 1, QAudioFormat::Int16))),
              (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32767, 32767, -32767}));
    EXPECT_EQ(Samples<std::int32_t>(ConvertForDevice(sound, Format(8000, 1, QAudioFormat::Int32))),
              (std::vector<std::int32_t>{0, 1073741824, -1073741824, 2147483647, -2147483647,
                                         2147483647, -2147483647}));
    ExpectSamples(Convert(sound, 8000, 1), {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 1.0f, -1.0f});
}

TEST(SoundConversion, MapsChannelsOntoTheDevice)
{
    const DecodedSound mono{8000, 1, {0.3f, -0.1f}};
    ExpectSamples(Convert(mono, 8000, 2), {0.3f, 0.3f, -0.1f, -0.1f});
    ExpectSamples(Convert(mono, 8000, 4), {0.3f, 0.3f, 0, 0, -0.1f, -0.1f, 0, 0});

    const DecodedSound stereo{8000, 2, {0.2f, 0.6f}};
    ExpectSamples(Convert(stereo, 8000, 1), {0.4f});
    ExpectSamples(Convert(stereo, 8000, 2), {0.2f, 0.6f});
    ExpectSamples(Convert(stereo, 8000, 3), {0.2f, 0.6f, 0});

    const DecodedSound surround{8000, 6, {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f}};
    ExpectSamples(Convert(surround, 8000, 2), {0.3f, 0.4f});
    ExpectSamples(Convert(surround, 8000, 4), {0.3f, 0.4f, 0.3f, 0.4f});
}

TEST(SoundConversion, ResamplesLinearly)
{
    const DecodedSound ramp{1000, 1, {0.0f, 0.1f, 0.2f, 0.3f}};
    ExpectSamples(Convert(ramp, 2000, 1), {0, 0.05f, 0.1f, 0.15f, 0.2f, 0.25f, 0.3f, 0.3f});
    ExpectSamples(Convert(ramp, 1500, 1), {0, 0.2f / 3, 0.4f / 3, 0.2f, 0.8f / 3, 0.3f});
    ExpectSamples(Convert(ramp, 500, 1), {0, 0.2f});
    ExpectSamples(Convert(ramp, 100, 1), {0});

    // Channels stay apart while resampling.
    const DecodedSound stereo{1000, 2, {0.0f, 1.0f, 0.2f, 0.0f}};
    ExpectSamples(Convert(stereo, 2000, 2), {0, 1.0f, 0.1f, 0.5f, 0.2f, 0, 0.2f, 0});
}

TEST(SoundConversion, GivesNothingForAnUnplayableFormat)
{
    const DecodedSound sound{8000, 1, {0.5f}};
    EXPECT_TRUE(ConvertForDevice(sound, QAudioFormat()).isEmpty());
    EXPECT_TRUE(ConvertForDevice(sound, Format(8000, 0, QAudioFormat::Int16)).isEmpty());
    EXPECT_TRUE(ConvertForDevice(DecodedSound{8000, 1, {}}, Format(8000, 1, QAudioFormat::Int16))
                    .isEmpty());
}

} // namespace
