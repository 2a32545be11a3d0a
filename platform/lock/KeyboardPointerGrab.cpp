#include "platform/lock/KeyboardPointerGrab.h"

#include "platform/lock/X11WindowGroup.h"

#include <QEvent>
#include <QGuiApplication>

#include <algorithm>

namespace {

constexpr int kKeepIntervalMs = 100;

// A window the window manager minimised or left in a frame of its own is made
// full screen again: an unviewable window holds no grab and covers nothing.
void KeepShown(QWindow& window)
{
    const Qt::WindowStates states = window.windowStates();
    if (states.testFlag(Qt::WindowMinimized) || !states.testFlag(Qt::WindowFullScreen))
        window.showFullScreen();
    window.raise();
}

} // namespace

KeyboardPointerGrab::KeyboardPointerGrab(bool underWaylandCompositor)
    : m_underWaylandCompositor(underWaylandCompositor)
{
    m_keepTimer.setInterval(kKeepIntervalMs);
    connect(&m_keepTimer, &QTimer::timeout, this, &KeyboardPointerGrab::ReassertHold);
}

KeyboardPointerGrab::~KeyboardPointerGrab()
{
    ReleaseAll();
}

void KeyboardPointerGrab::Engage(QWindow* play)
{
    ReleaseAll();
    m_play = play;
    JoinWindowGroup(*play, *play);
    play->installEventFilter(this);
    m_keepTimer.start();
    ReassertHold();
}

void KeyboardPointerGrab::AddCover(QWindow* cover)
{
    if (m_play)
        JoinWindowGroup(*cover, *m_play);
    m_covers.emplace_back(cover);
}

void KeyboardPointerGrab::RemoveCover(QWindow* cover)
{
    std::erase(m_covers, cover);
}

void KeyboardPointerGrab::ReleaseAll()
{
    m_keepTimer.stop();
    if (m_play) {
        m_play->removeEventFilter(this);
        m_play->setKeyboardGrabEnabled(false);
        m_play->setMouseGrabEnabled(false);
    }
    m_play = nullptr;
    m_covers.clear();
    SetGrabbed(false);
}

bool KeyboardPointerGrab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_play && event->type() == QEvent::Expose && m_play->isExposed())
        ReassertHold();
    return false;
}

void KeyboardPointerGrab::ReassertHold()
{
    if (!m_play)
        return;
    for (QWindow* cover : m_covers) {
        if (cover)
            KeepShown(*cover);
    }
    KeepShown(*m_play);
    if (QGuiApplication::focusWindow() != m_play)
        m_play->requestActivate();
    // Taking a grab that this client holds already is a cheap no-op for the
    // server; one that another client took fails until it lets go.
    SetGrabbed(m_play->isExposed() && m_play->setKeyboardGrabEnabled(true) &&
               m_play->setMouseGrabEnabled(true));
}

void KeyboardPointerGrab::SetGrabbed(bool grabbed)
{
    if (grabbed == m_grabbed)
        return;
    m_grabbed = grabbed;
    emit holdChanged();
}
