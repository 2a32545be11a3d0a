// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InputClock.h"

#include <QtGlobal>

#include <chrono>
#include <deque>
#include <functional>

class QKeyEvent;

// The inputs of a play, keys and clicks, on their way to the screen: each is
// answered in the order it came, and only after the key delay since the last
// accepted input. While an input's picture is not ready the inputs after it
// wait for it, a few of them; the rest, and the repeats of a held key, are
// dropped, so that nothing piles up in front of the quit word.
class InputQueue
{
public:
    enum class Input {
        ShowPicture,
        ReplaySound, // shows a picture when there is no sound to replay
    };
    // How the play answers: each false when it cannot yet.
    struct Answers
    {
        std::function<bool()> replaySound;      // false: there is no sound to replay
        std::function<bool()> showReadyPicture; // false: the picture is not ready yet
    };

    static constexpr std::size_t kMaxWaitingInputs = 3;

    explicit InputQueue(Answers answers);

    // A new play: nothing waits, the key delay counts from now, and inputs
    // are taken from Open() on.
    void Begin(std::chrono::milliseconds keyDelay);
    void Open() { m_open = true; }
    // Forgets what waits and takes no more inputs.
    void Close();

    // Runs `handle` for a key press, unless the press is a repeat that piled
    // up while the input before it was answered or comes while a picture is
    // made ready.
    void OnKeyPress(const QKeyEvent& event, const std::function<void()>& handle);
    void Submit(Input input);
    // Answers the waiting inputs up to the first whose picture is not ready
    // yet: called again when it is.
    void RunWaiting();
    // Inputs accepted but not answered yet: their picture is being made ready.
    bool HasWaiting() const { return !m_waiting.empty(); }
    // Since the last accepted input, or the start.
    double QuietSeconds() const { return m_clock.ElapsedSeconds(); }

private:
    bool Accept(Input input);
    bool PassesKeyDelay() const;

    Answers m_answers;
    InputClock m_clock;
    std::chrono::milliseconds m_keyDelay{0};
    std::deque<Input> m_waiting;
    bool m_open = false;
    bool m_pictureDue = false; // the first waiting input was accepted
    quint64 m_busyUntilTimestamp = 0;
};
