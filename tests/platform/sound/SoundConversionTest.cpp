// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundConversion.h"
#include "platform/sound/WavReader.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Converts for a device of the given format and reads back its samples.
template <typename T>
std::vector<T> Convert(const DecodedSound& sound, int rate, int channels,
                       SoundFormat::Sample encoding = SoundFormat::Sample::Float)
{
    const QByteArray bytes = ConvertForDevice(sound, {rate, channels, encoding});
    std::vector<T> samples(bytes.size() / sizeof(T));
    std::memcpy(samples.data(), bytes.constData(), bytes.size());
    return samples;
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
    EXPECT_EQ(Convert<std::uint8_t>(sound, 8000, 1, SoundFormat::Sample::UInt8),
              (std::vector<std::uint8_t>{128, 192, 64, 255, 1, 255, 1}));
    EXPECT_EQ(Convert<std::int16_t>(sound, 8000, 1, SoundFormat::Sample::Int16),
              (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32767, 32767, -32767}));
    EXPECT_EQ(Convert<std::int32_t>(sound, 8000, 1, SoundFormat::Sample::Int32),
              (std::vector<std::int32_t>{0, 1 << 30, -(1 << 30), 0x7FFFFFFF, -0x7FFFFFFF,
                                         0x7FFFFFFF, -0x7FFFFFFF}));
    ExpectSamples(Convert<float>(sound, 8000, 1), {0, 0.5f, -0.5f, 1, -1, 1, -1});
    EXPECT_TRUE(ConvertForDevice(sound, SoundFormat()).isEmpty());
}

TEST(SoundConversion, MapsChannelsAndResamplesLinearly)
{
    const DecodedSound mono{8000, 1, {0.3f, -0.1f}};
    ExpectSamples(Convert<float>(mono, 8000, 2), {0.3f, 0.3f, -0.1f, -0.1f});
    ExpectSamples(Convert<float>(mono, 8000, 4), {0.3f, 0.3f, 0, 0, -0.1f, -0.1f, 0, 0});
    const DecodedSound stereo{8000, 2, {0.2f, 0.6f}};
    ExpectSamples(Convert<float>(stereo, 8000, 1), {0.4f});
    ExpectSamples(Convert<float>(stereo, 8000, 3), {0.2f, 0.6f, 0});
    const DecodedSound surround{8000, 6, {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f}};
    ExpectSamples(Convert<float>(surround, 8000, 2), {0.3f, 0.4f});
    ExpectSamples(Convert<float>(surround, 8000, 4), {0.3f, 0.4f, 0.3f, 0.4f});

    const DecodedSound ramp{1000, 1, {0.0f, 0.1f, 0.2f, 0.3f}};
    ExpectSamples(Convert<float>(ramp, 2000, 1), {0, 0.05f, 0.1f, 0.15f, 0.2f, 0.25f, 0.3f, 0.3f});
    ExpectSamples(Convert<float>(ramp, 1500, 1), {0, 0.2f / 3, 0.4f / 3, 0.2f, 0.8f / 3, 0.3f});
    ExpectSamples(Convert<float>(ramp, 500, 1), {0, 0.2f});
    ExpectSamples(Convert<float>(ramp, 100, 1), {0});
    const DecodedSound pair{1000, 2, {0.0f, 1.0f, 0.2f, 0.0f}};
    ExpectSamples(Convert<float>(pair, 2000, 2), {0, 1, 0.1f, 0.5f, 0.2f, 0, 0.2f, 0});
}

} // namespace

namespace {

// The same sound converted whole and in pieces of every size gives the same
// bytes: no frame is lost, doubled or interpolated wrongly at a seam.
TEST(SoundConversion, PiecesJoinToTheWholeConversion)
{
    DecodedSound sound{11025, 2, {}};
    for (int frame = 0; frame < 301; ++frame) {
        sound.samples.push_back(static_cast<float>(frame % 17) / 17.0f - 0.5f);
        sound.samples.push_back(static_cast<float>(frame % 5) / -5.0f);
    }
    for (const int rate : {8000, 11025, 44100, 48000}) {
        const SoundFormat format{rate, 2, SoundFormat::Sample::Int16};
        const QByteArray whole = ConvertForDevice(sound, format);
        for (const int piece : {1, 2, 7, 100, 300, 301}) {
            SoundConverter converter(format);
            QByteArray joined;
            for (int start = 0; start < 301; start += piece) {
                const int end = std::min(start + piece, 301);
                const DecodedSound part{
                    sound.sampleRate,
                    2,
                    {sound.samples.begin() + start * 2, sound.samples.begin() + end * 2}};
                joined += converter.Convert(part, false);
            }
            joined += converter.Convert(DecodedSound{sound.sampleRate, 2, {}}, true);
            EXPECT_EQ(joined, whole) << rate << " Hz in pieces of " << piece;
        }
    }
}

} // namespace
