// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// The X connection the windows were made on, or null where there is none (other
// platforms may offer the X11 interface too, without a connection that manages windows).
inline xcb_connection_t* X11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// A reply xcb allocated with malloc, freed with it.
struct XcbFree
{
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename Reply> using XcbReply = std::unique_ptr<Reply, XcbFree>;
