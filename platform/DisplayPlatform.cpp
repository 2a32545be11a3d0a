// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayPlatform.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QInputDevice>
#include <QStandardPaths>
#include <QtGlobal>

#include <algorithm>

void PreferNativeWayland()
{
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland;xcb"));
}

namespace {

bool CurrentDesktopIs(const char* name)
{
    const QList<QByteArray> desktops = qgetenv("XDG_CURRENT_DESKTOP").split(':');
    return std::ranges::any_of(desktops, [name](const QByteArray& desktop) {
        return desktop.compare(name, Qt::CaseInsensitive) == 0;
    });
}

} // namespace

bool RunsOnGnome()
{
    return CurrentDesktopIs("GNOME");
}

bool RunsInOwnSession()
{
    return CurrentDesktopIs("Tapnest");
}

bool DesktopEntryInstalled()
{
    const QString entry = QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    return !QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry).isEmpty();
}

bool RunsAsWaylandClient()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool TouchScreenPresent()
{
    const QList<const QInputDevice*> devices = QInputDevice::devices();
    return std::ranges::any_of(devices, [](const QInputDevice* device) {
        return device->type() == QInputDevice::DeviceType::TouchScreen;
    });
}
