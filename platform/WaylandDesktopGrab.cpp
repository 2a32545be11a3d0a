#include "platform/WaylandDesktopGrab.h"

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
                   const bool held = Holds();
                   m_inhibitors.SetActive(inhibitor, active);
                   if (Holds() != held)
                       emit holdChanged();
               }),
      m_inhibitors(m_client)
{
    m_dispatchTimer.setInterval(kDispatchIntervalMs);
    connect(&m_dispatchTimer, &QTimer::timeout, this, &WaylandDesktopGrab::Dispatch);
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
    m_inhibitors.SurfaceGone(cover);
    std::erase(m_windows, cover);
}

void WaylandDesktopGrab::ReleaseAll()
{
    m_dispatchTimer.stop();
    for (QWindow* window : m_windows) {
        if (window)
            window->removeEventFilter(this);
    }
    m_windows.clear();
    const bool held = Holds();
    m_inhibitors.Clear();
    if (held)
        emit holdChanged();
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
        m_inhibitors.SurfaceGone(window);
        break;
    case QEvent::PlatformSurface:
        if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            m_inhibitors.SurfaceGone(window);
        break;
    default:
        break;
    }
    return false;
}

void WaylandDesktopGrab::Dispatch()
{
    m_client.DispatchPending();
}
