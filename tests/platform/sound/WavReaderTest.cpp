// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/WavReader.h"
#include "tests/platform/sound/TestWavFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>

namespace {

class WavReading : public ::testing::Test
{
protected:
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

// The whole sound of a file, read in pieces of the given size; none when the
// file cannot be opened or holds no frame.
std::optional<DecodedSound> ReadWhole(const std::string& path, std::int64_t framesPerPiece = 4096)
{
    std::optional<WavReader> reader = WavReader::Open(path);
    if (!reader)
        return std::nullopt;
    DecodedSound sound{reader->SampleRate(), reader->Channels(), {}};
    for (;;) {
        const DecodedSound piece = reader->Read(framesPerPiece);
        EXPECT_EQ(piece.sampleRate, sound.sampleRate);
        EXPECT_EQ(piece.channels, sound.channels);
        sound.samples.insert(sound.samples.end(), piece.samples.begin(), piece.samples.end());
        if (piece.Frames() < framesPerPiece)
            break;
    }
    if (sound.Frames() == 0)
        return std::nullopt;
    return sound;
}

// Compares decoded frames with the test sound, from where ADPCM has adapted.
void ExpectSine(const DecodedSound& sound, std::int64_t frames, float tolerance)
{
    for (std::int64_t index = 200 * sound.channels; index < frames * sound.channels; ++index) {
        ASSERT_NEAR(sound.samples[index],
                    SineSample(index / sound.channels, index % sound.channels, sound.sampleRate),
                    tolerance)
            << "sample " << index;
    }
}

TEST_F(WavReading, DecodesEveryEncodingTheWriterOffers)
{
    const std::pair<int, float> encodings[] = {
        {SF_FORMAT_PCM_U8, 0.01f}, {SF_FORMAT_PCM_16, 1e-4f},    {SF_FORMAT_PCM_24, 1e-6f},
        {SF_FORMAT_PCM_32, 1e-6f}, {SF_FORMAT_FLOAT, 1e-6f},     {SF_FORMAT_ULAW, 0.02f},
        {SF_FORMAT_ALAW, 0.02f},   {SF_FORMAT_IMA_ADPCM, 0.03f}, {SF_FORMAT_MS_ADPCM, 0.03f}};
    for (const int container : {SF_FORMAT_WAV, SF_FORMAT_WAVEX}) {
        for (const auto& [encoding, tolerance] : encodings) {
            SCOPED_TRACE(testing::Message() << std::hex << (container | encoding));
            const bool written =
                WriteSineWav(Path("sine.wav"), container | encoding, 11025, 2, 3000);
            // libsndfile writes no ADPCM into the extensible container.
            if (!written && container == SF_FORMAT_WAVEX)
                continue;
            ASSERT_TRUE(written);
            const auto sound = ReadWhole(Path("sine.wav"));
            ASSERT_TRUE(sound.has_value());
            EXPECT_EQ(sound->sampleRate, 11025);
            EXPECT_EQ(sound->channels, 2);
            EXPECT_GE(sound->Frames(), 3000);
            EXPECT_LT(sound->Frames(), 3000 + 1024); // ADPCM fills up its last block
            ExpectSine(*sound, 3000, tolerance);
        }
    }
}

std::string LittleEndian(std::uint32_t value, int bytes)
{
    std::string text;
    for (int index = 0; index < bytes; ++index)
        text += static_cast<char>(value >> (8 * index));
    return text;
}

std::string Chunk(const std::string& id, const std::string& body)
{
    return id + LittleEndian(body.size(), 4) + body + std::string(body.size() % 2, '\0');
}

// A mono 8000 Hz PCM file of the given sample size with the chunks after "fmt ".
std::string Wav(int bits, const std::string& chunks)
{
    const std::string format = LittleEndian(1, 2) + LittleEndian(1, 2) + LittleEndian(8000, 4) +
                               LittleEndian(bits * 1000, 4) + LittleEndian(bits / 8, 2) +
                               LittleEndian(bits, 2);
    const std::string body = "WAVE" + Chunk("fmt ", format) + chunks;
    return "RIFF" + LittleEndian(body.size(), 4) + body;
}

// A 16-bit ramp that wraps around, so negative samples come too.
std::int16_t Ramp(std::int64_t frame)
{
    return static_cast<std::int16_t>(frame * 300);
}

std::string RampData(int frames)
{
    std::string bytes;
    for (int frame = 0; frame < frames; ++frame)
        bytes += LittleEndian(static_cast<std::uint16_t>(Ramp(frame)), 2);
    return bytes;
}

TEST_F(WavReading, ReadsHandMadeFilesAsFarAsTheyHoldSamples)
{
    const struct
    {
        std::string bytes;
        std::int64_t frames;
    } files[] = {
        {Wav(16, Chunk("abcd", "xyz") + Chunk("data", RampData(100))), 100},  // odd chunk first
        {Wav(16, "data" + LittleEndian(2000, 4) + RampData(300)), 300},       // truncated
        {Wav(16, "data" + LittleEndian(0x7FFFFFF0, 4) + RampData(100)), 100}, // claims 2 GB
    };
    for (const auto& file : files) {
        WriteBytes(Path("ramp.wav"), file.bytes);
        const auto sound = ReadWhole(Path("ramp.wav"));
        ASSERT_TRUE(sound.has_value());
        ASSERT_EQ(sound->Frames(), file.frames);
        for (std::int64_t frame = 0; frame < file.frames; ++frame)
            ASSERT_FLOAT_EQ(sound->samples[frame], Ramp(frame) / 32768.0f);
    }

    // An odd-sized 8-bit data chunk, padded, then a chunk that holds no samples.
    WriteBytes(Path("silence.wav"),
               Wav(8, Chunk("data", std::string(101, '\x80')) + Chunk("LIST", "INFOabcd")));
    const auto silence = ReadWhole(Path("silence.wav"));
    ASSERT_TRUE(silence.has_value());
    EXPECT_EQ(std::count(silence->samples.begin(), silence->samples.end(), 0.0f), 101);
}

TEST_F(WavReading, FailsCleanlyOnWhatIsNoPlayableWav)
{
    WriteBytes(Path("header.wav"), Wav(16, Chunk("data", RampData(10))).substr(0, 30));
    WriteBytes(Path("text.wav"), "Only words here.\n");
    WriteBytes(Path("nodata.wav"), Wav(16, Chunk("data", "")));
    ASSERT_TRUE(WriteSineWav(Path("aiff.wav"), SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 8000, 1, 100));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.wav"));
    ASSERT_EQ(mkfifo(Path("fifo.wav").c_str(), 0600), 0); // opening it would block
    for (const char* name :
         {"header.wav", "text.wav", "nodata.wav", "aiff.wav", "folder.wav", "fifo.wav", "none.wav"})
        EXPECT_FALSE(ReadWhole(Path(name)).has_value()) << name;
}

TEST_F(WavReading, ReadsALongFileInPiecesThatJoinToTheWhole)
{
    ASSERT_TRUE(WriteSineWav(Path("long.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1000, 2, 3500));
    std::optional<WavReader> reader = WavReader::Open(Path("long.wav"));
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(reader->Read(1000).Frames(), 1000);
    EXPECT_EQ(reader->Read(2000).Frames(), 2000);
    EXPECT_EQ(reader->Read(1000).Frames(), 500); // the rest
    EXPECT_EQ(reader->Read(1000).Frames(), 0);

    for (const std::int64_t framesPerPiece : {1, 7, 3500, 10000}) {
        const auto sound = ReadWhole(Path("long.wav"), framesPerPiece);
        ASSERT_TRUE(sound.has_value());
        EXPECT_EQ(sound->Frames(), 3500) << framesPerPiece;
        ExpectSine(*sound, 3500, 1e-4f);
    }
}

} // namespace
