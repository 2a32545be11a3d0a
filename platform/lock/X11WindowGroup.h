// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

// Puts `window` into the X11 window group led by `leader` (WM_HINTS). Qt puts
// every window of the program into one group, in which window managers such
// as metacity and xfwm4 keep a dialog that belongs to the whole group (Qt's
// dialogs without a parent) above all the others: the play's windows leave
// that group so that no dialog of the program stays above them. Does nothing
// off X11.
void JoinWindowGroup(QWindow& window, const QWindow& leader);
