# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests on KWin: a private session D-Bus, a headless
# kwin_wayland with two outputs side by side, its fake keyboard and pointer,
# the test's own client of the session that records the shortcuts that fire
# and reads windows and screens (kwin_session.py), and the program started on
# KWin natively (see wayland_user.sh for the user, the work directory and the
# failures).
# Sourced after `set -euo pipefail` with the build/bin directory as $1.

source "$(dirname "${BASH_SOURCE[0]}")/wayland_user.sh"
source "$e2e_dir/../../scripts/private_bus.sh"

# Each output's size; the second stands right of the first.
output_width=1280
output_height=800
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
export WAYLAND_DISPLAY=wayland-kwin

# Starts the session bus, KWin, the session client and the fake input.
start_kwin() {
    start_session_bus
    write_kwin_config
    # A copy of the program: the installed one carries a file capability that
    # a container may refuse to grant. KWin uses its own Qt platform plugin
    # only in a program named kwin_wayland.
    mkdir "$work/kwin"
    cp /usr/bin/kwin_wayland "$work/kwin/kwin_wayland"
    # The permission checks would ask for the desktop files of installed
    # programs before lending the fake input and the screenshots.
    spawn_as_user "$work/kwin.log" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
        KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
        "$work/kwin/kwin_wayland" --virtual --output-count 2 \
        --width "$output_width" --height "$output_height" \
        --socket "$WAYLAND_DISPLAY" --no-lockscreen
    kwin_pid=$!
    pids+=("$kwin_pid")
    wait_for 15 kwin_ready || fail_hard "KWin did not start: $(tail -n 5 "$work/kwin.log")"
    start_session_client
    start_input
}

# A session bus of the user's that the test, root, may use too.
start_session_bus() {
    write_private_bus_config "$work/bus.conf" "$DBUS_SESSION_BUS_ADDRESS" root
    spawn_as_user "$work/bus.log" dbus-daemon --nofork --config-file="$work/bus.conf"
    pids+=("$!")
    wait_for 5 bus_answers org.freedesktop.DBus / ||
        fail_hard "the session bus did not start: $(tail -n 3 "$work/bus.log")"
}

# KWin's settings: two desktops, so that a desktop switch shows; Meta alone
# calls the session client; a screen corner fires as soon as the pointer
# touches it, without first pushing the pointer back, and the top left one
# is the session client's rather than Present Windows'; window moving, resizing
# and killing on the keys the desktop's defaults have long used.
write_kwin_config() {
    mkdir -p "$work/home/.config"
    cat >"$work/home/.config/kwinrc" <<EOF
[Desktops]
Number=2
Rows=1

[ModifierOnlyShortcuts]
Meta=org.quillwork.tapnestE2E,/,org.quillwork.tapnestE2E,Meta

[Windows]
ElectricBorderPushbackPixels=0

[Effect-windowview]
BorderActivateAll=9
EOF
    cat >"$work/home/.config/kglobalshortcutsrc" <<EOF
[kwin]
Window Move=Alt+F7,Alt+F7,Move Window
Window Resize=Alt+F8,Alt+F8,Resize Window
Kill Window=Ctrl+Alt+Esc,Ctrl+Alt+Esc,Kill Window
EOF
    chown -R "$e2e_user:" "$work/home/.config"
}

# Whether the bus name $1 answers a ping at the path $2.
bus_answers() {
    dbus-send --session --print-reply --dest="$1" "$2" org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}
# Whether KWin, still running, answers on the bus and listens on its socket.
kwin_ready() {
    kill -0 "$kwin_pid" 2>/dev/null || fail_hard "KWin ended: $(tail -n 5 "$work/kwin.log")"
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && bus_answers org.kde.KWin /Scripting
}

# The session client (kwin_session.py), run by the system's Python, which
# has the D-Bus bindings. It answers one request a line through two pipes:
# the keyboard already is the shell's one coprocess.
start_session_client() {
    mkdir "$work/scripts"
    mkfifo "$work/session.in" "$work/session.out"
    /usr/bin/python3 "$e2e_dir/kwin_session.py" "$work/scripts" \
        <"$work/session.in" >"$work/session.out" 2>>"$work/session.log" &
    pids+=("$!")
    exec {session_requests}>"$work/session.in" {session_answers}<"$work/session.out"
    local reply=""
    read -r -t 10 reply <&"$session_answers" || true
    [ "$reply" = ready ] ||
        fail_hard "the session client did not start: ${reply:-no answer} $(tail -n 3 "$work/session.log")"
}

