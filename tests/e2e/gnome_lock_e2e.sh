#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, installed, on a headless GNOME Shell with two monitors.
# Each shortcut of the desktop first fires on a plain window. Then GNOME asks
# once whether the program may inhibit the shortcuts, while its welcome
# dialog is up and before any play; after Allow the parent's shortcuts still
# work in the welcome dialog. Enter starts a play that has the keyboard at
# once, full screen on its monitor with a cover on the other, and is never
# asked about. During the play every shortcut reaches the play instead of
# firing, the hot corner does nothing and a notification leaves the keyboard
# with the play. The quit word ends the play, and the shortcuts fire again.
# Last, a parent who denies, after GNOME forgot the answer, sees a note in the
# welcome dialog and on the play screen; and a copy that GNOME does not know
# by name is asked about once at its play, which tells no loss meanwhile.
# Usage: gnome_lock_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/gnome_desktop.sh"

# The desktop's shortcuts, as "chord effect [maximize]": the chord as typed,
# and how it shows that it fired: a word the shell records (shell_events),
# or file:NAME for the marker NAME it leaves. "maximize" fires it on a
# maximised window. Alt+F4 comes last, since it closes the window.
shortcuts=(
    "Super_L overview"
    "super+a overview"
    "super+s overview"
    "super+h minimize"
    "super+v calendar"
    "super+Tab modal:AppSwitcherPopup"
    "super+Up size-change:maximize"
    "super+Down size-change:unmaximize maximize"
    "super+Left size-change:maximize"
    "super+Right size-change:maximize"
    "super+1 file:super-1"
    "super+Page_Down workspace"
    "alt+Tab modal:AppSwitcherPopup"
    "alt+F1 -"
    "alt+F2 modal:RunDialog"
    "alt+F7 grab-op"
    "alt+space window-menu"
    "alt+Escape modal:WindowCyclerPopup"
    "ctrl+alt+Right workspace"
    "Print modal:ScreenshotUI"
    "ctrl+alt+m file:custom"
    "alt+F4 destroy"
)

# JavaScript for the windows of the pid $1.
windows_of() { echo "global.get_window_actors().map(a => a.meta_window).filter(w => w.get_pid() === $1)"; }
has_window() { [ "$(windows | jq --argjson pid "$1" 'any(.[]; .pid == $pid)')" = true ]; }

# Ends the program without a word to it, and waits until it has ended.
kill_tapnest() {
    kill "$app_pid" 2>/dev/null || true
    wait_for 5 app_ended || fail_hard "the program did not end"
}

# Whether the effect $1 (see shortcuts) was seen.
fired() {
    case $1 in
    file:*) test -e "$markers/${1#file:}" ;;
    *) [[ " $(shell_events)" == *" $1"* ]] ;;
    esac
}

