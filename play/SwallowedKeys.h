// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// The keys a play keeps from every handler of its windows.

// Tab, Esc, the Super keys, F1, F4, F12, and Space while Ctrl is down: the keys that would
// switch away from the play or close it.
bool IsSwallowedKey(const QKeyEvent& event);
// Alt and key presses with Alt held, and F10: the desktop's system keys.
bool IsSystemKey(const QKeyEvent& event);
// Either of the above: what the play's lock holds back.
bool IsHeldBackKey(const QKeyEvent& event);
