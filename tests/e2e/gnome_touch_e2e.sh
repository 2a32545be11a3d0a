#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, installed, on a headless GNOME Shell with two monitors
# and a touchscreen over both, the desktop's shortcuts held back (Allow).
# A play started before the seat had a touchscreen shows the one-line hint;
# once it has one, the hint adds that touch gestures are not locked. A tap
# shows a picture. GNOME's drag down from a screen's top edge takes the
# focused window out of full screen; the play's window is full screen again
# at once. GNOME's app switch (three fingers held, a fourth tapped) finds no
# window of the program but the play's, and the keyboard stays with them.
# The gestures that GNOME 43 lets
# take the child out of any play are checked to do so, so that the test
# tells when a GNOME stops: the overview by a swipe up of three or four
# fingers, the next workspace by three fingers to the left; and so is the
# way back that the help gives. Where GNOME offers its on-screen keyboard, a
# drag up from the bottom edge opens it over the play.
# Usage: gnome_touch_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/gnome_desktop.sh"
source "$(dirname "$0")/gnome_touch.sh"

# How long after the finger lifts from a drag down the top edge the play must
# be full screen again.
full_screen_again_ms=250

# Gestures after which the child is out of the play on GNOME 43, as
# "effect | gesture | way back": the shell's word for what it did (see
# shell_events), the gesture on the primary monitor (1280x800), and what
# brings the child back: a tap on the play's preview in the overview; from
# the next workspace the opposite swipe, or a tap on the cover, which stays
# on the second monitor and asks for the play with the tap in hand.
leaving=(
    "overview | swipe 3 640 600 0 -400 0.3 | tap 640 400"
    "overview | swipe 4 640 600 0 -400 0.3 | tap 640 400"
    "workspace:0-1 | swipe 3 900 400 -600 0 0.3 | swipe 3 400 400 600 0 0.3"
    "workspace:0-1 | swipe 3 900 400 -600 0 0.3 | tap 1792 400"
)

# The screen's top edge of each monitor, as "monitor x": a drag starts there.
top_edges=("0 640" "1 1792")

# How many lines of text the hint at the top left of the shot $1 of the
# primary monitor shows: the runs of rows with pixels of the hint's colour.
hint_lines() {
    convert "$work/$1.png" -crop 640x120+0+0 +repage -fill black +opaque '#FFC8C8' \
        -fill white -opaque '#FFC8C8' -colorspace gray -scale '1x120!' -depth 16 txt:- |
        awk -F'[()]' 'NR > 1 { ink = $2 + 0 > 0; runs += ink && !inside; inside = ink }
            END { print runs + 0 }'
}

# Which of the windows with the ids $1 (a JSON array) left full screen
# first after the time $2 (see gnome_touch.sh), when, and when it came back,
# in milliseconds after that time: "ID LEFT BACK", with "-" for what did not
# happen.
full_screen_out_after() {
    js 'JSON.stringify(global.e2e.fullScreenChanges)' | jq -r --argjson ids "$1" --argjson since "$2" '
        [.[] | select(.time >= $since and (.id as $id | $ids | index($id)))
            | {id, fullscreen, ms: ((.time - $since) / 1000 | round)}]
        | (map(.fullscreen) | index(false)) as $left
        | if $left == null then "- - -"
          else .[$left].id as $id
          | "\($id) \(.[$left].ms) \(.[$left:] | map(select(.id == $id and .fullscreen)) | first | .ms // "-")"
          end'
}

