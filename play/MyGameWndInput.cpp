#include "play/MyGameWnd.h"

#include "platform/Sound.h"
#include "play/QuitWord.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>

// Every key press, auto-repeats included, is an input of its own. The system
// keys never get here: the keyboard lock swallows them first. Repeats that
// piled up while the last input was drawn are dropped, so holding a key on a
// slow machine never builds a backlog in front of the quit word.
void CMyGameWnd::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() && event->timestamp() < m_busyUntilTimestamp)
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
        EndPlay();
        break;
    case KeyAction::ReplaySound:
        if (m_currentSound.empty())
            ShowNextPicture();
        else
            PlaySoundFile(m_currentSound);
        m_clock.RestartClock();
        break;
    case KeyAction::ShowPicture:
        ShowNextPicture();
        break;
    }
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
