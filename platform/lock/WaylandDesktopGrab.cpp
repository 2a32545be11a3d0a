// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/WaylandDesktopGrab.h"

#include "platform/Log.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <qpa/qplatformnativeinterface.h>

#include <algorithm>

namespace {

void* NativeResource(const char* name, QWindow* window = nullptr)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native)
        return nullptr;
    return window ? native->nativeResourceForWindow(name, window)
                  : native->nativeResourceForIntegration(name);
}

} // namespace

WaylandDesktopGrab::WaylandDesktopGrab()
    : m_client(static_cast<wl_display*>(NativeResource("wl_display")),
               [this](InhibitorRequests::Inhibitor inhibitor, bool active) {
                   OnAnswer(inhibitor, active);
               }),
      m_inhibitors(m_client)
{
    m_aheadTimer.setSingleShot(true);
    m_aheadTimer.setInterval(kLockGraceMs);
    connect(&m_aheadTimer, &QTimer::timeout, this, [this] {
        FinishAhead(false, m_inhibitors.QuestionSeen(m_ahead) ? "refused" : "not answered");
    });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &WaylandDesktopGrab::OnFocusWindowChanged);
    m_inhibitors.KeyboardTo(QGuiApplication::focusWindow());
}

WaylandDesktopGrab::~WaylandDesktopGrab()
{
    ReleaseAll();
}

void WaylandDesktopGrab::AskAhead(QWindow* window)
{
    if (m_askedAhead || !window || !CanHold())
        return;
    m_askedAhead = true;
    m_ahead = window;
    Watch(window);
    DispatchWhileNeeded();
    UpdateAhead();
}

void WaylandDesktopGrab::Engage(QWindow* play)
{
    ReleaseAll();
    m_play = play;
    m_playAskedForKeyboard = false;
    Watch(play);
    DispatchWhileNeeded();
}

void WaylandDesktopGrab::AddCover(QWindow* cover)
{
    m_covers.emplace_back(cover);
    Watch(cover);
}

void WaylandDesktopGrab::RemoveCover(QWindow* cover)
{
    cover->removeEventFilter(this);
    std::erase(m_covers, cover);
    Forget(cover);
}

// A play that starts before the desktop answered the question ahead makes
// the answer moot: the play asks for itself.
void WaylandDesktopGrab::ReleaseAll()
{
    if (m_ahead)
        qCInfo(lcLock, "the desktop left the question ahead of the plays unanswered");
    EndAhead();
    for (QWindow* window : m_covers) {
        if (window)
            window->removeEventFilter(this);
    }
    if (m_play)
        m_play->removeEventFilter(this);
    m_play = nullptr;
    m_covers.clear();
    m_inhibitors.Clear();
    DispatchWhileNeeded();
    Update();
}

void WaylandDesktopGrab::Watch(QWindow* window)
{
    window->installEventFilter(this);
    if (window->isExposed())
        AskFor(window);
}

ShortcutsInhibitors::Part WaylandDesktopGrab::PartOf(const QWindow* window) const
{
    if (window == m_ahead)
        return Part::Ahead;
    return window == m_play ? Part::Play : Part::Cover;
}

// Qt makes a new surface each time a window is shown; the inhibitors follow.
void WaylandDesktopGrab::AskFor(QWindow* window)
{
    m_inhibitors.SurfaceShown(window, NativeResource("surface", window), PartOf(window));
    Update();
}

// A compositor may leave the keyboard with the window that started the play,
// or take it during the play (GNOME's overview or another workspace, which
// touch gestures open). The play then asks for it, once each time it is
// without it: Qt asks the compositor for activation with a token made with
// the serial of the last key, click or touch, from the window of the program
// that has the keyboard if one has it. Not while the compositor may be asking
// its user: its question has the keyboard.
void WaylandDesktopGrab::TakeKeyboard()
{
    if (KeyboardWindow()) {
        m_playAskedForKeyboard = false;
        return;
    }
    if (!m_play || !m_play->isExposed() || m_playAskedForKeyboard || m_inhibitors.MayBeAsking())
        return;
    m_playAskedForKeyboard = true;
    qCInfo(lcLock, "the play is without the keyboard; it asks the desktop for it");
    m_play->requestActivate();
}

void WaylandDesktopGrab::Forget(QWindow* window)
{
    m_inhibitors.SurfaceGone(window);
    Update();
}

