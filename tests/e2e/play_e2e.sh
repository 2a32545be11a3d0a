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
other=$(xdotool search --sync --name '^xmessage$' | head -n1)

start_tapnest

shot() { import -window root "$work/$1.png"; }
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
center_colour() {
    convert "$work/$1.png" -format '%[pixel:p{512,700}]' info:
}

xdotool key Return
play=""
for _ in $(seq 50); do
    play=$(xdotool getactivewindow 2>/dev/null || true)
    [ -n "$play" ] && [ "$play" != "$welcome" ] && break
    sleep 0.1
done
[ "$play" != "$welcome" ] || fail "Enter did not start a play"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$play")"
[ "$WIDTH" = 1024 ] && [ "$HEIGHT" = 768 ] || fail "play window is ${WIDTH}x${HEIGHT}, not the whole screen"
shot start
case "$(center_colour start)" in
    *"0,0,255"* | blue) ;;
    *) fail "first frame is not the blue background: $(center_colour start)" ;;
esac

for key in x y z space b c; do xdotool key "$key"; sleep 0.4; done
shot pictures
[ "$(differing start pictures)" -gt 2000 ] || fail "key presses showed no picture"

xdotool key alt+Tab; sleep 0.5
[ "$(xdotool getactivewindow)" = "$play" ] || fail "Alt+Tab switched away from the play"
xdotool key super; sleep 0.5
xdotool key ctrl+Escape; sleep 0.5
xdotool key alt+F4; sleep 0.5
[ "$(xdotool getactivewindow)" = "$play" ] || fail "a system key switched away from the play"
kill -0 "$app_pid" || fail "the program ended during the play"

xdotool mousemove 650 550 click 1; sleep 0.5
[ "$(xdotool getactivewindow)" = "$play" ] || fail "a click reached another window"

for key in k o l o 4 8 6; do xdotool key "$key"; sleep 0.35; done
sleep 1
active=$(xdotool getactivewindow)
[ "$active" = "$welcome" ] || fail "the quit word did not bring the welcome dialog back"

xdotool key alt+Tab; sleep 1
[ "$(xdotool getactivewindow)" != "$welcome" ] || fail "Alt+Tab is still swallowed after the play"

xdotool windowactivate --sync "$welcome"
xdotool key alt+c
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "Close did not end the program"
[ "$(stat -c %s "$work/app/Kipo.ini")" = 36 ] || fail "Kipo.ini was not written at exit"
echo "end-to-end play: passed"
