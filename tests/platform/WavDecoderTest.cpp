#include "platform/WavDecoder.h"
#include "tests/platform/TestWavFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>

namespace {

struct Encoding
{
    const char* name;
    int format;
    float tolerance;
    std::int64_t extraFrames; // ADPCM pads the last block
};

class WavEncodings : public ::testing::TestWithParam<Encoding>
{
protected:
    QTemporaryDir dir;
    std::string Path(const char* name) const { return (dir.path() + '/' + name).toStdString(); }
};

// Compares decoded frames with the test sound, after ADPCM has adapted.
void ExpectSine(const DecodedSound& sound, std::int64_t frames, float tolerance)
{
    for (std::int64_t frame = 200; frame < frames; ++frame) {
        for (int channel = 0; channel < sound.channels; ++channel) {
            ASSERT_NEAR(sound.samples[frame * sound.channels + channel],
                        SineSample(frame, channel, sound.sampleRate), tolerance)
                << "frame " << frame << " channel " << channel;
        }
    }
}

TEST_P(WavEncodings, DecodesTheWrittenSine)
{
    const std::string path = Path("sine.wav");
    ASSERT_TRUE(WriteSineWav(path, GetParam().format, 11025, 2, 3000));

    const auto sound = DecodeWav(path);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->sampleRate, 11025);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_GE(sound->Frames(), 3000);
    EXPECT_LE(sound->Frames(), 3000 + GetParam().extraFrames);
    ExpectSine(*sound, 3000, GetParam().tolerance);
}

