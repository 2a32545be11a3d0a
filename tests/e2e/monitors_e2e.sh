#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The play on two monitors side by side: a 2048x768 screen that RandR splits
# into the primary monitor (1024x768 at 0,0) and a second one (1024x768 at
# 1024,0). The play shows its pictures on the primary monitor only; the second
# is covered in the play's background colour, hiding the desktop and the
# welcome dialog, and a click there is play input; a monitor unplugged and
# plugged in again during the play loses its cover and gets a new one; the
# quit word takes every cover down.
# Usage: monitors_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/../../scripts/desktop.sh"

# Key delay, time limit and auto display off: the screen changes only when the
# play takes an input.
write_settings keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0

start_desktop 2048x768
xrandr --setmonitor '*left' 1024/271x768/203+0+0 screen >/dev/null
xrandr --setmonitor right 1024/271x768/203+1024+0 none >/dev/null
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] || fail "RandR did not split the screen"

# Something of the desktop on the second monitor.
xmessage -geometry 300x100+1600+500 "other window" 2>/dev/null &
pids+=($!)
other=$(find_window xmessage)

start_tapnest
xdotool windowmove --sync "$welcome" 1200 150
xdotool windowactivate --sync "$welcome"

failures=0
check_failed() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

shot() { import -window root "$work/$1.png"; }
crop() { convert "$work/$1.png" -crop "$2" +repage "$work/$1-$3.png"; }
left() { crop "$1" 1024x768+0+0 left; }
right() { crop "$1" 1024x768+1024+0 right; }
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
colours() { convert "$work/$1.png" -format '%k' info:; }
pixel() { convert "$work/$1.png" -format "%[pixel:p{$2}]" info:; }

# Whether the second monitor in the shot $1, taken now, is one colour, the
# play's background.
covered() {
    shot "$1"
    right "$1"
    [ "$(colours "$1-right")" = 1 ] && [ "$(pixel "$1-right" 0,0)" = "$background" ]
}
# Waits up to two seconds for the second monitor to be covered; $2 says when.
check_covered() {
    wait_for 2 covered "$1" && return 0
    local count
    count=$(colours "$1-right")
    if [ "$count" != 1 ]; then
        check_failed "$2: the second monitor shows $count colours, not the play's background alone"
    else
        check_failed "$2: the second monitor is $(pixel "$1-right" 0,0), not the play's background $background"
    fi
}
# Waits up to two seconds for the primary monitor in the shot $1, taken now,
# to differ from the shot $2 by a picture.
picture_shown() { shot "$1" && left "$1" && [ "$(differing "$2-left" "$1-left")" -gt 2000 ]; }

shot desktop
xdotool key Return
# The play window and the cover share the program's name: the play is the
# one that keeps the focus. A window manager may hand the focus to the cover
# as it maps it, and the play takes it back at once: the focus counts once two
# looks a moment apart find it on the same window.
play=""
seen=""
for _ in $(seq 40); do
    active=$(xdotool getactivewindow 2>/dev/null || true)
    if [ -n "$active" ] && [ "$(xdotool getwindowname "$active" 2>/dev/null)" = tapnest ]; then
        [ "$active" = "$seen" ] && play=$active && break
        seen=$active
    else
        seen=""
    fi
    sleep 0.25
done
[ -n "$play" ] || fail "Return did not start a play with the focus"
# Qt sees the two monitors as two screens: the play fills the primary only.
on_primary() {
    eval "$(xdotool getwindowgeometry --shell "$play")"
    [ "${WIDTH}x${HEIGHT}+$X+$Y" = 1024x768+0+0 ]
}
wait_for 3 on_primary || check_failed "the play window is ${WIDTH}x${HEIGHT}+$X+$Y, not the primary monitor"

wait_first_frame start || check_failed "the play's first frame is not its blue background"
background=$(pixel start 512,700)
left start
# Below the hint line, where no picture was drawn yet at the start.
check_covered start "after Start"

for key in x y z space b c; do xdotool key "$key"; done
wait_for 2 picture_shown pictures start || check_failed "key presses showed no picture on the primary monitor"
check_covered pictures "after key presses"

xdotool mousemove 1500 300 click 1
wait_for 2 picture_shown click pictures ||
    check_failed "a click on the second monitor showed no picture on the primary monitor"
check_covered click "after a click on the second monitor"
[ "$(xdotool getwindowfocus)" = "$play" ] || check_failed "a click on the second monitor took the focus from the play"

# A monitor unplugged during the play loses its cover, one plugged in gets one.
xrandr --delmonitor right >/dev/null
uncovered() { shot unplugged && right unplugged && [ "$(colours unplugged-right)" -gt 1 ]; }
wait_for 2 uncovered || check_failed "the cover stayed after its monitor was unplugged"
xrandr --setmonitor right 1024/271x768/203+1024+0 none >/dev/null
check_covered plugged "after the monitor was plugged in again"
[ "$(xdotool getwindowfocus)" = "$play" ] || check_failed "plugging a monitor in took the focus from the play"
# The window manager moved the other program's window off the unplugged
# monitor: it goes back, for the look at the desktop after the play.
xdotool windowmove --sync "$other" 1600 500

quit_play
wait_active "$welcome" || fail "the quit word did not bring the welcome dialog back"
eval "$(xdotool getwindowgeometry --shell "$other")"
crop desktop "${WIDTH}x${HEIGHT}+$X+$Y" other
desktop_back() {
    shot after && crop after "${WIDTH}x${HEIGHT}+$X+$Y" other &&
        [ "$(differing desktop-other after-other)" -le 50 ]
}
wait_for 2 desktop_back ||
    check_failed "after the play the second monitor does not show the desktop again"

[ "$failures" = 0 ] || exit 1
echo "end-to-end monitors: passed"
