#include "platform/SoundPlayer.h"
#include "tests/platform/TestWavFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

namespace {

// What the player did to its output.
struct OutputLog
{
    std::optional<QAudioFormat> format;
    std::vector<QByteArray> played;
    int stops = 0;
    int beeps = 0;
};

class LoggingOutput final : public SoundOutput
{
public:
    explicit LoggingOutput(OutputLog& log) : m_log(log) {}
    std::optional<QAudioFormat> Format() override { return m_log.format; }
    void Play(const QByteArray& sound) override { m_log.played.push_back(sound); }
    void Stop() override { ++m_log.stops; }
    void Beep() override { ++m_log.beeps; }

private:
    OutputLog& m_log;
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
        WriteSineWav(Path("short.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 800);
        WriteSineWav(Path("long.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 4000);
        WriteBytes(Path("text.wav"), "no sound here");
    }
    std::string Path(const char* name) const { return (dir.path() + '/' + name).toStdString(); }

    QTemporaryDir dir;
    OutputLog log;
    SoundPlayer player{std::make_unique<LoggingOutput>(log), 60000};
};

// 800 frames at 8000 Hz make 1600 frames at 16000 Hz, four bytes each.
constexpr qsizetype kShortBytes = 1600 * 4;

TEST_F(SoundPlayerTest, PlaysInTheDeviceFormatOnceDecoded)
{
    player.Play(Path("short.wav"));
    EXPECT_TRUE(log.played.empty()); // the decode runs on the worker
    player.FinishDecodes();
    ASSERT_EQ(log.played.size(), 1u);
    EXPECT_EQ(log.played[0].size(), kShortBytes);
    EXPECT_EQ(log.beeps, 0);
}

TEST_F(SoundPlayerTest, BeepsForWhatCannotBePlayed)
{
    for (const char* name : {"missing.wav", "text.wav"}) {
        player.Play(Path(name));
        player.FinishDecodes();
    }
    EXPECT_EQ(log.beeps, 2);
    EXPECT_TRUE(log.played.empty());
}

TEST_F(SoundPlayerTest, NewerRequestsAndStopSupersedeDecodes)
{
    player.Play(Path("missing.wav"));
    player.Play(Path("long.wav"));
    player.Play(Path("short.wav"));
    player.FinishDecodes();
    ASSERT_EQ(log.played.size(), 1u);
    EXPECT_EQ(log.played[0].size(), kShortBytes);
    EXPECT_EQ(log.beeps, 0);

    player.Play(Path("long.wav"));
    const int stopsBefore = log.stops;
    player.Stop();
    player.FinishDecodes();
    EXPECT_EQ(log.played.size(), 1u);
    EXPECT_EQ(log.stops, stopsBefore + 1);
}

TEST_F(SoundPlayerTest, ReplaysFromTheCacheUntilTheDeviceFormatChanges)
{
    player.Play(Path("short.wav"));
    player.FinishDecodes();
    ASSERT_TRUE(QFile::remove(dir.filePath("short.wav")));

    player.Play(Path("short.wav")); // at once, without the file
    ASSERT_EQ(log.played.size(), 2u);
    EXPECT_EQ(log.played[1], log.played[0]);

    log.format = StereoInt16(32000);
    player.Play(Path("short.wav"));
    player.FinishDecodes();
    EXPECT_EQ(log.played.size(), 2u);
    EXPECT_EQ(log.beeps, 1);
}

TEST_F(SoundPlayerTest, KeepsOnlyWhatFitsInItsCache)
{
    // 4000 frames become 32000 bytes at 16000 Hz stereo, more than half the
    // cache: of two copies only the newer stays.
    ASSERT_TRUE(QFile::copy(dir.filePath("long.wav"), dir.filePath("copy.wav")));
    for (const char* name : {"long.wav", "copy.wav"}) {
        player.Play(Path(name));
        player.FinishDecodes();
    }
    ASSERT_TRUE(QFile::remove(dir.filePath("long.wav")));
    ASSERT_TRUE(QFile::remove(dir.filePath("copy.wav")));
    player.Play(Path("copy.wav"));
    player.Play(Path("long.wav"));
    player.FinishDecodes();
    EXPECT_EQ(log.played.size(), 3u);
    EXPECT_EQ(log.beeps, 1);
}

TEST_F(SoundPlayerTest, StaysSilentWithoutADevice)
{
    log.format.reset();
    player.Play(Path("short.wav"));
    player.Play(Path("missing.wav"));
    player.FinishDecodes();
    EXPECT_TRUE(log.played.empty());
    EXPECT_EQ(log.beeps, 0);
}

} // namespace