// libsndfile writes no ADPCM into the extensible container.
INSTANTIATE_TEST_SUITE_P(
    AllWriters, WavEncodings,
    ::testing::Values(Encoding{"WavU8", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 0.01f, 0},
                      Encoding{"Wav16", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1e-4f, 0},
                      Encoding{"Wav24", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 1e-6f, 0},
                      Encoding{"Wav32", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 1e-6f, 0},
                      Encoding{"WavFloat", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1e-6f, 0},
                      Encoding{"WavUlaw", SF_FORMAT_WAV | SF_FORMAT_ULAW, 0.02f, 0},
                      Encoding{"WavAlaw", SF_FORMAT_WAV | SF_FORMAT_ALAW, 0.02f, 0},
                      Encoding{"WavImaAdpcm", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 0.03f, 1024},
                      Encoding{"WavMsAdpcm", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 0.03f, 1024},
                      Encoding{"ExU8", SF_FORMAT_WAVEX | SF_FORMAT_PCM_U8, 0.01f, 0},
                      Encoding{"Ex16", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 1e-4f, 0},
                      Encoding{"Ex24", SF_FORMAT_WAVEX | SF_FORMAT_PCM_24, 1e-6f, 0},
                      Encoding{"Ex32", SF_FORMAT_WAVEX | SF_FORMAT_PCM_32, 1e-6f, 0},
                      Encoding{"ExFloat", SF_FORMAT_WAVEX | SF_FORMAT_FLOAT, 1e-6f, 0},
                      Encoding{"ExUlaw", SF_FORMAT_WAVEX | SF_FORMAT_ULAW, 0.02f, 0},
                      Encoding{"ExAlaw", SF_FORMAT_WAVEX | SF_FORMAT_ALAW, 0.02f, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class WavDecoder : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    std::string Path(const char* name) const { return (dir.path() + '/' + name).toStdString(); }
};

// A 16-bit mono ramp, wrapping around, and its data chunk bytes.
std::int16_t RampSample(std::int64_t frame)
{
    return static_cast<std::int16_t>(frame * 300);
}

std::string RampBytes(int frames)
{
    std::string bytes;
    for (int frame = 0; frame < frames; ++frame)
        bytes += LittleEndian(static_cast<std::uint16_t>(RampSample(frame)), 2);
    return bytes;
}

void ExpectRamp(const DecodedSound& sound, std::int64_t frames)
{
    ASSERT_EQ(sound.Frames(), frames);
    for (std::int64_t frame = 0; frame < frames; ++frame)
        ASSERT_FLOAT_EQ(sound.samples[frame], RampSample(frame) / 32768.0f);
}

TEST_F(WavDecoder, SkipsOddSizedChunksByTheirPadByte)
{
    const std::string before = WaveFile(Pcm16FormatChunk(8000, 1) + RiffChunk("abcd", "xyz") +
                                        RiffChunk("data", RampBytes(100)));
    WriteBytes(Path("odd.wav"), before);
    const auto sound = DecodeWav(Path("odd.wav"));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->sampleRate, 8000);
    ExpectRamp(*sound, 100);

    // An 8-bit data chunk of odd size, padded, with a chunk after it.
    std::string u8Format = LittleEndian(1, 2) + LittleEndian(1, 2) + LittleEndian(8000, 4) +
                           LittleEndian(8000, 4) + LittleEndian(1, 2) + LittleEndian(8, 2);
    const std::string after =
        WaveFile(RiffChunk("fmt ", u8Format) + RiffChunk("data", std::string(101, '\x80')) +
                 RiffChunk("LIST", "INFOabcd"));
    WriteBytes(Path("odd8.wav"), after);
    const auto silence = DecodeWav(Path("odd8.wav"));
    ASSERT_TRUE(silence.has_value());
    EXPECT_EQ(silence->Frames(), 101);
    for (const float sample : silence->samples)
        ASSERT_EQ(sample, 0.0f);
}

TEST_F(WavDecoder, KeepsWhatATruncatedOrOverlongFileHolds)
{
    const std::string header = Pcm16FormatChunk(8000, 1) + "data" + LittleEndian(2000, 4);
    const std::string full = WaveFile(header + RampBytes(1000));
    WriteBytes(Path("cut.wav"), full.substr(0, 12 + header.size() + 600));
    const auto cut = DecodeWav(Path("cut.wav"));
    ASSERT_TRUE(cut.has_value());
    ExpectRamp(*cut, 300);

    // A data chunk claiming about two gigabytes holds 100 frames.
    WriteBytes(Path("long.wav"), WaveFile(Pcm16FormatChunk(8000, 1) + "data" +
                                          LittleEndian(0x7FFFFFF0, 4) + RampBytes(100)));
    const auto claimed = DecodeWav(Path("long.wav"));
    ASSERT_TRUE(claimed.has_value());
    ExpectRamp(*claimed, 100);
}

TEST_F(WavDecoder, FailsOnFilesThatAreNotPlayableWav)
{
    ASSERT_TRUE(WriteSineWav(Path("good.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 100));
    WriteBytes(Path("header.wav"), ReadBytes(Path("good.wav")).substr(0, 30));
    WriteBytes(Path("text.wav"), "This is not a sound, only words in a file.\n");
    WriteBytes(Path("empty.wav"), "");
    WriteBytes(Path("nodata.wav"), WaveFile(Pcm16FormatChunk(8000, 1) + RiffChunk("data", "")));
    ASSERT_TRUE(WriteSineWav(Path("aiff.wav"), SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 8000, 1, 100));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.wav"));
    ASSERT_EQ(mkfifo(Path("fifo.wav").c_str(), 0600), 0); // would block a reader

    for (const char* name : {"header.wav", "text.wav", "empty.wav", "nodata.wav", "aiff.wav",
                             "folder.wav", "fifo.wav", "missing.wav"})
        EXPECT_FALSE(DecodeWav(Path(name)).has_value()) << name;
}

TEST_F(WavDecoder, StopsAtTheLimitsAndOnRequest)
{
    ASSERT_TRUE(WriteSineWav(Path("mono.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1000, 1, 3500));
    ASSERT_TRUE(WriteSineWav(Path("stereo.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1000, 2, 3500));

    EXPECT_EQ(DecodeWav(Path("mono.wav"), {}, {.maxSeconds = 2})->Frames(), 2000);
    const auto bySamples = DecodeWav(Path("stereo.wav"), {}, {.maxSamples = 1001});
    EXPECT_EQ(bySamples->Frames(), 500);
    ExpectSine(*bySamples, 500, 1e-4f);

    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(DecodeWav(Path("mono.wav"), stop.get_token()).has_value());
}

} // namespace
