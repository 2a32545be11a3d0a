#include "platform/lock/WaylandDesktopGrab.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <qpa/qplatformnativeinterface.h>

#include <algorithm>

namespace {

// How often the compositor's answers are read while a play runs.
constexpr int kDispatchIntervalMs = 50;

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
                   m_inhibitors.SetActive(inhibitor, active);
                   UpdateHeld();
               }),
      m_inhibitors(m_client)
{
    m_dispatchTimer.setInterval(kDispatchIntervalMs);
    connect(&m_dispatchTimer, &QTimer::timeout, this, [this] { m_client.DispatchPending(); });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &WaylandDesktopGrab::UpdateHeld);
}

WaylandDesktopGrab::~WaylandDesktopGrab()
{
    ReleaseAll();
}

void WaylandDesktopGrab::Engage(QWindow* play)
{
    ReleaseAll();
    Watch(play);
    m_dispatchTimer.start();
}

void WaylandDesktopGrab::AddCover(QWindow* cover)
{
    Watch(cover);
}

void WaylandDesktopGrab::RemoveCover(QWindow* cover)
{
    cover->removeEventFilter(this);
    std::erase(m_windows, cover);
    Forget(cover);
}

void WaylandDesktopGrab::ReleaseAll()
{
    m_dispatchTimer.stop();
    for (QWindow* window : m_windows) {
        if (window)
            window->removeEventFilter(this);
    }
    m_windows.clear();
    m_inhibitors.Clear();
    UpdateHeld();
}

void WaylandDesktopGrab::Watch(QWindow* window)
{
    m_windows.emplace_back(window);
    window->installEventFilter(this);
    if (window->isExposed())
        AskFor(window);
}

// Qt makes a new surface each time a window is shown; the inhibitors follow.
void WaylandDesktopGrab::AskFor(QWindow* window)
{
    m_inhibitors.SurfaceShown(window, NativeResource("surface", window));
}

void WaylandDesktopGrab::Forget(QWindow* window)
{
    m_inhibitors.SurfaceGone(window);
    UpdateHeld();
}

// The window of the play that has the keyboard; null while none has it, and
// then the compositor's shortcuts work whatever it granted.
QWindow* WaylandDesktopGrab::KeyboardWindow() const
{
    QWindow* focus = QGuiApplication::focusWindow();
    return std::find(m_windows.begin(), m_windows.end(), focus) != m_windows.end() ? focus
                                                                                   : nullptr;
}

void WaylandDesktopGrab::UpdateHeld()
{
    const bool held = m_inhibitors.IsActive(KeyboardWindow());
    if (held == m_held)
        return;
    m_held = held;
    emit holdChanged();
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
