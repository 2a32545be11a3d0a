#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb and openbox, driven with xdotool: Alt+T in the
# welcome dialog opens the setup, which reports the out-of-range time limit of
# Kipo.ini at once, over the welcome dialog, and then has the focus on that
# edit; a new time limit typed there is saved to Kipo.ini by OK, and the
# program keeps it when it ends.
# Usage: setup_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/../../scripts/desktop.sh"

# The defaults, but a time limit of 0 minutes, below its range.
write_settings timeLimitMinutes=0

start_desktop
start_tapnest

# The time limit in minutes: the fourth 32-bit little-endian integer of Kipo.ini.
time_limit() { od -An -t d4 -j 12 -N 4 "$work/app/Kipo.ini" | tr -d ' '; }

# The centre of a window as "x y".
centre() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
}
# Whether the point $2,$3 lies on the window $1.
on_window() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [ "$2" -ge "$X" ] && [ "$2" -lt $((X + WIDTH)) ] && [ "$3" -ge "$Y" ] && [ "$3" -lt $((Y + HEIGHT)) ]
}

# The welcome dialog away from the screen's centre, where a message that had
# no owner would show.
xdotool windowmove --sync "$welcome" 20 20
xdotool key alt+t
message=$(find_window tapnest)
[ -n "$message" ] || fail "the time limit 0 was not reported when the setup opened"
wait_active "$message" || fail "the message did not get the focus"
# Qt places a message over its owner by the window frames it has seen so far,
# which differ by some pixels from run to run; over it is what counts.
read -r mx my < <(centre "$message")
on_window "$welcome" "$mx" "$my" || fail "the message's centre $mx,$my is not over the welcome dialog"
xdotool key Return
setup=$(find_window Setup)
[ -n "$setup" ] || fail "Alt+T did not open the setup"
wait_active "$setup" || fail "the setup does not have the focus"

# The time-limit edit has the focus with its text selected; Enter presses OK.
xdotool type --delay 50 37
xdotool key Return
wait_for 5 window_gone Setup || fail "OK did not close the setup"
[ -f "$work/app/Kipo.ini" ] || fail "OK did not write Kipo.ini"
[ "$(stat -c %s "$work/app/Kipo.ini")" = 36 ] || fail "Kipo.ini is not 36 bytes"
[ "$(time_limit)" = 37 ] || fail "Kipo.ini holds time limit $(time_limit), not 37"

close_tapnest
[ "$(time_limit)" = 37 ] || fail "the program did not keep the new time limit at exit"
echo "end-to-end setup: passed"
