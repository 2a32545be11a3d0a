// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <cstdint>
#include <span>
#include <vector>

// One child of the X11 root window: a window manager's frame, or a window of
// its own such as a menu or a notification (override-redirect).
struct StackedWindow
{
    std::uint32_t id = 0;
    QRect area;                // in root coordinates
    bool shows = false;        // viewable, and drawn (not input-only)
    bool placesItself = false; // override-redirect: no window manager places it
};

// The shown windows that are not among `ours` and lie, somewhere, over one of
// ours. `stack` runs from the bottom to the top, as the X server lists it.
std::vector<StackedWindow> WindowsOverOurs(std::span<const StackedWindow> stack,
                                           std::span<const std::uint32_t> ours);

// How long the hold waits before it looks at the desktop again, after
// `unsettled` looks in a row that found something to mend (0: none did):
// quickly while it may just be settling, then once a second while something
// keeps it from holding; every few seconds when all holds.
int NextLookMs(int unsettled);

// Looks in a row after which a disturbance no longer brings the next look
// forward: a desktop that keeps undoing the hold is looked at once a second.
constexpr int kQuickLooks = 10;
