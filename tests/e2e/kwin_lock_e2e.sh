#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program natively on Wayland, under headless KWin with two outputs:
# the desktop's shortcuts and screen corners work before the program runs and
# its shortcuts while the welcome dialog has the focus; Enter starts a play
# that has the focus at once, full screen on its output with a cover on the
# other; during the play no shortcut fires, no corner reacts, the play keeps
# the focus and says nothing of unlocked keys; another program's new window
# takes the keyboard, which the play says, until a click gives it back; the
# quit word ends the play and the shortcuts work again.
# Usage: kwin_lock_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/kwin_desktop.sh"

# The desktop's shortcuts, as "chord|shortcut|undo|reach": the chord as the
# keyboard types it; the shortcut as the session client records it when it
# fires (see kwin_session.py); the chord that puts back what it changes, if
# anything, when no window has the focus; and "window" for those that act on
# the focused window, which are not pressed while the welcome dialog has it.
shortcuts=(
    "alt+Tab|kwin/Walk Through Windows||"
    "alt+F2|krunner/run command||"
    "alt+F3|kwin/Window Operations Menu||window"
    "alt+F4|kwin/Window Close||window"
    "alt+F7|kwin/Window Move||window"
    "alt+F8|kwin/Window Resize||window"
    "alt+space|krunner/run command||"
    "ctrl+F2|kwin/Switch to Desktop 2|ctrl+F1|window"
    "ctrl+F9|kwin/Expose|ctrl+F9|"
    "ctrl+F10|kwin/ExposeAll|ctrl+F10|"
    "Super_L|meta||"
    "super+Up|kwin/Window Quick Tile Top||window"
    "super+Down|kwin/Window Quick Tile Bottom||window"
    "super+Left|kwin/Window Quick Tile Left||window"
    "super+Right|kwin/Window Quick Tile Right||window"
    "super+d|kwin/Show Desktop|super+d|window"
    "super+w|kwin/Overview|super+w|"
    "super+Tab|activities/next activity||"
    "super+Prior|kwin/Window Maximize||window"
    "super+Next|kwin/Window Minimize||window"
    "ctrl+alt+Escape|kwin/Kill Window|Escape|window"
    "ctrl+alt+t|custom/open terminal||"
)
# Those that leave the focused window alone.
desktop_wide=()
for entry in "${shortcuts[@]}"; do
    [[ $entry == *'|window' ]] || desktop_wide+=("$entry")
done

# The corners of the layout, as "name x y", and where the pointer rests.
right=$((2 * output_width - 1))
bottom=$((output_height - 1))
corners=("TopLeft 0 0" "TopRight $right 0" "BottomRight $right $bottom" "BottomLeft 0 $bottom")
rest="move:$((output_width / 2)),$((output_height / 2))"

# Types the chord of each of the shortcuts "$@", then the chord that puts
# back what it changed.
press_each() {
    local entry chord undo
    for entry in "$@"; do
        IFS='|' read -r chord _ undo _ <<<"$entry"
        key "$chord" ${undo:+"$undo"}
    done
}
# Types each of the shortcuts "$2..." and fails, saying that it did not fire
# $1, for each one that does not.
expect_each_fires() {
    local when=$1 entry chord name
    shift
    for entry in "$@"; do
        IFS='|' read -r chord name _ <<<"$entry"
        forget_fired
        press_each "$entry"
        wait_for 2 has_fired "$name" || fail "$chord did not fire $name $when (fired: $(fired))"
    done
    forget_fired
}
# Touches each corner with the pointer, then rests it.
touch_corners() {
    local corner x y
    for corner in "${corners[@]}"; do
        read -r _ x y <<<"$corner"
        key "move:$x,$y" "$rest"
    done
}

write_settings autoDisplayOn=0
start_kwin
key "$rest"

# a. Everything the play must hold back works before the program runs.
expect_each_fires "before the program ran" "${shortcuts[@]}"
[ "$(current_desktop)" = 1 ] || fail_hard "the desktop switch was not put back"
touch_corners
for corner in "${corners[@]}"; do
    read -r name _ <<<"$corner"
    has_fired "corner/$name" || fail "the corner $name did nothing before the program ran"
done
forget_fired

# b. The welcome dialog opens with the focus, and nothing else opens: KWin
# asks nothing. The dialog asks for an inhibitor as it opens and gives it
# back at once, so a second later the parent's shortcuts work in it.
start_tapnest
[ -z "$(windows_not_of "$app_pid")" ] || fail "another window opened with the program: $(windows_not_of "$app_pid")"
sleep 1
welcome_focused || fail_hard "the welcome dialog lost the focus to $(focus_description)"
expect_each_fires "while the welcome dialog had the focus" "${desktop_wide[@]}"