# Asks the session client "$*" and prints its answer.
session() {
    local reply
    echo "$*" >&"$session_requests"
    read -r -t 10 reply <&"$session_answers" ||
        fail_hard "the session client did not answer '$*': $(tail -n 3 "$work/session.log")"
    [[ $reply != error:* ]] || fail_hard "the session client failed on '$*': $reply"
    printf '%s\n' "$reply"
}

# The shortcuts that fired since the last forget_fired, as "kwin/Window Close,
# meta, corner/TopLeft".
fired() { session fired; }
forget_fired() { session forget >/dev/null; }
# Whether the shortcut $1 is among those that fired.
has_fired() { [[ ", $(fired), " == *", $1, "* ]]; }

# KWin's outputs, windows and desktop as JSON (see kwin_session.py).
kwin_state() { session windows; }
# The id of the focused window; nothing when no window has the focus.
focused_id() { kwin_state | jq -r 'first(.windows[] | select(.active) | .id) // empty'; }
# The ids of the windows of the program with the pid $1 titled $2, and,
# given, on the output $3 (0 or 1), one a line.
window_ids() {
    kwin_state | jq -r --argjson pid "$1" --arg title "$2" --argjson output "${3:-null}" \
        '.windows[] | select(.pid == $pid and .caption == $title
            and ($output == null or .output == $output)) | .id'
}
# The field $2 (caption, pid, appId, fullScreen, output...) of the window
# with the id $1.
window_field() { kwin_state | jq -r --arg id "$1" --arg field "$2" '.windows[] | select(.id == $id) | .[$field]'; }
# Whether the window of the program with the pid $1 titled $2 has the focus,
# and, given, is on the output $3 (0 or 1).
has_focus() {
    kwin_state | jq -e --argjson pid "$1" --arg title "$2" --argjson output "${3:-null}" \
        'any(.windows[]; .active and .pid == $pid and .caption == $title
             and ($output == null or .output == $output))' >/dev/null
}
# Whether the window with the id $1 is full screen and fills the output $2.
full_screen_on() {
    kwin_state | jq -e --arg id "$1" --argjson output "$2" '.outputs[$output] as $rect
        | any(.windows[]; .id == $id and .fullScreen and .output == $output and .geometry == $rect)' \
        >/dev/null
}
# The windows of programs other than the one with the pid $1, for messages;
# nothing when there are none.
windows_not_of() {
    kwin_state | jq -r --argjson pid "$1" '.windows[] | select(.pid != $pid) | "\(.caption) (pid \(.pid))"'
}
# Each window, for messages: its title, program, output, focus, full screen
# state and rectangle.
windows_description() {
    kwin_state | jq -r '[.windows[] | "\(.caption) (pid \(.pid), output \(.output)\(if .active
        then ", focused" else "" end)\(if .fullScreen then ", full screen" else "" end) at \(.geometry))"]
        | join("; ") | if . == "" then "no window" else . end'
}
# Where the focus is, for messages.
focus_description() {
    kwin_state | jq -r 'first(.windows[] | select(.active)
        | "\(.caption) (pid \(.pid), output \(.output))") // "no window"'
}
current_desktop() { kwin_state | jq -r .currentDesktop; }
# The rectangle of the output $1 (0 or 1) in the layout, as "x y width height".
output_rect() { kwin_state | jq -r --argjson n "$1" '.outputs[$n] | map(tostring) | join(" ")'; }
# Gives the focus to the window with the id $1.
activate() { session activate "$1" >/dev/null; }

# Screenshots of the output $1 (0 or 1), as $work/$2.png.
shot() {
    # shellcheck disable=SC2046 # the rectangle's four numbers
    session shot $(output_rect "$1") "$work/$2.png" >/dev/null
}

# Whether the welcome dialog has the focus.
welcome_focused() { has_focus "$app_pid" "$welcome_title"; }

# Starts the program natively on Wayland and waits for its welcome dialog to
# have the focus; sets app_pid.
start_tapnest() {
    launch_tapnest welcome_focused QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$WAYLAND_DISPLAY" \
        DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
}
