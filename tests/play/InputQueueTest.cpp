// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/InputQueue.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace std::chrono_literals;
using Input = InputQueue::Input;

namespace {

// A queue whose answers are written down as they come: 'P' for a picture
// shown, 'R' for a sound replayed. Pictures are ready unless the test holds
// them back; a sound is there to replay once `sound` is set.
class InputQueueTest : public ::testing::Test
{
protected:
    InputQueueTest() { Begin(0ms); }

    void Begin(std::chrono::milliseconds keyDelay)
    {
        m_queue.Begin(keyDelay);
        m_queue.Open();
    }

    // The picture under way is ready now.
    void Ready()
    {
        m_ready = true;
        m_queue.RunWaiting();
    }

    void Key(bool autoRepeat, ulong timestamp)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, 0, 0, 0, QString(),
                        autoRepeat);
        press.setTimestamp(timestamp);
        m_queue.OnKeyPress(press, [&] { m_queue.Submit(Input::ShowPicture); });
    }

    bool Answer(bool can, char mark)
    {
        if (can)
            m_answered += mark;
        return can;
    }

    ScriptedClock m_clock;
    std::string m_answered;
    bool m_ready = true;
    bool m_sound = false;
    InputQueue m_queue{{.replaySound = [&] { return Answer(m_sound, 'R'); },
                        .showReadyPicture = [&] { return Answer(m_ready, 'P'); }}};
};

} // namespace

// The delay counts from the last accepted input: a picture that passes it or
// a replay, which is accepted whether or not it had a sound to play; a replay
// without a sound shows a picture once the delay is over.
TEST_F(InputQueueTest, TheKeyDelayCountsFromTheLastAcceptedInput)
{
    struct Step
    {
        std::chrono::milliseconds at;
        Input input;
        bool sound;
        const char* answered; // since the start
    };
    const Step steps[] = {
        {299ms, Input::ShowPicture, false, ""},       {300ms, Input::ShowPicture, false, "P"},
        {500ms, Input::ShowPicture, false, "P"},      {600ms, Input::ShowPicture, false, "PP"},
        {700ms, Input::ReplaySound, true, "PPR"},     {999ms, Input::ReplaySound, false, "PPR"},
        {1200ms, Input::ShowPicture, false, "PPR"},   {1299ms, Input::ShowPicture, false, "PPRP"},
        {1600ms, Input::ReplaySound, false, "PPRPP"}, // nothing to replay: a picture
    };
    Begin(300ms);
    for (const Step& step : steps) {
        m_clock.Set(step.at);
        m_sound = step.sound;
        m_queue.Submit(step.input);
        EXPECT_EQ(m_answered, step.answered) << step.at.count() << " ms";
    }
    m_clock.Set(2s);
    EXPECT_DOUBLE_EQ(m_queue.QuietSeconds(), 0.4);
}

TEST_F(InputQueueTest, InputsWaitForTheirPictureInTheirOrderAndAreBounded)
{
    m_ready = false;
    m_sound = true;
    for (const Input input : {Input::ShowPicture, Input::ReplaySound, Input::ShowPicture,
                              Input::ShowPicture, Input::ReplaySound})
        m_queue.Submit(input);
    EXPECT_TRUE(m_queue.HasWaiting());
    EXPECT_EQ(m_answered, "");
    Ready();
    EXPECT_EQ(m_answered, "PRP") << "the places beyond the bound were dropped";
    EXPECT_FALSE(m_queue.HasWaiting());
}

TEST_F(InputQueueTest, AClosedQueueTakesNothingAndForgetsWhatWaits)
{
    m_ready = false;
    m_queue.Submit(Input::ShowPicture);
    m_queue.Close();
    EXPECT_FALSE(m_queue.HasWaiting());
    m_queue.Submit(Input::ShowPicture);
    Ready();
    EXPECT_EQ(m_answered, "");
    m_queue.Open();
    m_queue.Submit(Input::ShowPicture);
    EXPECT_EQ(m_answered, "P");
}

// Repeats are dropped while a picture is made ready and when they piled up
// while the key before them was answered; other presses never are.
TEST_F(InputQueueTest, RepeatsOfAHeldKeyAreDroppedWhileTheKeyBeforeIsAnswered)
{
    struct Press
    {
        bool autoRepeat;
        ulong timestamp;
        bool ready; // the picture of a key is ready when asked for
        const char* answered;
    };
    for (const Press& press : {Press{false, 100, true, "P"}, Press{true, 99, true, "P"},
                               Press{true, 1000, true, "PP"}, Press{false, 50, false, "PP"},
                               Press{true, 2000, false, "PP"}, Press{false, 3000, true, "PPPP"}}) {
        m_ready = press.ready;
        Key(press.autoRepeat, press.timestamp);
        EXPECT_EQ(m_answered, press.answered) << press.timestamp;
    }
}
