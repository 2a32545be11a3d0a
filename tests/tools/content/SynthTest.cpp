// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/Synth.h"
#include "tests/support/TempLibrary.h"
#include "tools/content/WavFile.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The period with the strongest self-similarity between 50 and 2000 Hz,
// as a frequency: a pitch estimate independent of the synthesis.
double EstimatePitch(const Samples& sound, std::size_t from, std::size_t length)
{
    std::size_t bestLag = 0;
    double best = -1.0;
    for (std::size_t lag = kSampleRate / 2000; lag <= kSampleRate / 50; ++lag) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + length; ++i) {
            sum += static_cast<double>(sound[i]) * sound[i + lag];
        }
        if (sum > best) {
            best = sum;
            bestLag = lag;
        }
    }
    return static_cast<double>(kSampleRate) / static_cast<double>(bestLag);
}

double Rms(const Samples& sound, std::size_t from, std::size_t length)
{
    double sum = 0.0;
    for (std::size_t i = from; i < from + length; ++i) {
        sum += static_cast<double>(sound[i]) * sound[i];
    }
    return std::sqrt(sum / static_cast<double>(length));
}

TEST(SynthTest, NotesSoundAtTheirPitchAndDieAway)
{
    EXPECT_DOUBLE_EQ(NoteFrequency(69), 440.0);
    EXPECT_NEAR(NoteFrequency(72), 523.25, 0.01);
    const std::size_t window = kSampleRate / 10;
    for (const double frequency : {NoteFrequency(60), NoteFrequency(69)}) {
        SCOPED_TRACE(frequency);
        const Samples marimba = StruckNote(MarimbaTimbre(), frequency, 1.0);
        ASSERT_EQ(marimba.size(), static_cast<std::size_t>(kSampleRate));
        EXPECT_NEAR(EstimatePitch(marimba, window, window), frequency, frequency * 0.02);
        EXPECT_LT(Rms(marimba, marimba.size() - 2 * window, window), Rms(marimba, 0, window) / 4);
        EXPECT_FLOAT_EQ(marimba.front(), 0.0f) << "a click at the start";
        EXPECT_FLOAT_EQ(marimba.back(), 0.0f) << "a click at the end";

        const Samples harp = PluckedString(frequency, 1.0);
        EXPECT_NEAR(EstimatePitch(harp, window, window), frequency, frequency * 0.02);
        EXPECT_NEAR(std::accumulate(harp.begin(), harp.end(), 0.0) / harp.size(), 0.0, 0.01)
            << "the string is off centre";
        EXPECT_FLOAT_EQ(harp.front(), 0.0f);
    }
}

TEST(SynthTest, ShapedToneFollowsItsCurves)
{
    const double harmonics[] = {1.0};
    const Samples glide = ShapedTone(
        1.0, [](double t) { return 200.0 + 400.0 * t; }, [](double) { return 0.5; }, harmonics);
    const std::size_t window = kSampleRate / 20;
    EXPECT_NEAR(EstimatePitch(glide, 0, window), 205.0, 10.0);
    EXPECT_NEAR(EstimatePitch(glide, glide.size() - 2 * window, window), 575.0, 25.0);
    EXPECT_NEAR(Rms(glide, window, window), 0.5 / std::sqrt(2.0), 0.02);
}

TEST(SynthTest, MixingNormalisingAndTrimming)
{
    Samples target(10, 0.25f);
    MixInto(target, Samples(10, 1.0f), 5.0 / kSampleRate, 0.5f);
    ASSERT_EQ(target.size(), 15u);
    EXPECT_FLOAT_EQ(target[4], 0.25f);
    EXPECT_FLOAT_EQ(target[5], 0.75f);
    EXPECT_FLOAT_EQ(target[14], 0.5f);

    Samples loud{0.1f, -0.4f, 0.2f};
    NormalisePeak(loud, 0.8f);
    EXPECT_FLOAT_EQ(loud[1], -0.8f);
    EXPECT_FLOAT_EQ(loud[0], 0.2f);
    Samples silent(5, 0.0f);
    NormalisePeak(silent, 0.8f);
    EXPECT_EQ(silent, Samples(5, 0.0f));

    const std::size_t margin = kSampleRate / 100;
    Samples padded(kSampleRate, 0.001f);
    std::fill(padded.begin() + 1000, padded.begin() + 2000, 0.5f);
    TrimSilence(padded, 0.01f);
    EXPECT_EQ(padded.size(), 1000 + 2 * margin);
    EXPECT_FLOAT_EQ(padded[margin], 0.5f);
    Samples quiet(1000, 0.001f);
    TrimSilence(quiet, 0.01f);
    EXPECT_TRUE(quiet.empty());
}

TEST(WavFileTest, WritesSixteenBitMonoAndClipsWithoutWrapping)
{
    const TempLibrary dir;
    const std::string path = dir.PathOf("clip.wav");
    ASSERT_TRUE(WriteWav(path, {0.0f, 2.0f, -2.0f, 0.5f}));
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    short values[4] = {};
    EXPECT_EQ(sf_read_short(file, values, 4), 4);
    sf_close(file);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.samplerate, kSampleRate);
    EXPECT_GT(values[1], 32000);
    EXPECT_LT(values[2], -32000);
    EXPECT_NEAR(values[3], 16384, 2);

    EXPECT_FALSE(WriteWav(dir.PathOf("missing-folder/x.wav"), {0.0f}));
}

TEST(WavFileTest, ReadsBackMixedDownAndRefusesDamagedFiles)
{
    const TempLibrary dir;
    const std::string path = dir.PathOf("stereo.wav");
    SF_INFO info{0, 44100, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    const short frames[] = {16384, 0, 0, -16384, 8192, 8192};
    sf_writef_short(file, frames, 3);
    sf_close(file);

    const auto audio = ReadWav(path);
    ASSERT_TRUE(audio.has_value());
    EXPECT_EQ(audio->sampleRate, 44100);
    ASSERT_EQ(audio->samples.size(), 3u);
    EXPECT_NEAR(audio->samples[0], 0.25f, 1e-4);
    EXPECT_NEAR(audio->samples[1], -0.25f, 1e-4);
    EXPECT_NEAR(audio->samples[2], 0.25f, 1e-4);

    EXPECT_FALSE(ReadWav(dir.WriteFile("text.wav", "RIFF, but not really")).has_value());
    EXPECT_FALSE(ReadWav(dir.PathOf("absent.wav")).has_value());
    // A header claiming far more data than the file holds reads what is there.
    std::string bytes = dir.ReadFile("stereo.wav");
    bytes.replace(bytes.size() - 12 - 4, 4, std::string("\xF0\xFF\xFF\x7F", 4));
    const auto truncated = ReadWav(dir.WriteFile("claims-more.wav", bytes));
    if (truncated) {
        EXPECT_LE(truncated->samples.size(), 3u);
    }
}

} // namespace
