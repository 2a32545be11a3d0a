// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/InputQueue.h"

#include <QElapsedTimer>
#include <QKeyEvent>

InputQueue::InputQueue(Answers answers) : m_answers(std::move(answers)) {}

void InputQueue::Begin(std::chrono::milliseconds keyDelay)
{
    Close();
    m_keyDelay = keyDelay;
    m_clock.RestartClock();
}

void InputQueue::Close()
{
    m_open = false;
    m_waiting.clear();
    m_pictureDue = false;
}

// Every key press, auto-repeats included, is an input of its own. The system
// keys never get here: the keyboard lock swallows them first.
void InputQueue::OnKeyPress(const QKeyEvent& event, const std::function<void()>& handle)
{
    if (event.isAutoRepeat() && (HasWaiting() || event.timestamp() < m_busyUntilTimestamp))
        return;
    QElapsedTimer handling;
    handling.start();
    handle();
    m_busyUntilTimestamp = event.timestamp() + static_cast<quint64>(handling.elapsed());
}

// While a picture is not ready the inputs after it wait for it without
// holding up the event loop.
void InputQueue::Submit(Input input)
{
    if (!m_open || m_waiting.size() >= kMaxWaitingInputs)
        return;
    m_waiting.push_back(input);
    RunWaiting();
}

void InputQueue::RunWaiting()
{
    while (!m_waiting.empty()) {
        if (m_pictureDue) {
            if (!m_answers.showReadyPicture())
                return;
            m_pictureDue = false;
        } else if (Accept(m_waiting.front())) {
            m_pictureDue = true;
            continue;
        }
        m_waiting.pop_front();
    }
}

// Whether the input asks for a picture. A replay plays its sound at once; the
// clock restarts at every replay and at every picture that passes the delay.
bool InputQueue::Accept(Input input)
{
    if (input == Input::ReplaySound && m_answers.replaySound()) {
        m_clock.RestartClock();
        return false;
    }
    const bool passes = PassesKeyDelay();
    if (passes || input == Input::ReplaySound)
        m_clock.RestartClock();
    return passes;
}

bool InputQueue::PassesKeyDelay() const
{
    return static_cast<double>(m_keyDelay.count()) * 0.001 <= m_clock.ElapsedSeconds();
}
