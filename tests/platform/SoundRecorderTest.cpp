#include "platform/Sound.h"
#include "tests/platform/TestWavFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

namespace {

TEST(SoundRecorder, RecordsWhileTheInnermostLives)
{
    SoundRecorder outer;
    PlaySoundFile("/sounds/Hello.wav");
    {
        SoundRecorder inner;
        PlaySoundFile("/sounds/cat.wav");
        StopSound();
        EXPECT_EQ(inner.Played(), std::vector<std::string>{"/sounds/cat.wav"});
        EXPECT_EQ(inner.StopCount(), 1);
    }
    PlaySoundFile("/sounds/GoodBye.wav");
    EXPECT_EQ(outer.Played(),
              (std::vector<std::string>{"/sounds/Hello.wav", "/sounds/GoodBye.wav"}));
    EXPECT_EQ(outer.StopCount(), 0);

    outer.Clear();
    EXPECT_TRUE(outer.Played().empty());
}

TEST(SoundRecorder, LeavesTheDeviceAloneOnlyWhileItLives)
{
    QTemporaryDir dir;
    const std::string sound = dir.filePath("sound.wav").toStdString();
    ASSERT_TRUE(WriteSineWav(sound, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 800));

    std::vector<std::string> recorded;
    {
        SoundRecorder recorder;
        PlaySoundFile(sound);
        recorded = recorder.Played();
    }
    // Played on whatever device there is, or on none: neither may fail.
    PlaySoundFile(sound);
    PlaySoundFile(dir.filePath("missing.wav").toStdString());
    StopSound();

    SoundRecorder later;
    EXPECT_EQ(recorded, std::vector<std::string>{sound});
    EXPECT_TRUE(later.Played().empty());
    EXPECT_EQ(later.StopCount(), 0);
}

} // namespace