// The window of the play that has the keyboard; null while none has it, and
// then the compositor's shortcuts work whatever it granted.
QWindow* WaylandDesktopGrab::KeyboardWindow() const
{
    QWindow* focus = QGuiApplication::focusWindow();
    if (focus &&
        (focus == m_play || std::find(m_covers.begin(), m_covers.end(), focus) != m_covers.end()))
        return focus;
    return nullptr;
}

LockLoss WaylandDesktopGrab::WhyNotHeld() const
{
    if (!CanHold())
        return LockLoss::NoWay;
    const QWindow* keyboard = KeyboardWindow();
    if (!keyboard)
        return LockLoss::KeyboardElsewhere;
    switch (m_inhibitors.WordOn(keyboard)) {
    case ShortcutsInhibitors::Word::Refused:
        return LockLoss::Refused;
    case ShortcutsInhibitors::Word::TakenBack:
        return LockLoss::TakenBack;
    default:
        // A question that closed without an answer was a refusal, and a
        // desktop that refused ahead keeps its answer without a word.
        return m_inhibitors.QuestionSeen(keyboard) || m_refusedAhead ? LockLoss::Refused
                                                                     : LockLoss::NotAnswered;
    }
}

void WaylandDesktopGrab::OnAnswer(InhibitorRequests::Inhibitor inhibitor, bool active)
{
    m_inhibitors.SetActive(inhibitor, active);
    Update();
}

// The compositor's answer to a question is sent before the keyboard comes
// back to the program, so it is read before a window's new focus counts.
void WaylandDesktopGrab::OnFocusWindowChanged(QWindow* focus)
{
    m_client.DispatchPending();
    m_inhibitors.KeyboardTo(focus);
    Update();
}

void WaylandDesktopGrab::Update()
{
    UpdateHeld();
    UpdateAhead();
    TakeKeyboard();
}

void WaylandDesktopGrab::UpdateHeld()
{
    const bool held = m_inhibitors.IsActive(KeyboardWindow());
    const bool asking = m_inhibitors.MayBeAsking();
    if (held == m_held && asking == m_asking)
        return;
    m_held = held;
    m_asking = asking;
    emit holdChanged();
}

// The question ahead is settled by the compositor's word, or by its silence
// for the grace time while the window has the keyboard; the time stops while
// the keyboard is away, as it is while the compositor asks its user.
void WaylandDesktopGrab::UpdateAhead()
{
    if (!m_ahead)
        return;
    switch (m_inhibitors.WordOn(m_ahead)) {
    case ShortcutsInhibitors::Word::Granted:
        FinishAhead(true, "granted");
        return;
    case ShortcutsInhibitors::Word::Refused:
    case ShortcutsInhibitors::Word::TakenBack:
        FinishAhead(false, "refused");
        return;
    case ShortcutsInhibitors::Word::None:
        break;
    }
    if (QGuiApplication::focusWindow() != m_ahead)
        m_aheadTimer.stop();
    else if (!m_aheadTimer.isActive())
        m_aheadTimer.start();
}

void WaylandDesktopGrab::FinishAhead(bool granted, const char* how)
{
    qCInfo(lcLock, "asked the desktop ahead of any play to hold its shortcuts back: %s", how);
    EndAhead();
    DispatchWhileNeeded();
    m_refusedAhead = !granted;
    if (!granted)
        emit refusedAhead();
}

// The window asked on ahead gets its shortcuts back.
void WaylandDesktopGrab::EndAhead()
{
    m_aheadTimer.stop();
    QWindow* const window = m_ahead;
    m_ahead = nullptr;
    if (!window)
        return;
    window->removeEventFilter(this);
    m_inhibitors.SurfaceGone(window);
}

// The compositor's answers come over Qt's connection, whose reading wakes the
// event loop; they are delivered each time the loop is about to wait again,
// so nothing wakes the play while the compositor says nothing.
void WaylandDesktopGrab::DispatchWhileNeeded()
{
    if (!m_play && !m_ahead) {
        disconnect(m_dispatchOnWait);
        m_dispatchOnWait = {};
    } else if (!m_dispatchOnWait) {
        m_dispatchOnWait =
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                    this, [this] { m_client.DispatchPending(); });
    }
}

bool WaylandDesktopGrab::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWindow*>(watched);
    if (!window)
        return false;
    switch (event->type()) {
    case QEvent::Expose:
        if (window->isExposed())
            AskFor(window);
        break;
    case QEvent::Hide:
        Forget(window);
        break;
    case QEvent::PlatformSurface:
        if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            Forget(window);
        break;
    default:
        break;
    }
    return false;
}
