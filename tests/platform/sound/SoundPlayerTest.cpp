// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundPlayer.h"
#include "platform/sound/BeepSound.h"
#include "platform/sound/SoundConversion.h"
#include "platform/sound/SoundStream.h"
#include "tests/platform/sound/TestWavFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>

namespace {

// An output that notes the streams the player gives it, abandoning the one
// before as a real output does.
struct LoggingOutput final : SoundOutput
{
    std::optional<SoundFormat> Format() override { return format; }
    void Play(std::shared_ptr<SoundStream> sound) override
    {
        Stop();
        streams.push_back(std::move(sound));
    }
    void Stop() override
    {
        if (!streams.empty())
            streams.back()->Abandon();
        ++stops;
    }

    // Everything the newest stream held, once its decoder finished.
    QByteArray Heard() const
    {
        QByteArray all;
        char buffer[4096];
        while (const qsizetype read = streams.back()->Read(buffer, sizeof buffer))
            all.append(buffer, read);
        EXPECT_TRUE(streams.back()->AtEnd());
        return all;
    }

    std::optional<SoundFormat> format;
    std::vector<std::shared_ptr<SoundStream>> streams;
    int stops = 0;
};

SoundFormat StereoInt16(int rate)
{
    return {rate, 2, SoundFormat::Sample::Int16};
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
    // What the output hears of the file `name`, decoded to its end.
    QByteArray Heard(const char* name)
    {
        player.Play(Path(name));
        player.FinishDecodes();
        return log.Heard();
    }

    QTemporaryDir dir;
    std::unique_ptr<LoggingOutput> output = std::make_unique<LoggingOutput>();
    LoggingOutput& log = *output;
    SoundPlayer player{std::move(output)};
};

// 800 frames at 8000 Hz become 1600 at 16000 Hz, of two 16-bit samples.
constexpr qsizetype kSoundBytes = 1600 * 4;

TEST_F(SoundPlayerTest, PlaysEachRequestAtOnceAsItDecodesOrBeeps)
{
    player.Play(Path("missing.wav"));
    player.Play(Path("sound.wav"));
    // Each request has its stream at once; the newer one cut off the older.
    ASSERT_EQ(log.streams.size(), 2u);
    player.FinishDecodes();
    EXPECT_EQ(log.Heard().size(), kSoundBytes);

    EXPECT_EQ(Heard("text.wav"), ConvertForDevice(BeepSound(), *log.format));

    player.Play(Path("sound.wav"));
    player.Stop();
    EXPECT_EQ(log.stops, 5);
    char buffer[4];
    EXPECT_EQ(log.streams.back()->Read(buffer, sizeof buffer), 0);
}

TEST_F(SoundPlayerTest, StaysSilentWithoutADevice)
{
    log.format.reset();
    player.Play(Path("sound.wav"));
    player.Play(Path("missing.wav"));
    player.FinishDecodes();
    EXPECT_TRUE(log.streams.empty());
}

// Overwrites the file with other samples of the same size and modification
// time, so only a sound played from the cache still sounds as before.
void ChangeSamplesKeepingSizeAndTime(const std::string& path)
{
    struct stat before = {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    for (qsizetype index = 44; index < bytes.size(); ++index)
        bytes[index] = static_cast<char>(~bytes[index]);
    file.seek(0);
    file.write(bytes);
    file.close();
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(SoundPlayerTest, ReplaysFromTheCacheUntilTheDeviceFormatChanges)
{
    const QByteArray first = Heard("sound.wav");
    ChangeSamplesKeepingSizeAndTime(Path("sound.wav"));

    player.Play(Path("sound.wav"));
    EXPECT_EQ(log.streams.back()->UnreadBytes(), kSoundBytes); // whole at once
    EXPECT_EQ(log.Heard(), first);

    log.format = StereoInt16(32000);
    const QByteArray anew = Heard("sound.wav");
    EXPECT_EQ(anew.size(), kSoundBytes * 2);
    EXPECT_NE(anew, ConvertForDevice(BeepSound(), *log.format));
}

// A sound of a minute starts with its first piece, is held back a few
// seconds ahead of the output, plays to its end, and does not push the short sounds
// out of the cache.
TEST_F(SoundPlayerTest, StreamsALongSoundInBoundedMemory)
{
    const QByteArray shortSound = Heard("sound.wav");
    ChangeSamplesKeepingSizeAndTime(Path("sound.wav"));

    ASSERT_TRUE(
        WriteSineWav(Path("long.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 60 * 8000));
    player.Play(Path("long.wav"));
    SoundStream& stream = *log.streams.back();
    const qsizetype bytesPerSecond = 16000 * 4;
    // The bound, and one piece of 8192 frames at 8000 Hz beyond it.
    const qsizetype mostHeld = SoundPlayer::kHeldSeconds * bytesPerSecond + 16384 * 4;
    qsizetype heard = 0;
    qsizetype held = 0;
    char buffer[4096];
    while (!stream.AtEnd()) {
        held = std::max(held, stream.UnreadBytes());
        heard += stream.Read(buffer, sizeof buffer);
    }
    EXPECT_EQ(heard, 60 * bytesPerSecond);
    EXPECT_GT(held, 0);
    EXPECT_LE(held, mostHeld);

    player.FinishDecodes();
    player.Play(Path("sound.wav"));
    EXPECT_EQ(log.Heard(), shortSound);
}

TEST_F(SoundPlayerTest, ASoundReplacedOrDeletedOnDiskIsNotPlayedFromTheCache)
{
    EXPECT_EQ(Heard("sound.wav").size(), kSoundBytes);
    WriteSineWav(Path("sound.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 400);
    EXPECT_EQ(Heard("sound.wav").size(), kSoundBytes / 2);
    QFile::remove(QString::fromStdString(Path("sound.wav")));
    EXPECT_EQ(Heard("sound.wav"), ConvertForDevice(BeepSound(), *log.format));
}

} // namespace
