#include "platform/DisplayPlatform.h"

#include <QByteArray>
#include <QtGlobal>

void PreferNativeWayland()
{
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland;xcb"));
}
