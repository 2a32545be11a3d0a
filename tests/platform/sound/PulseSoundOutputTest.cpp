// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/PulseSoundOutput.h"
#include "platform/sound/ReconnectPace.h"
#include "platform/sound/SoundStream.h"
#include "tests/support/PrivateSoundServer.h"

#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Sounds asked for find a server that came within a look's interval, and the
// few milliseconds the connection takes.
constexpr int kFindsWithinMs =
    std::chrono::duration_cast<std::chrono::milliseconds>(ReconnectPace::kLookEvery).count() + 500;

// Polls until the condition holds, for at most the given time.
bool Eventually(const std::function<bool()>& condition, int withinMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > withinMs)
            return false;
        QThread::msleep(1);
    }
    return true;
}

class PulseSoundOutputTest : public ::testing::Test
{
protected:
    PulseSoundOutputTest() { qputenv("PULSE_SERVER", server.Address().toUtf8()); }
    ~PulseSoundOutputTest() override { qunsetenv("PULSE_SERVER"); }

    bool HasFormat() { return output->Format().has_value(); }
    bool StreamReady() { return output->CurrentUsage().targetLength > 0; }
    // Silence of the given length in the output's format.
    std::shared_ptr<SoundStream> Silence(int milliseconds)
    {
        const SoundFormat format = output->Format().value_or(SoundFormat());
        const qsizetype frames = qsizetype(format.sampleRate) * milliseconds / 1000;
        return SoundStream::Whole(QByteArray(frames * format.BytesPerFrame(), '\0'));
    }

    PrivateSoundServer server;
    std::unique_ptr<PulseSoundOutput> output;
};

// The output is ready when its constructor returns; every sound goes through
// the one stream with the buffer it was granted first, the sound before is
// let go at once, and a sound is let go when it was fed to its end.
TEST_F(PulseSoundOutputTest, AThousandSoundsLeaveTheOutputAsTheFirstFound)
{
    ASSERT_TRUE(server.Start());
    output = std::make_unique<PulseSoundOutput>();
    ASSERT_TRUE(HasFormat());
    const PulseSoundOutput::Usage first = output->CurrentUsage();
    ASSERT_EQ(first.streams, 1);
    ASSERT_GT(first.targetLength, 0u);

    std::weak_ptr<SoundStream> before;
    for (int sound = 0; sound < 1000; ++sound) {
        std::shared_ptr<SoundStream> stream = Silence(sound % 2 ? 5 : 500);
        const std::weak_ptr<SoundStream> current = stream;
        output->Play(std::move(stream));
        ASSERT_TRUE(before.expired()) << "sound " << sound;
        const PulseSoundOutput::Usage usage = output->CurrentUsage();
        ASSERT_EQ(usage.streams, 1) << "sound " << sound;
        ASSERT_EQ(usage.targetLength, first.targetLength) << "sound " << sound;
        before = current;
    }
    EXPECT_TRUE(Eventually([this] { return !output->CurrentUsage().feeding; }, 1000));
    EXPECT_TRUE(before.expired());

    output->Play(Silence(5000));
    EXPECT_TRUE(output->CurrentUsage().feeding);
    output->Stop();
    EXPECT_FALSE(output->CurrentUsage().feeding);
}

// No server at first, then one, then that one killed and another started:
// while sounds are asked for (the format is asked for each), the output finds
// each within a second and plays on it.
TEST_F(PulseSoundOutputTest, FindsTheServerWhenItComesAndAfterItWasRestarted)
{
    output = std::make_unique<PulseSoundOutput>();
    QThread::msleep(300);
    EXPECT_FALSE(HasFormat());
    output->Play(Silence(50)); // silently dropped
    EXPECT_EQ(output->CurrentUsage().streams, 0);

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(server.Start());
        ASSERT_TRUE(Eventually([this] { return HasFormat(); }, kFindsWithinMs))
            << "round " << round;
        ASSERT_TRUE(Eventually([this] { return StreamReady(); }, 1000)) << "round " << round;
        output->Play(Silence(2000));
        EXPECT_TRUE(output->CurrentUsage().feeding);
        server.Stop();
        EXPECT_TRUE(Eventually([this] { return !HasFormat(); }, 1000)) << "round " << round;
        EXPECT_EQ(output->CurrentUsage().streams, 0);
        EXPECT_FALSE(output->CurrentUsage().feeding);
    }
}

// A server that came while no sound was asked for is not looked for; the
// first sound asked for after that finds it at once, ready to play.
TEST_F(PulseSoundOutputTest, ASoundAskedForFindsAServerThatCameMeanwhileAtOnce)
{
    output = std::make_unique<PulseSoundOutput>();
    ASSERT_TRUE(server.Start());
    QThread::msleep(kFindsWithinMs);
    EXPECT_EQ(output->CurrentUsage().streams, 0);
    ASSERT_TRUE(HasFormat());
    EXPECT_TRUE(StreamReady());
    output->Play(Silence(500));
    EXPECT_TRUE(output->CurrentUsage().feeding);
}

} // namespace
