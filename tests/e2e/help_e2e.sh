#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb and openbox, driven with xdotool: F1 opens one
# help window that belongs to no other window; a second request brings the same
# window to the front; the About dialog's F1 reaches it too, and it stays when
# the About dialog closes.
# Usage: help_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/../../scripts/desktop.sh"

start_desktop
start_tapnest

help_windows() { visible_windows --name '^Tapnest Help$' || true; }

xdotool key F1
help=$(find_window 'Tapnest Help' 20)
[ -n "$help" ] || fail "F1 opened no help window"
xprop -id "$help" WM_TRANSIENT_FOR | grep -q "not found" || fail "the help window belongs to another window"
wait_active "$help" || fail "the help window did not come to the front"

xdotool windowactivate --sync "$welcome"
xdotool key alt+h
wait_active "$help" || fail "a second request did not bring the help window to the front"
[ "$(help_windows | wc -l)" = 1 ] || fail "a second request opened a second help window"

# The About dialog from the welcome dialog's context menu.
xdotool windowactivate --sync "$welcome"
eval "$(xdotool getwindowgeometry --shell "$welcome")"
app_windows() { { visible_windows --pid "$app_pid" || true; } | wc -l; }
windows_before=$(app_windows)
xdotool mousemove $((X + 20)) $((Y + 20)) click 3
menu_open() { [ "$(app_windows)" -gt "$windows_before" ]; }
wait_for 3 menu_open || fail "a right click opened no context menu"
xdotool key Down Return
about=$(find_window 'About Tapnest' 20)
[ -n "$about" ] || fail "the context menu did not open the About dialog"
xdotool windowactivate --sync "$about"
xdotool key F1
wait_active "$help" || fail "F1 in the About dialog did not bring the help window to the front"
xdotool windowactivate --sync "$about"
xdotool key Return
wait_for 5 window_gone "About Tapnest" || fail "OK did not close the About dialog"
[ "$(help_windows | wc -l)" = 1 ] || fail "the help window went away with the About dialog"
kill -0 "$app_pid" || fail "the program ended"

close_tapnest
echo "end-to-end help: passed"
