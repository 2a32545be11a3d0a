#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as an X11 client through XWayland under headless sway: its
# X grab holds nothing of the compositor back, so the play says so, in a line
# under its hint and on standard error, and goes on as a play.
# Usage: xwayland_play_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/wayland_desktop.sh"

# Key delay, time limit and auto display off.
write_settings keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
start_sway 1024x768 --xwayland
start_tapnest xcb

key Return
wait_for 5 play_focused || fail_hard "Enter did not start a play (the focus is on $(focus_description))"

note_shown() { shot HEADLESS-1 note && [ "$(note_pixels note)" -gt 20 ]; }
wait_for 5 note_shown || fail "the play does not say that the system keys are not locked"
grep -q "cannot grab the keyboard" "$work/tapnest.log" ||
    fail "standard error does not say that the system keys are not locked"

key x y
pictures_shown() { shot HEADLESS-1 pictures && [ "$(differing note pictures)" -gt 2000 ]; }
wait_for 2 pictures_shown || fail "key presses showed no picture"
# Each cleared frame draws the note again, but a picture at a random place may
# lie over it: only a note missing after several pictures is a fault.
note_back() {
    local attempt
    for attempt in 1 2 3; do
        wait_for 1 note_shown && return 0
        key z
    done
    wait_for 1 note_shown
}
note_back || fail "a picture took the note away"

quit_play
wait_for 5 welcome_focused || fail_hard "the quit word did not bring the welcome dialog back"
close_tapnest
finish "end-to-end XWayland play"
