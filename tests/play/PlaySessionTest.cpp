// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayStage.h"

#include "platform/files/Paths.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <QScreen>

#include <chrono>
#include <climits>
#include <span>

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

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&Window(), &press);
    }

    // A picture that takes a while to decode, shown alone.
    void OnlySlowPicture()
    {
        const std::string group = m_library.PathOf("Pictures");
        std::remove(JoinPath(group, "a.png").c_str());
        PlayLibrary::SavePicture(group, "slow.png", PlayLibrary::Filled(3000, 3000, Qt::red));
        m_pictureSound = JoinPath(group, "slow.wav");
        PlayLibrary::WriteBytes(m_pictureSound, "RIFF");
    }

    QImage Frame() { return Window().Canvas().Frame(); }

    // Pictures shown after the next auto-display tick, with the clock at `now`.
    long PicturesAfterTickAt(std::chrono::milliseconds now)
    {
        m_clock.Set(now);
        QSignalSpy tick(&Timer("autoDisplay"), &QTimer::timeout);
        EXPECT_TRUE(tick.wait(3000) && InputsAnswered()) << "no tick at " << now.count() << " ms";
        return PicturesShown();
    }

    std::string m_pictureSound;
};

} // namespace

// Each timer runs only when its setting is on. Like the desktop's own timers,
// a time limit of 0 fires at once (after a short minimum), and one a timer
// cannot count to waits as long as a timer can.
TEST_F(PlaySessionTest, EachTimerRunsWhenItsSettingIsOnAsTheDesktopTimesIt)
{
    struct Case
    {
        bool timeLimitOn;
        std::int32_t minutes;
        int intervalMs;
        bool autoDisplayOn;
    };
    for (const Case& c : {Case{true, 5, 300000, false},
                          {true, 35791, 2147460000, false},
                          {true, 35792, INT_MAX, true},
                          {true, -1, INT_MAX, false},
                          {true, 0, 10, false},
                          {false, 5, 0, true}}) {
        m_settings.timeLimitOn = c.timeLimitOn;
        m_settings.timeLimitMinutes = c.minutes;
        m_settings.autoDisplayOn = c.autoDisplayOn;
        StartSession();
        EXPECT_EQ(Timer("timeLimit").isActive(), c.timeLimitOn) << c.minutes;
        if (c.timeLimitOn) {
            EXPECT_EQ(Timer("timeLimit").interval(), c.intervalMs) << c.minutes << " minutes";
        }
        EXPECT_EQ(Timer("autoDisplay").isActive(), c.autoDisplayOn);
        EXPECT_EQ(Timer("autoDisplay").interval(), 800);
        TypeQuitWord(Window());
    }
}

TEST(PlayWindow, TheTitleIsTheProgramFileNameWithoutItsExtension)
{
    const std::pair<const char*, const char*> titles[] = {
        {"/opt/games/babyplay", "babyplay"},
        {"/usr/lib/tapnest/tapnest.bin", "tapnest"},
        {"/home/kid/play.v2/kid.game.exe", "kid.game"},
    };
    for (const auto& [program, title] : titles) {
        const ScriptedProgramFile renamed(program);
        const CMyGameWnd window({});
        EXPECT_EQ(window.windowTitle().toStdString(), title);
    }
}

// From the greeting, the lock-down and the first frame over the whole screen
// to the farewell.
TEST_F(PlaySessionTest, PlayingHoldsFromTheStartToTheEndAndTheEndStopsBothTimers)
{
    m_settings.timeLimitOn = 1;
    m_settings.autoDisplayOn = 1;
    EXPECT_FALSE(Session().IsPlaying());
    bool playingWhenEnded = true;
    bool timerRunningWhenEnded = true;
    QObject::connect(&Session(), &PlaySession::ended, [&] {
        playingWhenEnded = Session().IsPlaying();
        timerRunningWhenEnded = Timer("timeLimit").isActive() || Timer("autoDisplay").isActive();
    });
    QSignalSpy ended(&Session(), &PlaySession::ended);
    StartSession();
    EXPECT_TRUE(Session().IsPlaying());
    EXPECT_EQ(m_sounds.Played(), std::vector<std::string>{JoinPath(m_library.Dir(), "Hello.wav")});
    EXPECT_TRUE(Window().Lock().IsEngaged());
    EXPECT_EQ(Window().geometry(), Window().screen()->geometry());
    EXPECT_EQ(Frame().size(), Window().screen()->geometry().size());
    EXPECT_EQ(Window().grab().toImage().convertToFormat(QImage::Format_RGB32), Frame());

    // Clicks leave the quit word alone; its last key ends the play with the farewell.
    for (const auto key : std::span(kQuitWordKeys).first<kQuitWordKeys.size() - 1>()) {
        QTest::keyClick(&Window(), key);
        QTest::mouseClick(&Window(), Qt::LeftButton);
    }
    EXPECT_TRUE(Window().isVisible());
    m_sounds.Clear();
    QTest::keyClick(&Window(), Qt::Key_6);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(playingWhenEnded);
    EXPECT_FALSE(timerRunningWhenEnded);
    EXPECT_FALSE(Session().IsPlaying());
    EXPECT_FALSE(Window().isVisible());
    EXPECT_FALSE(Window().Lock().IsEngaged());
    EXPECT_TRUE(Frame().isNull());
    EXPECT_EQ(m_sounds.Played(),
              std::vector<std::string>{JoinPath(m_library.Dir(), "GoodBye.wav")});

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
    EXPECT_FALSE(Timer("timeLimit").isActive());
    EXPECT_FALSE(Timer("autoDisplay").isActive());
    EXPECT_FALSE(Window().Lock().IsEngaged());
    EXPECT_FALSE(Window().isVisible());
    EXPECT_TRUE(m_sounds.Played().empty());
    ASSERT_EQ(m_messages.Shown().size(), 1u);
    const MessageRequest& warning = m_messages.Shown()[0];
    EXPECT_EQ(warning.text, "Please select one picture group to display.");
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.owner, nullptr);
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
    EXPECT_FALSE(Timer("autoDisplay").isActive());
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
    ASSERT_TRUE(InputsAnswered());
    EXPECT_EQ(PicturesAfterTickAt(5000ms), 2);
    EXPECT_EQ(PicturesAfterTickAt(5001ms), 3);
}