# The play as the child sees it, in four words: what of the shell is open
# over the windows ("idle", or the overview, a modal, a workspace switch, the
# on-screen keyboard, joined by "+"), the active workspace, which window has
# the keyboard ("play", "cover", "none" or another window's title) and
# whether the play is full screen on the primary monitor ("full" or
# "windowed"). As it was before any gesture: "idle 0 play full".
play_state() {
    js "(() => {
        const open = [
            Main.overview.visible || Main.overview.animationInProgress ? 'overview' : '',
            Main.modalCount > 0 ? 'modal' : '',
            Main.wm._workspaceAnimation._switchData ? 'switch' : '',
            Main.keyboard.visible ? 'keyboard' : '',
        ].filter(word => word).join('+') || 'idle';
        const workspace = global.workspace_manager.get_active_workspace_index();
        const ours = w => w?.get_pid() === $app_pid && w.title === '$play_title';
        const focus = global.display.focus_window;
        const keyboard = !focus ? 'none' : !ours(focus) ? focus.title
            : focus.get_monitor() === 0 ? 'play' : 'cover';
        const play = global.get_window_actors().map(a => a.meta_window)
            .find(w => ours(w) && w.get_monitor() === 0);
        const frame = play?.get_frame_rect(), monitor = Main.layoutManager.monitors[0];
        const full = play?.is_fullscreen() && frame.x === monitor.x && frame.y === monitor.y &&
            frame.width === monitor.width && frame.height === monitor.height;
        return \`\${open} \${workspace} \${keyboard} \${full ? 'full' : 'windowed'}\`;
    })()"
}
play_back() { [ "$(play_state)" = "idle 0 play full" ]; }
shell_settled() { [[ $(play_state) == "idle 0 "* ]]; }

# Puts the play back: closes the overview, goes back to the first
# workspace, makes the play full screen and gives it the keyboard.
put_play_back() {
    js "Main.overview.hide();
        global.workspace_manager.get_workspace_by_index(0).activate(global.get_current_time());
        global.get_window_actors().map(a => a.meta_window).find(w =>
            w.title === '$play_title' && w.get_pid() === $app_pid && w.get_monitor() === 0)
            .make_fullscreen();" >/dev/null
    wait_for 3 shell_settled || fail_hard "the desktop does not settle: the play is '$(play_state)'"
    play_focused || give_play_focus
    wait_for 2 play_back || fail_hard "the play is not back: '$(play_state)'"
    forget_events
}

# Starts a play from the welcome dialog and waits for it to have the keyboard.
start_play() {
    wait_for 3 welcome_focused || fail_hard "the welcome dialog does not have the keyboard, $(focus_description) has"
    key Return
    wait_for 3 play_open || fail_hard "Enter did not start a play"
    wait_for 3 play_focused || fail_hard "the play does not have the keyboard: $(focus_description) has"
    wait_for 3 play_full_screen || fail_hard "the play is not full screen: $(play_windows)"
}
# Types the quit word and waits for the welcome dialog.
end_play() {
    quit_play
    wait_for 3 play_ended || fail_hard "the quit word did not end the play"
    wait_for 3 welcome_shown || fail_hard "the welcome dialog is not back after the play"
}
play_ended() { ! play_open; }
fired() { [[ " $(shell_events) " == *" $1 "* ]]; }

# a. GNOME asks about the shortcuts while the welcome dialog is up: Allow. A
# play before the first touch (mutter adds the touchscreen to the seat with
# it) has a hint of one line.
write_settings autoDisplayOn=0 keyDelayOn=0
start_gnome
start_tapnest
wait_for 5 question_shown ||
    fail_hard "GNOME did not ask to inhibit the shortcuts while the welcome dialog was up"
key Return
start_play
shot 0 untouched
[ "$(hint_lines untouched)" = 1 ] ||
    fail "the hint of a play without a touchscreen has $(hint_lines untouched) lines, not 1"
end_play

# b. The parent touches the welcome dialog's text: the seat has a
# touchscreen from now on, and the next play says in its hint that touch
# gestures are not locked.
read -r x y width _ < <(welcome_rect)
tap $((x + width / 2)) $((y + 80))
start_play
shot 0 touched
[ "$(hint_lines touched)" = 2 ] ||
    fail "the hint of a play with a touchscreen has $(hint_lines touched) lines, not 2"

# c. A tap is the child's input: a picture appears.
tap 640 500
picture_shown() { shot 0 tapped && [ "$(differing touched tapped)" -gt 200 ]; }
wait_for 2 picture_shown || fail "a tap showed no picture: $(differing touched tapped) pixels changed"

# d. A drag down the top edge of either monitor takes the focused window out
# of full screen, and it is full screen again within the time. That is the
# play, or the cover when the drag starts on it: a touch gives the window it
# lands on the keyboard, and the play may or may not have it back by the
# time the finger lifts. Either way the keyboard stays with the play's
# windows.
ids=$(play_windows | jq -c 'map(.id)')
back_in_full_screen() { [[ $(full_screen_out_after "$ids" "$lifted") != *" -" ]]; }
for entry in "${top_edges[@]}"; do
    read -r monitor x <<<"$entry"
    drag "$x" 1 0 300 0.3
    wait_for 2 back_in_full_screen || true
    read -r id left back < <(full_screen_out_after "$ids" "$lifted")
    window=$(windows | jq -r --arg id "$id" 'first(.[] | select((.id | tostring) == $id)
        | if .monitor == 0 then "play" else "cover" end) // "play"')
    if [ "$left" = - ]; then
        fail "a drag down the top of monitor $monitor left the play in full screen: GNOME no longer takes it out"
    elif [ "$back" = - ]; then
        fail "the $window was not full screen again after a drag down the top of monitor $monitor"
    else
        echo "a drag down the top of monitor $monitor: the $window out of full screen from $left to $back ms after the finger lifted"
        [ "$back" -le "$full_screen_again_ms" ] ||
            fail "the $window took $back ms to be full screen again after a drag down the top of monitor $monitor"
    fi
    state=$(play_state)
    case $state in
    "idle 0 play full" | "idle 0 cover full") cover_full_screen ||
        fail "after a drag down the top of monitor $monitor the cover is not full screen: $(play_windows)" ;;
    *) fail "after a drag down the top of monitor $monitor the play is '$state'" ;;
    esac
    put_play_back
done

# e. The app switch brings up no other window of the program, and the
# keyboard stays with the play's windows (GNOME hands it to the next window
# in its stack: the cover), which still hold the shortcuts back.
hold_tap 3 640 400 0.4
sleep 0.3 # the switch follows the fourth finger
others=$(app_windows | jq -c --arg title "$play_title" '[.[] | select(.title != $title) | .title]')
[ "$others" = "[]" ] || fail "the app switch found windows of the program beside the play: $others"
read -r _ _ keyboard _ < <(play_state)
[[ $keyboard == play || $keyboard == cover ]] ||
    fail "the app switch took the keyboard from the play to $(focus_description)"
forget_events
mark=$(log_mark "$work/tapnest.log")
key Super_L
# The keyboard may go from the cover back to the play meanwhile.
shell_did() { shell_events | tr ' ' '\n' | grep -vx "focus:$play_title" | paste -sd ' '; }
wait_for 2 key_reached "$work/tapnest.log" "$mark" "$key_code" && [ -z "$(shell_did)" ] ||
    fail "after the app switch Super did not reach the play: the shell did '$(shell_did)'"
put_play_back

# f. What still takes the child out of the play on GNOME 43, and the way
# back to it. Back from the next workspace, the keyboard may stay with the
# cover, which took it there.
play_in_view() {
    local state
    state=$(play_state)
    [[ $state == "idle 0 play full" || $state == "idle 0 cover full" ]]
}
for entry in "${leaving[@]}"; do
    IFS='|' read -r effect gesture way_back <<<"$entry"
    read -r effect <<<"$effect" && read -r gesture <<<"$gesture" && read -r way_back <<<"$way_back"
    forget_events
    # shellcheck disable=SC2086 # the gestures' words
    $gesture
    if ! wait_for 2 fired "$effect"; then
        fail "'$gesture' no longer leaves the play on this GNOME ($effect expected): the shell did '$(shell_events)'"
    else
        $way_back
        # The overview's animation out takes longer on a busy machine.
        wait_for 5 play_in_view || fail "'$way_back' did not bring the play back after '$gesture': '$(play_state)'"
    fi
    put_play_back
done

# g. Where GNOME offers its on-screen keyboard (a tablet in touch mode, or
# with the keyboard switched on in Accessibility), a drag up from the bottom
# edge opens it over the play. Its keys type into the play, which keeps the
# keyboard, but its settings key offers GNOME's Settings. The headless seat
# is never in touch mode, so the test switches the keyboard on as
# Accessibility does.
a11y="new imports.gi.Gio.Settings({schema_id: 'org.gnome.desktop.a11y.applications'})"
js "$a11y.set_boolean('screen-keyboard-enabled', true)" >/dev/null
forget_events
drag 640 798 0 -300 0.3
wait_for 2 fired on-screen-keyboard ||
    fail "a drag up from the bottom edge no longer opens the on-screen keyboard: the shell did '$(shell_events)'"
play_focused || fail "the on-screen keyboard took the keyboard from the play to $(focus_description)"
js "$a11y.set_boolean('screen-keyboard-enabled', false)" >/dev/null
wait_for 2 play_back || fail_hard "the on-screen keyboard did not go: the play is '$(play_state)'"

end_play
finish "end-to-end GNOME touch"
