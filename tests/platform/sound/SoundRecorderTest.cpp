// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/Sound.h"
#include "tests/platform/sound/TestWavFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

namespace {

TEST(SoundRecorder, RecordsWhileTheInnermostLives)
{
    QTemporaryDir dir;
    const std::string sound = dir.filePath("sound.wav").toStdString();
    ASSERT_TRUE(WriteSineWav(sound, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 800));
    // Without a recorder: whatever device there is, or none, nothing fails.
    PlaySoundFile(sound);
    PlaySoundFile(dir.filePath("missing.wav").toStdString());
    StopSound();

    SoundRecorder outer;
    PlaySoundFile(sound);
    {
        SoundRecorder inner;
        PlaySoundFile("cat.wav");
        StopSound();
        EXPECT_EQ(inner.Played(), std::vector<std::string>{"cat.wav"});
        EXPECT_EQ(inner.StopCount(), 1);
    }
    PlaySoundFile("GoodBye.wav");
    EXPECT_EQ(outer.Played(), (std::vector<std::string>{sound, "GoodBye.wav"}));
    EXPECT_EQ(outer.StopCount(), 0);
    outer.Clear();
    EXPECT_TRUE(outer.Played().empty());
}

} // namespace
