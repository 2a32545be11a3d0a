#include "platform/SoundPlayer.h"
#include "tests/platform/TestWavFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

namespace {

// An output that notes what the player asks of it.
struct LoggingOutput final : SoundOutput
{
    std::optional<QAudioFormat> Format() override { return format; }
    void Play(const QByteArray& sound) override { played.push_back(sound); }
    void Stop() override {}
    void Beep() override { ++beeps; }

    std::optional<QAudioFormat> format;
    std::vector<QByteArray> played;
    int beeps = 0;
};

QAudioFormat StereoInt16(int rate)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

class SoundPlayerTest : public ::testing::Test
{
protected:
    SoundPlayerTest()
    {
        log.format = StereoInt16(16000);
        WriteSineWav(Path("sound.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 800);
        WriteBytes(Path("text.wav"), "no sound here");
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
    std::unique_ptr<LoggingOutput> output = std::make_unique<LoggingOutput>();
    LoggingOutput& log = *output;
    SoundPlayer player{std::move(output)};
};

// 800 frames at 8000 Hz become 1600 at 16000 Hz, of two 16-bit samples.
constexpr qsizetype kSoundBytes = 1600 * 4;

TEST_F(SoundPlayerTest, PlaysTheNewestRequestOnceDecodedOrBeeps)
{
    player.Play(Path("missing.wav"));
    player.Play(Path("sound.wav"));
    EXPECT_TRUE(log.played.empty()); // the worker decodes
    player.FinishDecodes();
    ASSERT_EQ(log.played.size(), 1u);
    EXPECT_EQ(log.played[0].size(), kSoundBytes);
    EXPECT_EQ(log.beeps, 0);

    player.Play(Path("text.wav"));
    player.Stop();
    player.FinishDecodes();
    EXPECT_EQ(log.beeps, 0);
    player.Play(Path("text.wav"));
    player.FinishDecodes();
    EXPECT_EQ(log.beeps, 1);
    EXPECT_EQ(log.played.size(), 1u);
}

TEST_F(SoundPlayerTest, ReplaysFromTheCacheUntilTheDeviceFormatChanges)
{
    player.Play(Path("sound.wav"));
    player.FinishDecodes();
    player.Play(Path("sound.wav")); // at once, without decoding again
    ASSERT_EQ(log.played.size(), 2u);
    EXPECT_EQ(log.played[1], log.played[0]);

    log.format = StereoInt16(32000);
    player.Play(Path("sound.wav"));
    EXPECT_EQ(log.played.size(), 2u); // decoded anew for the new format
    player.FinishDecodes();
    ASSERT_EQ(log.played.size(), 3u);
    EXPECT_EQ(log.played[2].size(), kSoundBytes * 2);
}

TEST_F(SoundPlayerTest, StaysSilentWithoutADevice)
{
    log.format.reset();
    player.Play(Path("sound.wav"));
    player.Play(Path("missing.wav"));
    player.FinishDecodes();
    EXPECT_TRUE(log.played.empty());
    EXPECT_EQ(log.beeps, 0);
}

} // namespace

TEST_F(SoundPlayerTest, ASoundReplacedOrDeletedOnDiskIsNotPlayedFromTheCache)
{
    player.Play(Path("sound.wav"));
    player.FinishDecodes();
    ASSERT_EQ(log.played.size(), 1u);

    WriteSineWav(Path("sound.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 400);
    player.Play(Path("sound.wav"));
    player.FinishDecodes();
    ASSERT_EQ(log.played.size(), 2u);
    EXPECT_EQ(log.played[1].size(), kSoundBytes / 2);

    QFile::remove(QString::fromStdString(Path("sound.wav")));
    player.Play(Path("sound.wav"));
    player.FinishDecodes();
    EXPECT_EQ(log.played.size(), 2u);
    EXPECT_EQ(log.beeps, 1);
}
