#include "play/MyGameWnd.h"

#include "platform/Sound.h"
#include "play/QuitWord.h"

#include <QKeyEvent>
#include <QMouseEvent>

// Every key press, auto-repeats included, is an input of its own. The system
// keys never get here: the keyboard lock swallows them first.
void CMyGameWnd::keyPressEvent(QKeyEvent* event)
{
    switch (AdvanceQuitWord(m_quitState, PlayKeyOf(*event))) {
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
