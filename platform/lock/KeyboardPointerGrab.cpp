// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/KeyboardPointerGrab.h"

#include "platform/lock/X11Stacking.h"
#include "platform/lock/X11WindowGroup.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// A window the window manager minimised or left in a frame of its own is made
// full screen again: an unviewable window holds no grab and covers nothing.
// Says whether it had to be.
bool KeepFullScreen(QWindow& window)
{
    const Qt::WindowStates states = window.windowStates();
    if (!states.testFlag(Qt::WindowMinimized) && states.testFlag(Qt::WindowFullScreen))
        return false;
    window.showFullScreen();
    return true;
}

} // namespace

KeyboardPointerGrab::KeyboardPointerGrab(bool underWaylandCompositor)
    : m_underWaylandCompositor(underWaylandCompositor)
{
    m_lookTimer.setSingleShot(true);
    connect(&m_lookTimer, &QTimer::timeout, this, &KeyboardPointerGrab::Look);
    connect(&m_watch, &X11StackWatch::disturbed, this, &KeyboardPointerGrab::LookSoon);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &KeyboardPointerGrab::LookSoon);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &KeyboardPointerGrab::LookSoon);
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
    WatchWindows();
    Look();
}

void KeyboardPointerGrab::AddCover(QWindow* cover)
{
    if (m_play)
        JoinWindowGroup(*cover, *m_play);
    m_covers.emplace_back(cover);
    WatchWindows();
    LookSoon();
}

void KeyboardPointerGrab::RemoveCover(QWindow* cover)
{
    std::erase(m_covers, cover);
    WatchWindows();
}

void KeyboardPointerGrab::ReleaseAll()
{
    m_lookTimer.stop();
    m_watch.Stop();
    if (m_play) {
        m_play->removeEventFilter(this);
        m_play->setKeyboardGrabEnabled(false);
        m_play->setMouseGrabEnabled(false);
    }
    m_play = nullptr;
    m_covers.clear();
    m_unsettledLooks = 0;
    m_disturbed = false;
    SetGrabbed(false);
}

bool KeyboardPointerGrab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_play && event->type() == QEvent::Expose && m_play->isExposed())
        LookSoon();
    return false;
}

void KeyboardPointerGrab::WatchWindows()
{
    if (m_play)
        m_watch.Watch(m_play, m_covers);
}

// A look is due at once, unless the desktop keeps undoing the hold: then the
// next look comes at its slower pace.
void KeyboardPointerGrab::LookSoon()
{
    m_disturbed = true;
    if (m_play && m_unsettledLooks < kQuickLooks)
        m_lookTimer.start(0);
}

void KeyboardPointerGrab::Look()
{
    if (!m_play)
        return;
    // A grab held stays held until the play's window is hidden, which the
    // server tells; it is taken again only after some disturbance.
    const bool retakeGrab = !m_grabbed || m_disturbed;
    m_disturbed = false;
    m_unsettledLooks = ReassertHold(retakeGrab) ? m_unsettledLooks + 1 : 0;
    m_lookTimer.start(NextLookMs(m_unsettledLooks));
}

// Mends what another program or the window manager undid; says whether
// anything needed it. Off X11 the windows are raised at every look.
bool KeyboardPointerGrab::ReassertHold(bool retakeGrab)
{
    bool mended = false;
    for (QWindow* cover : m_covers) {
        if (cover)
            mended |= KeepFullScreen(*cover);
    }
    mended |= KeepFullScreen(*m_play);
    const X11StackWatch::Cover over = m_watch.Uncover();
    if (!m_watch.OnX11() || over.managed) {
        for (QWindow* cover : m_covers) {
            if (cover)
                cover->raise();
        }
        m_play->raise();
    }
    mended |= over.found;
    if (!m_watch.PlayHasFocus()) {
        m_play->requestActivate();
        mended = true;
    }
    // Taking a grab that this client holds already is a no-op for the server;
    // one that another client took fails until it lets go.
    if (retakeGrab) {
        SetGrabbed(m_play->isExposed() && m_play->setKeyboardGrabEnabled(true) &&
                   m_play->setMouseGrabEnabled(true));
    }
    return mended || !m_grabbed;
}

void KeyboardPointerGrab::SetGrabbed(bool grabbed)
{
    if (grabbed == m_grabbed)
        return;
    m_grabbed = grabbed;
    emit holdChanged();
}
