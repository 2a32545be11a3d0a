// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// In a Wayland session the program runs as a Wayland client unless the user
// chose a platform (QT_QPA_PLATFORM): through XWayland nothing can hold the
// compositor's shortcuts back. Without Qt's Wayland plug-in it falls back to
// X11. Called before the application object exists.
void PreferNativeWayland();

// Why none of the platforms Qt will try can open its display, one line; empty when one can,
// or needs no display. Qt would end the program in an abort; the program says why and ends
// instead. Called before the application object exists, after PreferNativeWayland.
std::string DisplayUnavailableReason();

// The desktop session is GNOME's (XDG_CURRENT_DESKTOP names it).
bool RunsOnGnome();

// The session is the program's own locked one, where a kiosk compositor runs
// the program alone: its session file sets XDG_CURRENT_DESKTOP to "Tapnest".
bool RunsInOwnSession();

// The program's desktop entry is where desktops look for it, so a desktop
// knows the program by its name and can remember its answers for it.
bool DesktopEntryInstalled();

// The program runs as a Wayland client: the compositor decides where its
// windows go and may hand the keyboard to any of them.
bool RunsAsWaylandClient();

// A touchscreen is attached: the desktop's touch gestures can reach it.
bool TouchScreenPresent();