# Puts the desktop back as it was before a shortcut fired on a window of the
# pid $1: Escape closes what opened, as for a user; the overview (which
# Escape takes from the app grid to the windows), the windows' state and the
# workspace are set back directly, and the first window gets the focus.
# Returns once nothing moves.
put_back() {
    key Escape
    js "(ws => {
        Main.overview.hide();
        ws.forEach(w => { w.unminimize(); w.unmaximize(Meta.MaximizeFlags.BOTH); });
        global.workspace_manager.get_workspace_by_index(0).activate(global.get_current_time());
        ws[0]?.activate(global.get_current_time());
    })($(windows_of "$1"))" >/dev/null
    rm -f "$markers"/*
    wait_for 3 put_back_done "$1" || fail_hard "the desktop was not put back: the focus is on $(focus_description)"
    forget_events
}
put_back_done() {
    desktop_idle && js_true '!Main.wm._workspaceAnimation._switchData' &&
        { ! has_window "$1" || [ "$(focused pid)" = "$1" ]; }
}

# Each shortcut fires on a plain window of another program, which has the
# focus; $1 says when, for messages. Alt+F1 shows nothing on GNOME 43
# without X11 (mutter lets the key through), so it is only checked during
# the play. The hot corner opens the overview.
check_shortcuts_fire() {
    local entry chord effect prepare
    open_test_window
    for entry in "${shortcuts[@]}"; do
        read -r chord effect prepare <<<"$entry"
        [ "$effect" != - ] || continue
        [ -z "$prepare" ] || js "$(windows_of "$test_window_pid")[0].maximize(Meta.MaximizeFlags.BOTH)" >/dev/null
        forget_events
        key "$chord"
        wait_for 3 fired "$effect" || fail "$chord did not fire $1: the shell did '$(shell_events)'"
        put_back "$test_window_pid"
    done
    push_into_hot_corner
    wait_for 3 fired overview || fail "the hot corner did not open the overview $1"
    put_back "$test_window_pid"
    # Away from the corner, which acts again only once the pointer left it.
    move_pointer 400 300
}

# Pushes the pointer into the top left corner of the primary monitor, where
# the hot corner is, as a hand on a mouse does: a few strokes against it.
push_into_hot_corner() {
    for _ in 1 2 3 4 5; do move_pointer -2000 -2000; done
}

# During the play every shortcut reaches the play: the desktop does nothing
# and leaves no marker. When keeping going after a failure, the play is put
# back so that each shortcut is judged alone.
check_shortcuts_swallowed() {
    local entry chord mark
    for entry in "${shortcuts[@]}"; do
        read -r chord _ <<<"$entry"
        forget_events
        mark=$(log_mark "$work/tapnest.log")
        key "$chord"
        if ! wait_for 2 key_reached "$work/tapnest.log" "$mark" "$key_code"; then
            fail "$chord did not reach the play: the shell did '$(shell_events)', markers '$(fired_markers)'"
        elif [ -n "$(shell_events)$(fired_markers)" ]; then
            fail "$chord reached the play, and the shell did '$(shell_events)', markers '$(fired_markers)'"
        else
            continue
        fi
        put_back "$app_pid"
        give_play_focus
    done
}

covered() { shot 1 cover && [ "$(colours_in cover)" = "$background" ]; }

# Whether GNOME has decided on every shortcuts inhibitor that the program
# asked for since the mark $1, at least one for the play and one for the
# cover. A question shown meanwhile is answered Allow, so that the play can
# be checked further.
play_inhibited() {
    if question_shown; then key Return; fi
    local requested pending
    read -r requested pending < <(inhibitors "$work/tapnest.log" "$1")
    [ "$requested" -ge 2 ] && [ "$pending" = 0 ]
}

# a. Before the program runs, every shortcut fires.
write_settings autoDisplayOn=0
start_gnome
check_shortcuts_fire "before the program ran"

# b. GNOME asks while the welcome dialog is up; after Allow the parent's
# shortcuts still work there.
start_tapnest
if wait_for 5 question_shown; then
    key Return
    wait_for 3 js_true 'global.e2e.questionsShown === 0' || fail_hard "Enter did not answer GNOME's question"
    # Kept for the installed app, so that GNOME need not ask again.
    answer_granted() { [ "$(stored_answer)" = GRANTED ]; }
    wait_for 3 answer_granted || fail "GNOME did not keep the answer for $app_id: '$(stored_answer)'"
else
    fail "GNOME did not ask to inhibit the shortcuts while the welcome dialog was up"
fi
wait_for 3 welcome_focused || fail_hard "the welcome dialog does not have the focus, $(focus_description) has"
grep -q "asked the desktop ahead of any play to hold its shortcuts back: granted" "$work/tapnest.log" ||
    fail "the program did not take GNOME's Allow as the answer to its question"
forget_events
key Super_L
wait_for 3 fired overview || fail "Super does not open the overview from the welcome dialog"
put_back "$app_pid"

# c. Enter starts a play that has the keyboard at once, full screen on the
# primary monitor with a cover on the other, and GNOME asks nothing more.
questions_before_play=$(js global.e2e.questions)
mark=$(log_mark "$work/tapnest.log")
key Return
wait_for 3 play_open || fail_hard "Enter did not start a play"
focused_at_once=true
wait_for 2 play_focused || {
    focused_at_once=false
    fail "the play does not have the keyboard at once: $(focus_description) has"
}
wait_for 5 play_inhibited "$mark" ||
    fail "GNOME did not decide on the play's inhibitors: $(inhibitors "$work/tapnest.log" "$mark") (asked, pending)"
asked=$(($(js global.e2e.questions) - questions_before_play))
[ "$asked" = 0 ] || fail "GNOME asked $asked times to inhibit the shortcuts during the play"
if ! play_focused; then
    ! $focused_at_once || fail "the play lost the keyboard to $(focus_description)"
    give_play_focus
fi
wait_for 3 play_full_screen || fail "the play is not full screen on the primary monitor: $(play_windows)"
[ "$(play_window | jq -r .app_id)" = "$app_id" ] || fail "GNOME does not know the play as $app_id: $(play_window)"
wait_for 3 cover_full_screen || fail "no cover is full screen on the second monitor: $(play_windows)"
shot 0 play
read -r _ _ width height < <(monitor_rect 0)
background=$(colour_at play $((width / 2)) $((height - 40)))
wait_for 3 covered || fail "the second monitor shows $(colours_in cover), not only the play's $background"

# d. Every shortcut reaches the play; the play keeps the keyboard, stays full
# screen and says nothing about the keys; the hot corner does nothing.
check_shortcuts_swallowed
play_focused || fail "the shortcuts took the keyboard from the play to $(focus_description)"
play_full_screen || fail "the play is no longer full screen: $(play_windows)"
shot 0 swallowed
[ "$(note_pixels swallowed)" = 0 ] || fail "the play says that the system keys are not locked"
forget_events
push_into_hot_corner
# The corner acts as the pointer reaches it; a moment for what it would open.
sleep 0.3
[ -z "$(shell_events)" ] || fail "the hot corner acted during the play: '$(shell_events)'"

# e. A notification leaves the keyboard with the play.
notify "Tapnest end-to-end" "A message during the play"
wait_for 3 js_true 'Main.messageTray.queueCount > 0 || Main.messageTray.visible' ||
    fail "the notification did not reach the shell"
# A moment for the banner to show, if the shell showed one.
sleep 0.3
play_focused || fail "the notification took the keyboard from the play to $(focus_description)"

# f. The quit word ends the play, and the shortcuts fire again.
quit_play
play_ended() { ! play_open; }
wait_for 3 play_ended || fail_hard "the quit word did not end the play"
wait_for 3 welcome_shown || fail "the welcome dialog is not back after the play"
check_shortcuts_fire "after the play"
[ "$(js global.e2e.questions)" = 1 ] || fail "GNOME asked $(js global.e2e.questions) times, not once"

# g. A parent who denies. With the help's command GNOME forgets the answer
# and asks again when the program next opens; Escape denies. The welcome
# dialog then grows a note above its buttons, the play is not asked about
# and, once its grace time is over, says that the system keys are not
# locked, on the screen and on standard error.
# (The last Escape of the shortcuts' check may have closed the welcome dialog.)
kill_tapnest
forget_answer
[ -z "$(stored_answer)" ] || fail_hard "GNOME still keeps the answer '$(stored_answer)' for $app_id"
start_tapnest
wait_for 5 question_shown || fail_hard "GNOME did not ask again after forgetting"
read -r _ _ _ asked_height < <(welcome_rect)
key Escape
denied() { [ "$(stored_answer)" = DENIED ]; }
wait_for 3 denied || fail "Escape did not deny: GNOME keeps '$(stored_answer)'"
note_added() { read -r _ _ _ height < <(welcome_rect) && [ "$height" -gt "$asked_height" ]; }
wait_for 5 note_added || fail "the welcome dialog shows no note after Deny: $(welcome_rect)"
shot 0 welcome-denied # kept with the work directory, to be looked at
wait_for 3 welcome_focused || fail_hard "the welcome dialog does not have the focus, $(focus_description) has"
questions_before_play=$(js global.e2e.questions)
key Return
wait_for 3 play_focused || fail_hard "Enter did not start a play with the keyboard: $(focus_description) has"
note_shown() { shot 0 denied && [ "$(note_pixels denied)" -gt 20 ]; }
wait_for 5 note_shown || fail "the play does not say that the system keys are not locked"
grep -q "asked the desktop ahead of any play to hold its shortcuts back: refused" "$work/tapnest.log" ||
    fail "the program did not take GNOME's Deny as the answer to its question"
grep -q "cannot grab the keyboard (the desktop refused)" "$work/tapnest.log" ||
    fail "standard error does not say that the desktop refused the lock"
[ "$(js global.e2e.questions)" = "$questions_before_play" ] || fail "GNOME asked during the denied play"
quit_play
wait_for 3 play_ended || fail_hard "the quit word did not end the denied play"

# h. A copy that GNOME does not know by name (no desktop entry): GNOME keeps
# no answer and asks again at the play, once, over it. While the question is
# open no loss of the lock is told, however long the parent takes; after
# Allow the play holds the shortcuts back and tells no loss either.
kill_tapnest
rm "$work/home/.local/share/applications/$app_id.desktop"
app_unknown() { js_true "Shell.AppSystem.get_default().lookup_app('$app_id.desktop') === null"; }
# GNOME reads its folders of desktop entries again some seconds after a change.
wait_for 10 app_unknown || fail_hard "GNOME still knows $app_id after its desktop entry went"
start_tapnest
wait_for 5 question_shown || fail_hard "GNOME did not ask at the welcome dialog of a copy"
key Return
wait_for 3 welcome_focused || fail_hard "the welcome dialog does not have the focus, $(focus_description) has"
questions_before_play=$(js global.e2e.questions)
key Return
wait_for 5 question_shown || fail_hard "GNOME did not ask at the play of a copy"
sleep 3 # longer than the grace time of the lock
! grep -q "cannot grab the keyboard" "$work/tapnest.log" ||
    fail "the play told a lost lock while GNOME's question was open"
key Return
wait_for 3 play_focused || fail_hard "the play did not get the keyboard back after Allow: $(focus_description) has"
check_shortcuts_swallowed_quickly() {
    local chord mark
    for chord in Super_L alt+Tab; do
        forget_events
        mark=$(log_mark "$work/tapnest.log")
        key "$chord"
        wait_for 2 key_reached "$work/tapnest.log" "$mark" "$key_code" && [ -z "$(shell_events)" ] ||
            fail "$chord was not held back from the play of a copy: the shell did '$(shell_events)'"
    done
}
check_shortcuts_swallowed_quickly
sleep 2.5 # the grace time, to see that no loss is told after the grant
shot 0 copy
[ "$(note_pixels copy)" = 0 ] || fail "the play of a copy says that the system keys are not locked"
! grep -q "cannot grab the keyboard" "$work/tapnest.log" || fail "the play of a copy told a lost lock"
asked=$(($(js global.e2e.questions) - questions_before_play))
[ "$asked" = 1 ] || fail "GNOME asked $asked times during the play of a copy, not once"
quit_play
wait_for 3 play_ended || fail_hard "the quit word did not end the copy's play"
finish "end-to-end GNOME lock"
