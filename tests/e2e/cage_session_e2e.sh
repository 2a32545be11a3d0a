#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The locked login session: the session file's own command, cage around the
# program, run as the login screen runs it. The command starts cage without
# console switching. The program is cage's only client and finds the user's
# sound server; its play is full screen, keys and clicks show pictures and no
# key ends it but the quit word. The parent's windows (Setup, Manage Picture
# Group, the file dialog, the help window) come up whole in front, each does
# what it is asked and goes again; Close ends the program and cage with it.
# Then on two screens: the play covers both and takes clicks from both.
#
# cage 0.1.4 offers no virtual keyboard or pointer, so it runs on its Wayland
# backend in a window of headless sway, whose virtual keyboard and pointer
# reach cage as its own seat's devices, the way a real keyboard does; each
# of cage's outputs is a full-screen window on one of sway's. The shots are
# cage's own (wlr-screencopy), and cage names the window that has its
# keyboard in the title of its outputs' windows, which sway reports.
# Usage: cage_session_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/wayland_desktop.sh"
# A command that fails outside a check ends the test; it says which.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

session_file=$e2e_dir/../../packaging/tapnest-locked.desktop

# The session's command: cage, its options, "--" and the program alone.
read -r -a session_command <<<"$(sed -n 's/^Exec=//p' "$session_file")"
[ "${session_command[0]:-}" = cage ] || fail_hard "the session runs '${session_command[*]}', not cage"
options=()
for ((i = 1; i < ${#session_command[@]}; i++)); do
    [ "${session_command[i]}" = -- ] && break
    options+=("${session_command[i]}")
done
# After "--" the program, with at most an environment of NAME=value words.
[[ "${session_command[*]:i}" =~ ^--( env( [A-Z_]+=[^ ]+)+)?\ tapnest$ ]] ||
    fail_hard "the session's cage runs '${session_command[*]:i}', not the program alone"
# -m takes a value; any other word of letters is flags, and s would allow
# switching to another console.
for ((i = 0; i < ${#options[@]}; i++)); do
    case ${options[i]} in
    -m) i=$((i + 1)) ;;
    -m*) ;;
    -*s*) fail "the session lets cage switch consoles: ${options[*]}" ;;
    esac
done

# No shortcuts of sway's own: each key goes to cage. A login session starts
# in the user's home, where the file dialog then opens.
bindings=()
cd "$work/home"
# The defaults, but without pictures shown by themselves after a pause.
write_settings autoDisplayOn=0
convert -size 96x96 xc:'#20C040' "BMP3:$work/home/picked.bmp"
chown "$e2e_user:" "$work/home/picked.bmp"

start_sway
second=$(add_output 1024x768 1024 0) || fail_hard "sway did not add an output"
swaymsg seat seat0 cursor set 512 384 >/dev/null

# The user's sound server, where a session's programs find it: in the
# runtime directory.
spawn_as_user "$work/pulseaudio.log" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --use-pid-file=no --system=false --realtime=no --high-priority=no --no-cpu-limit \
    --log-target=stderr -L module-native-protocol-unix -L "module-null-sink sink_name=session_out"
pids+=($!)
wait_for 10 test -S "$XDG_RUNTIME_DIR/pulse/native" || fail_hard "the sound server did not start"

# cage's windows in sway, in the order of its outputs, as sway ids.
cage_windows() {
    swaymsg -t get_tree | jq -r --argjson pid "$cage_pid" '[.. | objects
        | select(.type? == "con" and .pid? == $pid)] | sort_by(.id) | .[].id'
}
# The title of the window that has cage's keyboard, as cage's windows in sway show it.
cage_focus() {
    swaymsg -t get_tree | jq -r --argjson pid "$cage_pid" 'first(.. | objects
        | select(.type? == "con" and .pid? == $pid) | .name) // empty'
}
cage_focus_is() {
    kill -0 "$cage_pid" 2>/dev/null || fail_hard "cage ended: $(tail -n 5 "$cage_log")"
    [ "$(cage_focus)" = "$1" ]
}
# The socket cage listens on, once it does.
cage_socket() {
    ss -xlpH | awk -v pid="pid=$cage_pid," 'index($0, pid) && $5 ~ /\/wayland-[0-9]+$/ { print $5; exit }'
}
cage_listening() { [ -n "$(cage_socket)" ]; }
cage_shows() { [ "$(cage_windows | wc -l)" = "$1" ]; }
# The pids of the processes connected to cage, one a line.
cage_clients() {
    ss -xpH | awk -v path="$cage_path" '
        { line[NR] = $0; inode[NR] = $6 }
        $5 == path { peer[$8] = 1 }
        END {
            for (n = 1; n <= NR; n++)
                if ((inode[n] in peer) && match(line[n], /pid=[0-9]+/))
                    print substr(line[n], RSTART + 4, RLENGTH - 4)
        }' | sort -u
}

# Puts the window with the sway id $1 full screen on sway's output $2;
# whether it is there.
fills() {
    swaymsg "[con_id=$1] move to output $2, fullscreen enable" >/dev/null || true
    swaymsg -t get_tree | jq -e --argjson id "$1" --arg output "$2" '.nodes[] | select(.name == $output)
        | .. | objects | select(.id? == $id and .fullscreen_mode == 1)' >/dev/null
}

# Runs the session's command with cage showing $1 outputs, each a full-screen
# window on the sway output of the same position (HEADLESS-1, then $second),
# and waits for the welcome dialog to have cage's keyboard. Sets cage_pid,
# cage_log, cage_path (its socket), cage_display and app_pid.
start_session() {
    local count=$1 id
    cage_log=$work/cage-$count.log
    spawn_as_user "$cage_log" PATH="$work/app:/usr/bin:/bin" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" \
        WLR_BACKENDS=wayland WLR_RENDERER=pixman WLR_WL_OUTPUTS="$count" "${session_command[@]}"
    cage_pid=$!
    pids+=("$cage_pid")
    wait_for 10 cage_listening || fail_hard "cage did not start: $(tail -n 5 "$cage_log")"
    cage_path=$(cage_socket)
    cage_display=${cage_path##*/}
    wait_for 5 cage_shows "$count" || fail_hard "cage did not show $count outputs in sway"
    local targets=(HEADLESS-1 "$second") n=0
    for id in $(cage_windows); do
        wait_for 5 fills "$id" "${targets[n]}" ||
            fail_hard "sway did not show cage's output $((n + 1)) full screen on ${targets[n]}"
        n=$((n + 1))
    done
    wait_for 10 pgrep -P "$cage_pid" >/dev/null || fail_hard "cage started no program"
    app_pid=$(pgrep -P "$cage_pid")
    pids+=("$app_pid")
    wait_for 20 cage_focus_is "$welcome_title" ||
        fail_hard "the welcome dialog did not get cage's keyboard: '$(cage_focus)' has it"
}

# A shot of all of cage's outputs, or of the output $2, as $work/$1.png.
cage_shot() { WAYLAND_DISPLAY=$cage_display grim ${2:+-o "$2"} "$work/$1.png"; }
# What differs between the shots $1 and $2 as "width height x y"; "0 0 0 0"
# when nothing does. With $2 a colour "#RRGGBB", what is not of that colour in $1.
changed_box() {
    local other=("$work/$2.png")
    [[ $2 == \#* ]] && other=(\( +clone -fill "$2" -colorize 100 \))
    convert "$work/$1.png" "${other[@]}" -compose difference -composite -threshold 0 \
        -bordercolor black -border 1 -format '%@' info: 2>/dev/null |
        awk -F'[x+]' '$1 == 0 { print "0 0 0 0"; next } { print $1, $2, $3 - 1, $4 - 1 }'
}
# Whether the box "$2" (width height x y) lies whole on a screen of the size
# of the shot $1, centred on it ($3 = centred) or at its top left ($3 = corner).
placed() {
    local width height x y screen_width screen_height
    read -r width height x y <<<"$2"
    read -r screen_width screen_height < <(identify -format '%w %h' "$work/$1.png")
    [ "$width" -gt 100 ] && [ "$height" -gt 50 ] && [ "$x" -ge 0 ] && [ "$y" -ge 0 ] &&
        [ $((x + width)) -le "$screen_width" ] && [ $((y + height)) -le "$screen_height" ] || return 1
    case $3 in
    centred) [ $(((2 * x + width - screen_width) ** 2)) -le 4 ] &&
        [ $(((2 * y + height - screen_height) ** 2)) -le 4 ] ;;
    corner) [ "$x" = 0 ] && [ "$y" = 0 ] ;;
    esac
}
# Whether the box $2 holds the box $1 (both "width height x y").
inside() {
    local w h x y outer_w outer_h outer_x outer_y
    read -r w h x y <<<"$1"
    read -r outer_w outer_h outer_x outer_y <<<"$2"
    [ "$w" -gt 0 ] && [ "$x" -ge "$outer_x" ] && [ "$y" -ge "$outer_y" ] &&
        [ $((x + w)) -le $((outer_x + outer_w)) ] && [ $((y + h)) -le $((outer_y + outer_h)) ]
}
# How many pixels the shots $1 and $2 differ in within $3 (WxH+X+Y).
differing_in() {
    convert "$work/$1.png" -crop "$3" +repage "$work/part-1.png"
    convert "$work/$2.png" -crop "$3" +repage "$work/part-2.png"
    differing part-1 part-2
}
# Whether the dialog in the box $3 of the shot $1 is in front of the welcome
# dialog: where the two overlap, $1 differs from the shot $2 before it opened.
in_front() {
    local width height x y welcome_w welcome_h welcome_x welcome_y left top right bottom
    read -r width height x y <<<"$3"
    read -r welcome_w welcome_h welcome_x welcome_y <<<"$welcome"
    left=$((x > welcome_x ? x : welcome_x))
    top=$((y > welcome_y ? y : welcome_y))
    right=$((x + width < welcome_x + welcome_w ? x + width : welcome_x + welcome_w))
    bottom=$((y + height < welcome_y + welcome_h ? y + height : welcome_y + welcome_h))
    [ "$right" -gt "$left" ] && [ "$bottom" -gt "$top" ] || return 0
    [ "$(differing_in "$1" "$2" "$((right - left))x$((bottom - top))+$left+$top")" -gt \
        $(((right - left) * (bottom - top) / 2)) ]
}
# The part ($2, $3; $4 by $5) of a dialog template's units in the box $1
# ("width height x y") of a dialog $6 by $7 units, as WxH+X+Y: the box is the
# dialog without a frame.
units_part() {
    local width height x y
    read -r width height x y <<<"$1"
    echo "$(($4 * width / $6))x$(($5 * height / $7))+$((x + $2 * width / $6))+$((y + $3 * height / $7))"
}
# Clicks the middle of such a part.
click_in() {
    local width height x y
    IFS='x+' read -r width height x y <<<"$(units_part "$@")"
    click $((x + width / 2)) $((y + height / 2))
}
# The value of the setting $1 in the copy's Kipo.ini.
setting() {
    local position
    position=$(sed -n "s/^SETTING($1, *[A-Za-z]*, *\([0-9]*\),.*/\1/p" "$SETTINGS_TABLE")
    od -An -t d4 -j $((position * 4)) -N 4 "$work/app/Kipo.ini" | tr -d ' '
}
ended() { ! kill -0 "$1" 2>/dev/null; }
# Waits for cage to end after the program, as the login screen does, and for
# it to end well.
cage_ends() {
    local status=0
    wait_for 5 ended "$cage_pid" || fail_hard "cage did not end with the program"
    wait "$cage_pid" || status=$?
    [ "$status" = 0 ] || fail "cage ended with status $status: $(tail -n 3 "$cage_log")"
}

start_session 1
[ "$(cage_clients)" = "$app_pid" ] ||
    fail "cage's clients are $(cage_clients | paste -sd ' '), not the program $app_pid alone"
cage_shot welcome
# The welcome dialog stands in the middle of the session's backdrop.
backdrop=804020
[ "$(colours_in welcome 40x40+0+0)" = "$backdrop" ] ||
    fail "the screen's corner shows $(colours_in welcome 40x40+0+0), not the backdrop $backdrop"
welcome=$(changed_box welcome "#$backdrop")
placed welcome "$welcome" centred ||
    fail "the welcome dialog is at $welcome, not whole in the middle of the screen"
# cage -d: no title bar; the dialog's top rows are its own orange.
read -r welcome_width _ welcome_x welcome_y <<<"$welcome"
[ "$(colours_in welcome "${welcome_width}x8+$welcome_x+$welcome_y")" = FF8040 ] ||
    fail "the welcome dialog has a title bar: its top shows $(colours_in welcome "${welcome_width}x8+$welcome_x+$welcome_y")"

# The play: full screen, with the greeting on the user's sound server.
key Return
# All of the screen but the hint at the top left is the play's blue.
play_shown() {
    cage_shot play && [ "$(colours_in play 1024x700+0+68)" = 0000FF ] &&
        [ "$(colours_in play 400x68+624+0)" = 0000FF ]
}
wait_for 5 play_shown ||
    fail_hard "Enter started no full-screen play: the screen shows $(colours_in play) ($(cage_focus))"
play_title=$(cage_focus)
sound_client() {
    "${as_user[@]}" pactl list clients 2>/dev/null | grep -q "application.process.id = \"$app_pid\""
}
wait_for 5 sound_client || fail "the program did not reach the user's sound server"

# A key every 0.4 s, past the play's key delay of 0.3 s: each shows a picture.
type_slowly 0.4 x y z space b c
cage_shot pictures
[ "$(differing play pictures)" -gt 2000 ] || fail "key presses showed no picture"
# Nothing runs beside the program, so nothing is left unlocked to tell of.
[ "$(note_pixels pictures)" = 0 ] || fail "the play says that the system keys are not locked"
click 800 600
clicked() { cage_shot clicked && [ "$(differing pictures clicked)" -gt 2000 ]; }
wait_for 2 clicked || fail "a click on the play showed no picture"
# Keys that end or switch away elsewhere; Escape would end a cage built for
# debugging. Each is given a moment to do so, which it must not take.
type_slowly 0.3 alt+F4 ctrl+alt+F2 ctrl+alt+BackSpace alt+Tab super+d ctrl+Escape Escape Super_L
ended "$cage_pid" && fail_hard "cage ended during the play"
ended "$app_pid" && fail_hard "the program ended during the play"
[ "$(cage_focus)" = "$play_title" ] || fail "the play lost cage's keyboard to '$(cage_focus)'"
[ "$(cage_clients)" = "$app_pid" ] || fail "during the play cage's clients are $(cage_clients | paste -sd ' ')"

quit_play
wait_for 3 cage_focus_is "$welcome_title" || fail_hard "the quit word did not end the play"
back() { cage_shot back && [ "$(changed_box back welcome)" = "0 0 0 0" ]; }
wait_for 2 back || fail "after the play the screen differs from the welcome dialog at $(changed_box back welcome)"

# The setup (342 by 191 units): whole in the middle of the screen; Alt+E
# unticks Clear BackGround (its box at 14, 17), which then looks as the
# unticked Change the Color Randomly's (at 14, 32) did at first.
key alt+t
wait_for 5 cage_focus_is Setup || fail_hard "Alt+T did not open the setup ('$(cage_focus)' has the keyboard)"
cage_shot setup
setup=$(changed_box setup welcome)
placed setup "$setup" centred || fail "the setup is at $setup, not whole in the middle of the screen"
check_box() { colours_in "$1" "$(units_part "$setup" 14 "$2" 8 10 342 191)"; }
[ "$(check_box setup 17)" != "$(check_box setup 32)" ] ||
    fail "Clear BackGround is not ticked at first: $(check_box setup 17)"
key alt+e
unticked() { cage_shot unticked && [ "$(check_box unticked 17)" = "$(check_box setup 32)" ]; }
wait_for 2 unticked || fail "Alt+E did not untick Clear BackGround: $(check_box unticked 17)"

# A click on the first picture group of the setup's list (at 134, 73) lets
# Ma&nage Pictures Group manage it: 368 by 221 units.
click_in "$setup" 134 73 194 10 342 191
key alt+n
wait_for 5 cage_focus_is "Manage Picture Group" ||
    fail_hard "a group clicked and Alt+N did not open Manage Picture Group ('$(cage_focus)')"
cage_shot manage
manage=$(changed_box manage unticked)
placed manage "$manage" centred || fail "Manage Picture Group is at $manage, not whole in the middle"

# &Add Pictures opens the file dialog in the home folder; the picture typed
# there is added to the group and to its list (at 13, 80; 223 by 76 units).
key alt+a
file_dialog_up() { [ "$(cage_focus)" != "Manage Picture Group" ]; }
wait_for 5 file_dialog_up || fail_hard "Alt+A opened no file dialog"
cage_shot files
files=$(changed_box files manage)
placed files "$files" centred || fail "the file dialog '$(cage_focus)' is at $files, not whole in the middle"
# Unlike the program's own dialogs, in the welcome dialog's colours, it shows
# where it overlaps the welcome dialog.
in_front files manage "$files" || fail "the file dialog is behind the welcome dialog"
type_slowly 0.05 p i c k e d
typed() { cage_shot typed && inside "$(changed_box typed files)" "$files"; }
wait_for 2 typed || fail "the name typed into the file dialog does not show in it"
key Return
wait_for 5 cage_focus_is "Manage Picture Group" || fail_hard "the file dialog did not close ('$(cage_focus)')"
added=$(compgen -G "$work/app/*/picked.bmp" | wc -l)
[ "$added" = 1 ] || fail "the picture chosen is in $added picture groups, not one"
listed() {
    cage_shot listed && [ "$(differing_in manage listed "$(units_part "$manage" 13 80 223 76 368 221)")" -gt 100 ]
}
wait_for 2 listed || fail "Manage Picture Group's list does not show the picture added"
key alt+o
wait_for 5 cage_focus_is Setup || fail_hard "OK did not close Manage Picture Group ('$(cage_focus)')"
# The setup's OK (at 7, 170; 99 by 14 units) by a click: Alt+O is also Auto Display's.
click_in "$setup" 7 170 99 14 342 191
wait_for 5 cage_focus_is "$welcome_title" || fail_hard "OK did not close the setup ('$(cage_focus)')"
[ "$(setting clearBackground)" = 0 ] || fail "the setup's OK did not keep Clear BackGround unticked"

# Help: over the whole screen, another topic on Down, gone on Escape.
key F1
wait_for 10 cage_focus_is "Tapnest Help" || fail_hard "F1 opened no help window ('$(cage_focus)')"
# Nothing of the backdrop behind the windows shows in the corners.
helped() {
    local corner
    cage_shot help || return 1
    for corner in 40x40+984+0 40x40+0+728 40x40+984+728; do
        [ "$(colours_in help "$corner")" != "$backdrop" ] || return 1
    done
}
wait_for 3 helped || fail "the help window does not cover the whole screen"
key Down
topic() { cage_shot topic && [ "$(differing help topic)" -gt 5000 ]; }
wait_for 3 topic || fail "Down in the help's contents showed no other topic"
[ "$(cage_clients)" = "$app_pid" ] || fail "with the help open cage's clients are $(cage_clients | paste -sd ' ')"
key Escape
wait_for 3 cage_focus_is "$welcome_title" || fail_hard "Escape did not close the help ('$(cage_focus)')"

# Close ends the program, and cage with it: the login screen comes back.
key alt+c
wait_for 5 ended "$app_pid" || fail_hard "Close did not end the program"
cage_ends
[ "$(stat -c %s "$work/app/Kipo.ini")" = 36 ] || fail "Kipo.ini was not written at exit"

# Two screens: the play covers both, and a click on the second shows a picture.
start_session 2
key Return
# Screen $1 is the play's blue: below the hint on the first, all of the second.
covered() { cage_shot "play-$1" "WL-$1" && [ "$(colours_in "play-$1" "${2:-}")" = 0000FF ]; }
wait_for 5 covered 1 1024x700+0+68 || fail_hard "Enter started no full-screen play on the first screen"
wait_for 2 covered 2 || fail "the second screen shows $(colours_in play-2), not the play"
cage_shot before-click
# The play's key delay of 0.3 s counts from its start, before its first frame;
# a click within it is rightly ignored.
sleep 0.3
click 1536 600
clicked_second() { cage_shot after-click && [ "$(differing before-click after-click)" -gt 2000 ]; }
wait_for 2 clicked_second || fail "a click on the second screen showed no picture"
quit_play
wait_for 3 cage_focus_is "$welcome_title" || fail_hard "the quit word did not end the play on two screens"
key alt+c
cage_ends
finish "end-to-end locked session in cage"