# c. Enter starts a play that has the focus at once, full screen on the
# first output, and a cover full screen on the second.
key Return
play_focused() { has_focus "$app_pid" tapnest 0; }
wait_for 2 play_focused || fail_hard "Enter did not give the focus to a play on the first output: $(windows_description)"
play=$(focused_id)
full_screen_on "$play" 0 || fail "the play does not fill the first output: $(windows_description)"
[ "$(window_field "$play" appId)" = org.quillwork.tapnest ] ||
    fail "the play's app id is '$(window_field "$play" appId)', not org.quillwork.tapnest"
covered() {
    local cover
    for cover in $(window_ids "$app_pid" tapnest 1); do
        full_screen_on "$cover" 1 && return 0
    done
    return 1
}
wait_for 2 covered || fail "no cover fills the second output: $(windows_description)"
[ -z "$(windows_not_of "$app_pid")" ] || fail "another window opened with the play: $(windows_not_of "$app_pid")"

# When keeping going after a failure: the play gets the focus back and the
# record is cleared, so each later check sees only its own fault.
recover() {
    keeping_going || return 0
    activate "$play"
    forget_fired
}

# d. During the play no shortcut fires, the play keeps the focus and fills
# its output, and it says nothing of unlocked system keys; no corner reacts.
press_each "${shortcuts[@]}"
[ -z "$(fired)" ] || fail "shortcuts fired during the play: $(fired)"
[ "$(focused_id)" = "$play" ] || fail "a shortcut took the focus from the play to $(focus_description)"
full_screen_on "$play" 0 || fail "a shortcut moved the play: $(windows_description)"
[ "$(current_desktop)" = 1 ] || fail "a shortcut switched to desktop $(current_desktop)"
shot 0 play
[ "$(note_pixels play)" = 0 ] || fail "the play says that the system keys are not locked"
recover
# KWin holds back a corner only under the active full-screen window, so the
# corners of the play's own output say nothing: those of the cover's output
# stay the user's (the help tells the parent).
touch_corners
for corner in "${corners[@]}"; do
    read -r name x _ <<<"$corner"
    [ "$x" -ge "$output_width" ] || ! has_fired "corner/$name" ||
        fail "the corner $name of the play's output reacted during the play"
done
forget_fired
recover

# e. KWin gives the keyboard to any new window, even over a full-screen one,
# and lets no program take it back without the user: another program's
# window that opens during the play takes it. The play then says, on the
# screen and on standard error, that the system keys are not locked, and a
# click on the play gives it the keyboard and the lock again.
spawn_as_user "$work/zenity.log" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" GDK_BACKEND=wayland \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" NO_AT_BRIDGE=1 \
    zenity --info --title=Other --text="Another program"
other_pid=$!
pids+=("$other_pid")
other_focused() { has_focus "$other_pid" Other; }
wait_for 10 other_focused || fail_hard "the other program's window did not open: $(tail -n 3 "$work/zenity.log")"
note_shown() { shot 0 other && [ "$(note_pixels other)" -gt 20 ]; }
wait_for 5 note_shown || fail "the play does not say that the system keys are not locked"
grep -q "cannot grab the keyboard (another program's window has the keyboard)" "$work/tapnest.log" ||
    fail "standard error does not say that another window has the keyboard"
key "move:$((output_width / 4)),$((output_height / 4))" click "$rest"
wait_for 2 play_focused || fail_hard "a click on the play did not give it the keyboard: $(focus_description)"
note_gone() { shot 0 back && [ "$(note_pixels back)" = 0 ]; }
wait_for 3 note_gone || fail "the play still says that the system keys are not locked"
press_each "${desktop_wide[@]}"
[ -z "$(fired)" ] || fail "shortcuts fired after the play took the keyboard back: $(fired)"
kill "$other_pid"
recover

# f. The quit word ends the play; the welcome dialog comes back with the
# focus and the shortcuts work again.
quit_play
play_gone() { [ -z "$(window_ids "$app_pid" tapnest)" ]; }
wait_for 3 play_gone || fail_hard "the quit word did not end the play"
wait_for 2 welcome_focused || fail "the welcome dialog did not come back with the focus: $(windows_description)"
expect_each_fires "after the play" "${desktop_wide[@]}"

close_tapnest
finish "end-to-end KWin shortcut lock"
