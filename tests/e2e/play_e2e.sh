#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb and openbox, driven with xdotool: Enter starts a
# play over the whole screen, keys show pictures, Alt+Tab and Super do not
# switch away, the quit word ends the play and the desktop's keys work again.
# Usage: play_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/../../scripts/desktop.sh"

start_desktop

xmessage -geometry 300x100+600+500 "other window" &
pids+=($!)
other=$(find_window xmessage)

start_tapnest

shot() { import -window root "$work/$1.png"; }
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }

start_play
full_screen() {
    eval "$(xdotool getwindowgeometry --shell "$play")"
    [ "$WIDTH" = 1024 ] && [ "$HEIGHT" = 768 ]
}
wait_for 3 full_screen || fail "play window is ${WIDTH}x${HEIGHT}, not the whole screen"
wait_first_frame start || fail "the first frame is not the blue background"

# A key every 0.4 s, past the play's key delay of 0.3 s: each shows a picture.
for key in x y z space b c; do xdotool key "$key"; sleep 0.4; done
shot pictures
[ "$(differing start pictures)" -gt 2000 ] || fail "key presses showed no picture"

# Each system key is given a moment to switch away, which it must not take.
for chord in alt+Tab super ctrl+Escape alt+F4; do
    xdotool key "$chord"
    sleep 0.3
    is_active "$play" || fail "$chord switched away from the play"
done
kill -0 "$app_pid" || fail "the program ended during the play"

# As long for a click to reach another window, which it must not.
xdotool mousemove 650 550 click 1; sleep 0.5
is_active "$play" || fail "a click reached another window"

quit_play
wait_active "$welcome" || fail "the quit word did not bring the welcome dialog back"

xdotool key alt+Tab
welcome_left() { ! is_active "$welcome"; }
wait_for 3 welcome_left || fail "Alt+Tab is still swallowed after the play"

close_tapnest
[ "$(stat -c %s "$work/app/Kipo.ini")" = 36 ] || fail "Kipo.ini was not written at exit"
echo "end-to-end play: passed"
