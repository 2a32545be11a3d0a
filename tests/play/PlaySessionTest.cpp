// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayStage.h"

#include "platform/files/Paths.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>

using namespace std::chrono_literals;

namespace {

// Plays on one picture with its own sound, so each picture shown plays it.
class PlaySessionTest : public PlayStage
{
protected:
    PlaySessionTest()
    {
        const std::string group = m_library.AddGroup("Pictures");
        PlayLibrary::SavePicture(group, "a.png", PlayLibrary::Filled(10, 10, Qt::red));
        m_pictureSound = JoinPath(group, "a.wav");
        PlayLibrary::WriteBytes(m_pictureSound, "RIFF");
    }

    // Pictures shown since the start, counted by their sound.
    long PicturesShown() const
    {
        return std::count(m_sounds.Played().begin(), m_sounds.Played().end(), m_pictureSound);
    }

    // Whether every input that waits to be drawn has been, soon.
    bool InputsDrawn()
    {
        return QTest::qWaitFor([&] { return !Window().HasWaitingInput(); }, 30000);
    }

    // Pictures shown after the next auto-display tick, with the clock at `now`.
    long PicturesAfterTickAt(std::chrono::milliseconds now)
    {
        m_clock.Set(now);
        QSignalSpy tick(&Session().AutoDisplayTimer(), &QTimer::timeout);
        EXPECT_TRUE(tick.wait(3000) && InputsDrawn()) << "no tick at " << now.count() << " ms";
        return PicturesShown();
    }

    std::string m_pictureSound;
};

} // namespace

TEST_F(PlaySessionTest, EachTimerRunsOnlyWhenItsSettingIsOn)
{
    m_settings.timeLimitOn = 1;
    StartSession();
    EXPECT_TRUE(Session().TimeLimitTimer().isActive());
    EXPECT_FALSE(Session().AutoDisplayTimer().isActive());
    TypeQuitWord(Window());

    m_settings.timeLimitOn = 0;
    m_settings.autoDisplayOn = 1;
    StartSession();
    EXPECT_FALSE(Session().TimeLimitTimer().isActive());
    EXPECT_TRUE(Session().AutoDisplayTimer().isActive());
    EXPECT_EQ(Session().AutoDisplayTimer().interval(), 800);
}

// Like the desktop's own timers: 0 fires at once (after a short minimum), and
// a limit a timer cannot count to waits as long as a timer can.
TEST_F(PlaySessionTest, TheTimeLimitIsTimedAsTheDesktopTimesIt)
{
    m_settings.timeLimitOn = 1;
    const std::pair<std::int32_t, int> limits[] = {
        {5, 300000}, {35791, 2147460000}, {35792, INT_MAX}, {-1, INT_MAX}, {0, 10}};
    for (const auto& [minutes, intervalMs] : limits) {
        m_settings.timeLimitMinutes = minutes;
        StartSession();
        EXPECT_EQ(Session().TimeLimitTimer().interval(), intervalMs) << minutes << " minutes";
        TypeQuitWord(Window());
    }
}

TEST_F(PlaySessionTest, PlayingHoldsFromTheStartToTheEndAndTheEndStopsBothTimers)
{
    m_settings.timeLimitOn = 1;
    m_settings.autoDisplayOn = 1;
    EXPECT_FALSE(Session().IsPlaying());
    bool playingWhenEnded = true;
    bool timerRunningWhenEnded = true;
    QObject::connect(&Session(), &PlaySession::ended, [&] {
        playingWhenEnded = Session().IsPlaying();
        timerRunningWhenEnded =
            Session().TimeLimitTimer().isActive() || Session().AutoDisplayTimer().isActive();
    });
    QSignalSpy ended(&Session(), &PlaySession::ended);
    StartSession();
    EXPECT_TRUE(Session().IsPlaying());

    TypeQuitWord(Window());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(playingWhenEnded);
    EXPECT_FALSE(timerRunningWhenEnded);
    EXPECT_FALSE(Session().IsPlaying());
    EXPECT_FALSE(Window().isVisible());

    m_sounds.Clear();
    TypeQuitWord(Window()); // an ended play ends only once
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(m_sounds.Played().empty());
}

TEST_F(PlaySessionTest, AStartWithNothingToShowLeavesNoTimerAndNoLock)
{
    std::remove(JoinPath(m_library.PathOf("Pictures"), "a.png").c_str());
    m_settings.timeLimitOn = 1;
    m_settings.autoDisplayOn = 1;
    QSignalSpy starting(&Session(), &PlaySession::starting);
    StartSession();
    EXPECT_FALSE(Session().IsPlaying());
    EXPECT_EQ(starting.count(), 0);
    EXPECT_FALSE(Session().TimeLimitTimer().isActive());
    EXPECT_FALSE(Session().AutoDisplayTimer().isActive());
    EXPECT_FALSE(Window().Lock().IsEngaged());
    EXPECT_FALSE(Window().isVisible());
    ASSERT_EQ(m_messages.Shown().size(), 1u);
    EXPECT_EQ(m_messages.Shown()[0].owner, nullptr);
}

// The welcome dialog is back in front before it asks the child to rest.
TEST_F(PlaySessionTest, TheTimeLimitEndsThePlayBeforeItsMessage)
{
    m_settings.timeLimitOn = 1;
    m_settings.timeLimitMinutes = 0;
    m_settings.autoDisplayOn = 1;
    std::size_t messagesWhenEnded = 1;
    QObject::connect(&Session(), &PlaySession::ended,
                     [&] { messagesWhenEnded = m_messages.Shown().size(); });
    StartSession();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_messages.Shown().empty(); }, 2000));
    EXPECT_EQ(messagesWhenEnded, 0u);
    EXPECT_FALSE(Session().IsPlaying());
    EXPECT_FALSE(Session().AutoDisplayTimer().isActive());
    EXPECT_EQ(m_messages.Shown()[0].text, "You have played for a long time. Please have a rest.");
    EXPECT_EQ(m_messages.Shown()[0].owner, &m_owner);
}

TEST_F(PlaySessionTest, AutoDisplayShowsAPictureOnlyAfterTheQuietSpell)
{
    m_settings.autoDisplayOn = 1;
    m_settings.autoDisplaySeconds = 2;
    StartSession();
    EXPECT_EQ(PicturesAfterTickAt(2000ms), 0);
    EXPECT_EQ(PicturesAfterTickAt(2001ms), 1);

    m_clock.Set(3000ms);
    QTest::keyClick(&Window(), Qt::Key_X); // the quiet spell starts again here
    ASSERT_TRUE(InputsDrawn());
    EXPECT_EQ(PicturesAfterTickAt(5000ms), 2);
    EXPECT_EQ(PicturesAfterTickAt(5001ms), 3);
}
