#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The play under a given window manager, with other programs' windows opening
# during it: each stays below the play and gets none of the keys; whenever one
# opens, is raised, is given the focus or closes by itself, the focus is back
# in the play and the play above it within 250 ms (a window that places itself,
# as a menu does, goes under the play); the welcome dialog is never above the
# play, and its shortcut keys typed afterwards (Alt+C, Alt+T, Return) are play
# input.
# Usage: focus_e2e.sh <build/bin directory> <openbox|xfwm4|metacity>
set -euo pipefail

source "$(dirname "$0")/../../scripts/desktop.sh"
wm=${2:-openbox}

# Key delay, time limit and auto display off: the screen changes only when the
# play takes an input.
write_settings keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0

start_desktop "" "$wm"
start_tapnest

# A failed check is reported and the test goes on, so one run names every
# check that fails; the test fails at the end.
failures=0
check_failed() {
    echo "FAIL ($wm): $*" >&2
    failures=$((failures + 1))
}

now_ms() { date +%s%3N; }
window_name() { xprop -id "$1" -notype WM_NAME 2>/dev/null | sed -n 's/^WM_NAME = //p'; }
focus() { xdotool getwindowfocus 2>/dev/null || true; }
shot() { import -window root "$work/$1.png"; }

# How many pixels of the rectangle $3 (WxH+X+Y) differ between two shots.
region_diff() {
    convert "$work/$1.png" -crop "$3" +repage "$work/a.png"
    convert "$work/$2.png" -crop "$3" +repage "$work/b.png"
    compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true
}

