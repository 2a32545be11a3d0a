// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/DesktopGrab.h"

#include "platform/DisplayPlatform.h"
#include "platform/lock/KeyboardPointerGrab.h"
#include "platform/lock/OwnSessionGrab.h"
#include "platform/lock/WaylandDesktopGrab.h"

#include <QGuiApplication>

const char* DescribeLoss(LockLoss loss)
{
    switch (loss) {
    case LockLoss::NoWay:
        return "this desktop offers no way to hold its shortcuts back";
    case LockLoss::Refused:
        return "the desktop refused";
    case LockLoss::NotAnswered:
        return "the desktop did not answer";
    case LockLoss::TakenBack:
        return "the desktop took it back";
    case LockLoss::KeyboardElsewhere:
        return "another program's window has the keyboard";
    }
    return "unknown";
}

std::unique_ptr<DesktopGrab> MakeDesktopGrab()
{
    if (const ScriptedDesktopGrabs* const scripted = ScriptedDesktopGrabs::Active())
        return scripted->m_maker();
    if (RunsInOwnSession())
        return std::make_unique<OwnSessionGrab>();
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return std::make_unique<WaylandDesktopGrab>();
    const bool throughXWayland =
        platform == QLatin1String("xcb") && qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    return std::make_unique<KeyboardPointerGrab>(throughXWayland);
}
