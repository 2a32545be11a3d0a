#include "platform/lock/DesktopGrab.h"

#include "platform/lock/KeyboardPointerGrab.h"
#include "platform/lock/WaylandDesktopGrab.h"

#include <QGuiApplication>

std::unique_ptr<DesktopGrab> MakeDesktopGrab()
{
    if (const ScriptedDesktopGrabs* const scripted = ScriptedDesktopGrabs::Active())
        return scripted->m_maker();
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return std::make_unique<WaylandDesktopGrab>();
    const bool throughXWayland =
        platform == QLatin1String("xcb") && qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    return std::make_unique<KeyboardPointerGrab>(throughXWayland);
}