root_id=$(($(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')))
# The child of the root window that holds the window $1: its frame, or itself.
top_level() {
    local id=$(($1)) parent
    while parent=$(($(xwininfo -children -id "$id" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')))
        [ "$parent" != "$root_id" ] && [ "$parent" != 0 ]; do
        id=$parent
    done
    echo "$id"
}

# The children of the root window, managed or not, from the top to the bottom.
top_levels() { xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'; }

# Whether the top-level window $1 is stacked above the play's.
above_play() {
    local order upper lower
    order=$(top_levels | while read -r id; do echo $((id)); done)
    upper=$(grep -nx "$1" <<<"$order" | cut -d: -f1)
    lower=$(grep -nx "$play_top" <<<"$order" | cut -d: -f1)
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -lt "$lower" ]
}

# The play is above the window $2 within 250 ms of the event $1.
play_back_on_top() {
    local what=$1 top start
    top=$(top_level "$2")
    start=$(now_ms)
    while above_play "$top"; do
        if [ $(($(now_ms) - start)) -gt 250 ]; then
            check_failed "$what: the window is above the play after 250 ms"
            return 0
        fi
        sleep 0.01
    done
}

# The managed windows from the bottom to the top.
stacking() {
    xprop -root -notype _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' |
        while read -r id; do echo $((id)); done
}

# Whether the window $1 is above the window $2; false unless both are managed.
is_above() {
    local order upper lower
    order=$(stacking)
    upper=$(grep -nx "$1" <<<"$order" | cut -d: -f1)
    lower=$(grep -nx "$2" <<<"$order" | cut -d: -f1)
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -gt "$lower" ]
}

check_welcome_below() {
    if is_above "$welcome" "$play"; then check_failed "the welcome dialog is above the play $1"; fi
}

# Waits up to five seconds for a visible window of the X resource name $1.
wait_mapped() { wait_for 5 first_visible --classname "^$1\$" && echo "$window_found"; }

# Waits up to five seconds until no window of the X resource name $1 is visible.
wait_unmapped() { wait_for 5 none_visible --classname "^$1\$"; }
none_visible() { ! visible_windows "$@" >/dev/null; }

# Watches the focus for $2 ms (1000 unless given) from the event $1 on: each
# time it is outside the play, it must be back within 250 ms.
focus_stays_in_play() {
    local what=$1 now out_since end
    out_since=$(now_ms)
    end=$((out_since + ${2:-1000}))
    while now=$(now_ms); [ "$now" -lt "$end" ]; do
        if [ "$(focus)" = "$play" ]; then
            out_since=""
        else
            [ -n "$out_since" ] || out_since=$now
            if [ $((now - out_since)) -gt 250 ]; then
                check_failed "$what: the focus is on $(window_name "$(focus)"), not back in the play after 250 ms"
                return 0
            fi
        fi
        sleep 0.02
    done
}

xdotool key Return
play=$(find_window tapnest)
[ -n "$play" ] || fail "Return did not start a play"
play_focused() { [ "$(focus)" = "$play" ]; }
wait_for 2 play_focused || check_failed "the play did not get the focus: it is on $(window_name "$(focus)")"
wait_first_frame first || check_failed "the play's first frame is not its blue background"
check_welcome_below "at its start"
play_top=$(top_level "$play")

# A terminal copying its keys to a file, opened during the play and closed.
open_terminal() {
    xterm -name tapnestterm -geometry 60x10+560+420 -e sh -c 'exec cat >"$1"' sh "$1" \
        >/dev/null 2>&1 &
    term_pid=$!
    pids+=("$term_pid")
    term=$(wait_mapped tapnestterm) || fail "the xterm did not open"
}
open_terminal "$work/typed"
play_back_on_top "an xterm opened" "$term"
focus_stays_in_play "an xterm opened"
is_above "$play" "$term" || check_failed "the xterm is above the play"
check_welcome_below "after an xterm opened"
# A moment for the xterm to draw itself, which must not show.
sleep 0.3
shot term
eval "$(xdotool getwindowgeometry --shell "$term")"
[ "$(region_diff first term "${WIDTH}x${HEIGHT}+$X+$Y")" -le 50 ] ||
    check_failed "the xterm shows on the screen over the play"
xdotool type --delay 60 abc
xdotool key Return
# As long for the keys to reach the xterm, which they must not.
sleep 0.5
[ ! -s "$work/typed" ] || check_failed "keys typed during the play reached the xterm: $(cat "$work/typed")"
# Raised by another program, it is under the play again at once.
xdotool windowraise "$term"
play_back_on_top "an xterm was raised" "$term"
kill "$term_pid"
wait_unmapped tapnestterm || fail "the xterm did not close"
focus_stays_in_play "the xterm closed"
check_welcome_below "after the xterm closed"

# A message that closes by itself, and one that is given the focus, as a pager
# or the program itself would, before it closes.
xmessage -name tapnestnote -geometry 300x100+600+200 -timeout 2 "a message" 2>/dev/null &
note_pid=$!
note=$(wait_mapped tapnestnote) || fail "the message did not open"
focus_stays_in_play "a message opened" 600
is_above "$play" "$note" || check_failed "the message is above the play"
wait "$note_pid" || true
focus_stays_in_play "a message closed by itself"
check_welcome_below "after a message closed"

xmessage -name tapnestfocus -geometry 300x100+600+200 -timeout 2 "another message" 2>/dev/null &
note_pid=$!
note=$(wait_mapped tapnestfocus) || fail "the second message did not open"
xdotool windowactivate "$note" 2>/dev/null || true
play_back_on_top "a message was activated" "$note"
focus_stays_in_play "a message was given the focus" 600
# The focus set on it straight, past the window manager.
xdotool windowfocus "$note" 2>/dev/null || true
focus_stays_in_play "a message was given the focus past the window manager" 600
wait "$note_pid" || true
focus_stays_in_play "a message that had been given the focus closed"
check_welcome_below "after a message that had the focus closed"

# A window that no window manager places, as a menu or a notification is:
# it goes under the play, and takes no focus from it.
menu_geometry=310x110+610+210
xmessage -xrm '*overrideRedirect: true' -geometry "$menu_geometry" -timeout 3 "a menu" \
    >/dev/null 2>&1 &
menu_pid=$!
pids+=("$menu_pid")
menu=""
for _ in $(seq 100); do
    menu=$(xwininfo -root -children | sed -n "s/^ *\(0x[0-9a-f]*\) .* $menu_geometry .*/\1/p" | head -n1)
    [ -n "$menu" ] && break
    sleep 0.05
done
[ -n "$menu" ] || fail "the window that places itself did not open"
# metacity stacks its own windows back under one it saw above them.
[ "$wm" = metacity ] || play_back_on_top "a window that places itself opened" "$menu"
focus_stays_in_play "a window that places itself opened" 600
wait "$menu_pid" || true

# The welcome dialog's keys: Close, Setup, and its default button Start.
# Each is given a moment to do what it does outside a play, which it must not.
shot before_keys
xdotool key alt+c
sleep 0.3
kill -0 "$app_pid" 2>/dev/null || fail "Alt+C typed during the play closed the program"
xdotool key alt+t
sleep 0.5
if window_shown Setup; then
    check_failed "Alt+T typed during the play opened the setup"
fi
xdotool key Return
keys_shown() { shot after_keys && [ "$(region_diff before_keys after_keys 1024x768+0+0)" -gt 2000 ]; }
wait_for 2 keys_shown || check_failed "Return typed during the play showed no picture"
# A second play would start again on a fresh background without a picture.
[ "$(region_diff first after_keys 1024x768+0+0)" -gt 0 ] ||
    check_failed "Return typed during the play started a second play"
[ "$(focus)" = "$play" ] || check_failed "after the keys the focus is on $(window_name "$(focus)")"
check_welcome_below "after the keys"

quit_play
wait_for 5 window_gone tapnest || fail "the quit word did not end the play"
wait_active "$welcome" || fail "the quit word did not bring the welcome dialog back"

# A terminal opened now does take the keys typed: the empty file above means
# the play kept them.
open_terminal "$work/typed-after"
xdotool windowactivate --sync "$term"
xdotool type --delay 60 ok
xdotool key Return
wait_for 3 grep -qx ok "$work/typed-after" || fail "an xterm takes no keys even after the play"

[ "$failures" = 0 ] || exit 1
echo "end-to-end focus under $wm: passed"