// A replays the sound of the picture shown last, Shift held or not, and
// shows nothing new.
TEST_F(PlaySessionTest, AReplaysTheLastSoundWithoutChangingThePicture)
{
    StartSession();
    Press(Qt::Key_X);
    ASSERT_TRUE(InputsAnswered());
    const QImage before = Frame().copy();
    m_sounds.Clear();
    Press(Qt::Key_A);
    Press(Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(m_sounds.Played(), std::vector<std::string>(2, m_pictureSound));
    EXPECT_EQ(Frame(), before);
}

// The system keys are swallowed before the play sees them: they neither show
// a picture nor break the quit word.
TEST_F(PlaySessionTest, SwallowedAndSystemKeysNeverReachThePlay)
{
    StartSession();
    for (const auto key : {Qt::Key_K, Qt::Key_O, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_F4,
                           Qt::Key_Super_L, Qt::Key_L, Qt::Key_O, Qt::Key_4, Qt::Key_8}) {
        Press(key);
        ASSERT_TRUE(InputsAnswered());
    }
    Press(Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(PicturesShown(), 6);
    Press(Qt::Key_6);
    EXPECT_FALSE(Session().IsPlaying());
}

// Keys and clicks on a cover are the play's own, within the key delay too;
// the quit word counts every key, accepted or not.
TEST_F(PlaySessionTest, KeysAndClicksOnACoverAreInputsOfThePlay)
{
    m_settings.keyDelayOn = 1;
    m_settings.keyDelayMs = 300;
    StartSession();
    CoverWindow cover(Window(), Window().screen());
    cover.show();
    m_clock.Set(1000ms);
    QTest::mouseClick(&cover, Qt::LeftButton);
    ASSERT_TRUE(InputsAnswered());
    QTest::mouseClick(&cover, Qt::RightButton); // within the key delay
    ASSERT_TRUE(InputsAnswered());
    EXPECT_EQ(PicturesShown(), 1);

    TypeQuitWord(cover);
    EXPECT_FALSE(Session().IsPlaying());
    EXPECT_EQ(PicturesShown(), 1);
}

// A picture that takes a while to decode, and a child mashing keys meanwhile:
// a few keys wait for it, the others are dropped, and the quit word still
// counts every key and ends the play at once.
TEST_F(PlaySessionTest, MashingKeysBuildsNoBacklogInFrontOfTheQuitWord)
{
    OnlySlowPicture();
    StartSession();
    for (int press = 0; press < 50; ++press)
        Press(Qt::Key_X);
    ASSERT_TRUE(InputsAnswered());
    EXPECT_EQ(PicturesShown(), 3) << "the pictures of the waiting keys";

    for (const auto key : kQuitWordKeys)
        Press(key);
    EXPECT_FALSE(Session().IsPlaying());
    EXPECT_FALSE(Window().Inputs().HasWaiting());
    m_session.reset(); // while the abandoned pick may still be decoded
}

// The note under the hint follows the lock through the play, from the first
// frame on a desktop that cannot hold its shortcuts back.
TEST_F(PlaySessionTest, TheScreenTellsWhenTheLockIsLost)
{
    StartSession();
    const QImage held = Frame().copy();
    m_desktop.Grab().SetHolds(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame() != held; }, 4000));
    m_desktop.Grab().SetHolds(true);
    EXPECT_EQ(Frame(), held);
    TypeQuitWord(Window());

    m_desktop.CannotHold();
    m_session.reset(); // the next session's lock asks the desktop anew
    StartSession();
    EXPECT_NE(Frame(), held);
    EXPECT_TRUE(Session().IsPlaying()); // the play goes on
}
