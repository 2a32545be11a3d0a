// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayPlatform.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <wayland-client.h>
#include <xcb/xcb.h>

namespace {

// The platform plug-ins Qt tries in turn: the user's list in QT_QPA_PLATFORM (each name
// without its options), else Wayland in a Wayland session, then X11.
QList<QByteArray> PlatformsQtTries()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen.isEmpty()) {
        if (qgetenv("XDG_SESSION_TYPE") == "wayland")
            return {"wayland", "xcb"};
        return {"xcb"};
    }
    QList<QByteArray> names;
    for (const QByteArray& entry : chosen.split(';'))
        names << entry.split(':').front();
    return names;
}

std::string Quoted(const char* variable)
{
    return '"' + qgetenv(variable).toStdString() + '"';
}

std::string X11Problem()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return "DISPLAY is not set";
    xcb_connection_t* const connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed ? "the X display " + Quoted("DISPLAY") + " cannot be opened" : std::string();
}

// Without WAYLAND_DISPLAY, Wayland clients look for the compositor's default socket; a name
// that is no path is looked for in XDG_RUNTIME_DIR, without which libwayland would say so on
// a line of its own.
std::string WaylandProblem()
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    const bool findable = name.startsWith('/') || qEnvironmentVariableIsSet("WAYLAND_SOCKET") ||
                          !qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR");
    if (findable) {
        if (wl_display* const display = wl_display_connect(nullptr)) {
            wl_display_disconnect(display);
            return {};
        }
    }
    if (name.isEmpty())
        return "WAYLAND_DISPLAY is not set";
    if (!findable)
        return "XDG_RUNTIME_DIR is not set";
    return "the Wayland display " + Quoted("WAYLAND_DISPLAY") + " cannot be opened";
}

// Other plug-ins, such as offscreen, need no display.
std::string ProblemOf(const QByteArray& platform)
{
    if (platform == "xcb")
        return X11Problem();
    if (platform.startsWith("wayland"))
        return WaylandProblem();
    return {};
}

} // namespace

std::string DisplayUnavailableReason()
{
    std::string reasons;
    for (const QByteArray& platform : PlatformsQtTries()) {
        const std::string problem = ProblemOf(platform);
        if (problem.empty())
            return {};
        reasons += (reasons.empty() ? "" : "; ") + problem;
    }
    return reasons;
}
