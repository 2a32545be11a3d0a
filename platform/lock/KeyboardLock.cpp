// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/KeyboardLock.h"

#include "platform/Log.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

KeyboardLock::KeyboardLock(std::unique_ptr<DesktopGrab> grab, KeyFilter swallows, QObject* parent)
    : QObject(parent), m_grab(std::move(grab)), m_swallows(swallows)
{
    m_graceTimer.setSingleShot(true);
    m_graceTimer.setInterval(kLockGraceMs);
    connect(&m_graceTimer, &QTimer::timeout, this, [this] { SetLost(true); });
    connect(m_grab.get(), &DesktopGrab::holdChanged, this, &KeyboardLock::UpdateLost);
    connect(m_grab.get(), &DesktopGrab::refusedAhead, this, &KeyboardLock::refusedAhead);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &KeyboardLock::OnFocusWindowChanged);
}

// The owner may be half destroyed by now: it hears nothing more.
KeyboardLock::~KeyboardLock()
{
    disconnect(this, &KeyboardLock::lostChanged, nullptr, nullptr);
    Release();
}

void KeyboardLock::AskAhead(QWidget* window)
{
    window->winId(); // the desktop's grab needs the native window
    m_grab->AskAhead(window->windowHandle());
}

void KeyboardLock::Engage(QWidget* play)
{
    Release();
    m_play = play;
    m_lossReported = false;
    play->installEventFilter(this);
    if (play->isVisible())
        EngageGrab();
}

// The desktop's grab needs the play's native window, which exists from its
// first show on.
void KeyboardLock::EngageGrab()
{
    m_grabEngaged = true;
    m_grab->Engage(m_play->windowHandle());
    for (QWidget* cover : m_covers) {
        if (cover && cover->windowHandle())
            m_grab->AddCover(cover->windowHandle());
    }
    UpdateLost();
}

void KeyboardLock::AddCover(QWidget* cover)
{
    cover->installEventFilter(this);
    m_covers.emplace_back(cover);
    if (m_grabEngaged && cover->windowHandle())
        m_grab->AddCover(cover->windowHandle());
}

void KeyboardLock::RemoveCover(QWidget* cover)
{
    cover->removeEventFilter(this);
    std::erase(m_covers, cover);
    if (QWindow* handle = cover->windowHandle())
        m_grab->RemoveCover(handle);
}

void KeyboardLock::Release()
{
    m_grabEngaged = false;
    m_grab->ReleaseAll();
    for (QWidget* cover : m_covers) {
        if (cover)
            cover->removeEventFilter(this);
    }
    m_covers.clear();
    if (m_play)
        m_play->removeEventFilter(this);
    m_play = nullptr;
    m_graceTimer.stop();
    SetLost(false);
}

bool KeyboardLock::IsPlayWidget(const QObject* object) const
{
    return object == m_play || std::ranges::find(m_covers, object) != m_covers.end();
}

bool KeyboardLock::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_play || !IsPlayWidget(watched))
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (watched == m_play && !m_grabEngaged)
            EngageGrab();
        return false;
    case QEvent::MouseButtonPress:
        ActivatePlayFrom(watched);
        return false;
    case QEvent::KeyPress:
        ActivatePlayFrom(watched);
        return m_swallows(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return m_swallows(static_cast<const QKeyEvent&>(*event));
    default:
        return false;
    }
}

// Any other window of the program that gets the focus during a play (the
// welcome dialog behind the play, a cover that was clicked) hands it back.
void KeyboardLock::OnFocusWindowChanged(QWindow* focus)
{
    if (!m_play || !focus || focus == m_play->windowHandle())
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_play && m_play->isVisible())
                m_play->activateWindow();
        },
        Qt::QueuedConnection);
}

// A key, click or touch on a cover while the play has not the keyboard (GNOME
// hands it to the cover on a workspace or application switch) asks for the
// play at once: a compositor that activates a window only with the serial of
// an input still in hand (mutter) then gives it the keyboard, and brings its
// workspace back.
void KeyboardLock::ActivatePlayFrom(const QObject* watched)
{
    if (watched != m_play && m_play->isVisible() && !m_play->isActiveWindow())
        m_play->activateWindow();
}

void KeyboardLock::UpdateLost()
{
    if (!m_grabEngaged)
        return;
    if (m_grab->Holds()) {
        m_graceTimer.stop();
        SetLost(false);
    } else if (!m_grab->CanHold()) {
        SetLost(true);
    } else if (m_grab->MayBeAsking()) {
        // No answer is due while the desktop's question is open.
        m_graceTimer.stop();
    } else if (!m_graceTimer.isActive()) {
        m_graceTimer.start();
    }
}

void KeyboardLock::SetLost(bool lost)
{
    if (lost == m_lost)
        return;
    m_lost = lost;
    if (lost && !m_lossReported) {
        m_lossReported = true;
        // A warning: shown on standard error by default, as "tapnest: ..." (see InstallLogFormat).
        qCWarning(lcLock, "cannot grab the keyboard (%s); system keys stay active during this play",
                  DescribeLoss(m_grab->WhyNotHeld()));
    } else if (lost) {
        qCInfo(lcLock, "the keyboard lock is lost again (%s)", DescribeLoss(m_grab->WhyNotHeld()));
    }
    emit lostChanged(lost);
}
