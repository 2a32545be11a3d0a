#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program natively on Wayland, under headless sway: Enter starts a
# play that is full screen on the first output, with the program's app id and
# no title bar, and covers both a second output that was there from the start
# and a third one added during the play; keys and clicks show pictures while
# none of the desktop's shortcuts fires and the workspace stays; a click on
# another output leaves the keys with the play; the play is full screen again
# at once when the desktop takes that away; the welcome dialog is off the
# screen during the play, and the quit word brings it back; the desktop's
# shortcuts work again.
# Usage: wayland_play_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/wayland_desktop.sh"

# The defaults, but without pictures shown by themselves after a pause.
write_settings autoDisplayOn=0
start_sway
second=$(add_output 800x600 1024 0) || fail_hard "sway did not add an output"
start_tapnest
welcome=$(focused id)
[ -z "$(fired_markers)" ] || fail_hard "shortcuts fired before any was pressed: $(fired_markers)"

# When keeping going after a failure: the play gets the focus back and the
# markers are cleared, so each later check sees only its own fault.
recover() {
    keeping_going || return 0
    swaymsg "[con_id=$play] focus" >/dev/null 2>&1 || true
    rm -f "$markers"/*
}

key Return
wait_for 5 play_focused || fail_hard "Enter did not start a play (the focus is on $(focus_description))"
[ "$(focused pid)" = "$app_pid" ] || fail_hard "Enter gave the focus to another program"
play=$(focused id)
play_full_screen() { [ "$(focused fullscreen_mode)" = 1 ] && [ "$(focused_geometry)" = "0 0 1024 768" ]; }
wait_for 2 play_full_screen ||
    fail "the play is not full screen: fullscreen mode $(focused fullscreen_mode), geometry $(focused_geometry)"
[ "$(focused output)" = HEADLESS-1 ] || fail "the play is on $(focused output), not HEADLESS-1"
[ "$(focused app_id)" = org.quillwork.tapnest ] ||
    fail "the play's app id is '$(focused app_id)', not org.quillwork.tapnest"
# No gesture or shortcut can hand the keyboard to a window that is not there.
welcome_mapped() {
    [ "$(swaymsg -t get_tree | jq --arg name "$welcome_title" --argjson pid "$app_pid" \
        'any(.. | objects; .pid? == $pid and .name? == $name)')" = true ]
}
welcome_gone() { ! welcome_mapped; }
wait_for 2 welcome_gone || fail "the welcome dialog stays on the screen during the play"

# The desktop takes the play out of full screen; it asks for it again at once.
# The time is sway's: from its event of the change to its event of the next.
swaymsg -m -t subscribe '["window"]' |
    jq --unbuffered -r --argjson id "$play" \
        'select(.change == "fullscreen_mode" and .container.id == $id) | .container.fullscreen_mode' |
    while read -r mode; do echo "${EPOCHREALTIME/./} $mode"; done >"$work/fullscreen.log" &
pids+=($!)
# A moment for the subscription to be in place: sway tells nothing of it.
sleep 0.2
swaymsg "[con_id=$play] fullscreen disable" >/dev/null
back_full_screen() { grep -q ' 1$' "$work/fullscreen.log"; }
if wait_for 2 back_full_screen; then
    delay_ms=$(awk '$2 == 0 && !t { t = $1 } $2 == 1 && t { print int(($1 - t) / 1000); exit }' "$work/fullscreen.log")
    echo "full screen again after $delay_ms ms"
    [ "$delay_ms" -lt 250 ] || fail "the play took $delay_ms ms to be full screen again"
else
    fail "the play did not ask for full screen again"
fi
wait_for 2 play_full_screen || fail "the play is not full screen again: $(focused_geometry)"

first_frame() { shot HEADLESS-1 start && [ "$(colour_at start 512 700)" = 0000FF ]; }
wait_for 3 first_frame || fail "the first frame is not the blue background: $(colour_at start 512 700)"
background=$(colour_at start 512 700)
# A title bar or frame would show along the top, right of the quit hint.
[ "$(colours_in start 600x24+424+0)" = "$background" ] ||
    fail "the play's top edge shows $(colours_in start 600x24+424+0), not only its background $background"

# An output is covered when all of it is the play's background.
covered() { shot "$1" "$2" && [ "$(colours_in "$2")" = "$background" ]; }
# An output shows nothing of the play when it is all sway's empty background.
covered_by_nothing() { shot "$1" after && [ "$(colours_in after)" = 3F3F3F ]; }
wait_for 3 covered "$second" second ||
    fail "$second, there before the play, shows $(colours_in second), not only the play's background"

# Each shortcut is given a moment to fire, and all of them a while more for
# the commands they would run: none must leave its marker.
for entry in "${bindings[@]}"; do
    read -r chord _ <<<"$entry"
    key "$chord"
    sleep 0.1
done
sleep 0.5
[ -z "$(fired_markers)" ] || fail "the desktop's shortcuts fired during the play: $(fired_markers)"
[ "$(focused_workspace)" = 1 ] || fail "a shortcut switched to workspace $(focused_workspace)"
[ "$(focused id)" = "$play" ] || fail "a shortcut took the focus from the play to $(focus_description)"
kill -0 "$app_pid" 2>/dev/null || fail_hard "the program ended during the play"
recover

# A key every 0.4 s, past the play's key delay of 0.3 s: each shows a picture.
type_slowly 0.4 x y z space b c
shot HEADLESS-1 pictures
[ "$(differing start pictures)" -gt 2000 ] || fail "key presses showed no picture"
# By now a lock that was not granted would have been reported.
[ "$(note_pixels pictures)" = 0 ] || fail "the play says that the system keys are not locked"

click 800 600
clicked() { shot HEADLESS-1 clicked && [ "$(differing pictures clicked)" -gt 2000 ]; }
wait_for 2 clicked || fail "a click on the play showed no picture"

third=$(add_output 640x480 0 768) || fail_hard "sway did not add an output during the play"
wait_for 3 covered "$third" third ||
    fail "$third, added during the play, shows $(colours_in third), not only the play's background"
[ "$(focused id)" = "$play" ] || fail "adding an output took the focus from the play to $(focus_description)"
echo "outputs: $(outputs | paste -sd ',' | sed 's/,/, /g')"
recover

# A click on another output may focus a window of the program, but the keys
# stay the play's: the shortcuts stay swallowed and the quit word still works.
for output in "$second" "$third"; do
    read -r x y < <(output_centre "$output")
    # The click and the shortcut are each given a moment to take the keys
    # away, which they must not.
    click "$x" "$y"
    sleep 0.3
    [ "$(focused pid)" = "$app_pid" ] ||
        fail "a click on $output took the focus from the program to $(focus_description)"
    key super+Return
    sleep 0.3
    [ -z "$(fired_markers)" ] || fail "after a click on $output the shortcuts fire: $(fired_markers)"
    recover
done

# The quit word typed on the last output clicked. The welcome dialog comes
# back on the first output; sway hands the keyboard to a window that asks for
# it only when its configuration says so (focus_on_window_activation), so the
# focus stays on the output the child clicked last.
quit_play
play_gone() { ! window_visible "$play"; }
wait_for 3 play_gone || fail_hard "the quit word did not end the play"
wait_for 2 welcome_mapped || fail_hard "the welcome dialog is not back after the play"
welcome=$(swaymsg -t get_tree | jq --arg name "$welcome_title" --argjson pid "$app_pid" \
    'first(.. | objects | select(.pid? == $pid and .name? == $name)).id')
wait_for 2 covered_by_nothing "$second" || fail "$second still shows $(colours_in after) after the play"

key super+Return
wait_for 2 test -e "$markers/super-return" || fail "Super+Return is still swallowed after the play"

swaymsg "[con_id=$welcome] focus" >/dev/null
wait_for 2 welcome_focused || fail_hard "the welcome dialog cannot be given the focus"
close_tapnest
[ "$(stat -c %s "$work/app/Kipo.ini")" = 36 ] || fail "Kipo.ini was not written at exit"
finish "end-to-end Wayland play"
