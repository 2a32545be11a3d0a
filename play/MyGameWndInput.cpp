// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/MyGameWnd.h"

#include "library/Settings.h"
#include "platform/sound/Sound.h"
#include "play/QuitWord.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>

// Every key press, auto-repeats included, is an input of its own. The system
// keys never get here: the keyboard lock swallows them first. Repeats that
// piled up while the last input was drawn, or that come while a picture is
// made ready, are dropped, so holding a key never builds a backlog in front
// of the quit word.
void CMyGameWnd::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() && (HasWaitingInput() || event->timestamp() < m_busyUntilTimestamp))
        return;
    QElapsedTimer handling;
    handling.start();
    OnKeyDown(*event);
    m_busyUntilTimestamp = event->timestamp() + static_cast<quint64>(handling.elapsed());
}

void CMyGameWnd::OnKeyDown(const QKeyEvent& event)
{
    // A modifier held down repeats its own key presses, each an ordinary
    // key: the quit word cannot be typed with Shift or Ctrl held.
    if (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        m_quitState = 0;
    switch (AdvanceQuitWord(m_quitState, PlayKeyOf(event, m_x11KeyCodes))) {
    case KeyAction::EndPlay:
        emit quitWordTyped();
        break;
    case KeyAction::ReplaySound:
        Submit(PlayInput::ReplaySound);
        break;
    case KeyAction::ShowPicture:
        ShowNextPicture();
        break;
    }
}

void CMyGameWnd::ShowNextPicture()
{
    Submit(PlayInput::ShowPicture);
}

// Inputs are answered in the order they came. While a picture is not ready
// the inputs after it wait for it without holding up the event loop; a child
// mashing keys meanwhile fills the few places and the rest are dropped, so
// nothing piles up in front of the quit word.
void CMyGameWnd::Submit(PlayInput input)
{
    constexpr std::size_t kMaxWaitingInputs = 3;
    if (m_backBuffer.isNull() || m_waitingInputs.size() >= kMaxWaitingInputs)
        return;
    m_waitingInputs.push_back(input);
    RunWaitingInputs();
}

// Answers the waiting inputs up to the first whose picture is not ready yet;
// the prefetch's ready() calls this again.
void CMyGameWnd::RunWaitingInputs()
{
    while (!m_waitingInputs.empty()) {
        if (m_pictureDue) {
            if (!DrawReadyPicture())
                return;
            m_pictureDue = false;
        } else if (Accept(m_waitingInputs.front())) {
            m_pictureDue = true;
            continue;
        }
        m_waitingInputs.pop_front();
    }
}

// Whether the input asks for a picture. A replay plays its sound at once; the
// clock restarts at every replay and at every picture that passes the delay.
bool CMyGameWnd::Accept(PlayInput input)
{
    if (input == PlayInput::ReplaySound && !m_currentSound.empty()) {
        PlaySoundFile(m_currentSound);
        m_clock.RestartClock();
        return false;
    }
    const bool passes = PassesKeyDelay();
    if (passes || input == PlayInput::ReplaySound)
        m_clock.RestartClock();
    return passes;
}

bool CMyGameWnd::PassesKeyDelay() const
{
    if (!m_settings.keyDelayOn)
        return true;
    return m_settings.keyDelayMs * 0.001 <= m_clock.ElapsedSeconds();
}

void CMyGameWnd::ForgetWaitingInputs()
{
    m_waitingInputs.clear();
    m_pictureDue = false;
    m_prefetch.Cancel();
}

// Left, middle and right buttons; a double click arrives as a second press.
// Clicks leave the quit word alone.
void CMyGameWnd::mousePressEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
    case Qt::MiddleButton:
    case Qt::RightButton:
        ShowNextPicture();
        break;
    default:
        break;
    }
}
