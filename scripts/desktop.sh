# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests and scripts/screenshots: a private copy of the
# program, a virtual desktop (Xvfb and a window manager, openbox unless told)
# and the program started on it.
# Sourced after `set -euo pipefail` with the build/bin directory as $1.

bin_dir=$1
work=$(mktemp -d)
pids=()
bus_pid=""
cleanup() {
    local pid
    # The services a D-Bus session started are not our children: they are
    # ended by their ids and waited for, so none writes into $work after it is
    # gone.
    if [ -n "$bus_pid" ]; then
        while read -r pid; do pids+=("$pid"); done < <(ps -o pid= --ppid "$bus_pid" || true)
    fi
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # Each gets two seconds to end; one that does not is named and killed,
    # so that the test ends whatever its processes do.
    for pid in "${pids[@]}"; do
        for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        if kill -0 "$pid" 2>/dev/null; then
            echo "cleanup: $(ps -o args= -p "$pid" || true) ($pid) outlived its TERM" >&2
            kill -KILL "$pid" 2>/dev/null || true
        fi
    done
    [ "${#pids[@]}" = 0 ] || wait "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A private copy of the program and its content library, without settings, so
# a test never touches build/bin's own.
cp -r "$bin_dir/." "$work/app"
rm -f "$work/app/Kipo.ini"

# A home, settings, caches and runtime directory of the test's own, and no
# session bus: what the program and the desktop's programs write (the program
# records its folder in the user's settings) stays in $work, away from the
# user's and from every other test that runs at the same time, and no sound
# server of the user's is heard.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache \
    XDG_DATA_HOME=$work/home/.local/share XDG_STATE_HOME=$work/home/.local/state \
    XDG_RUNTIME_DIR=$work/runtime
unset DBUS_SESSION_BUS_ADDRESS

source "$(dirname "${BASH_SOURCE[0]}")/settings_file.sh"
source "$(dirname "${BASH_SOURCE[0]}")/driving.sh"

# Xvfb on a free display, of the size $1 (1024x768 when empty or not given),
# with the window manager $2 managing its windows: openbox (the default),
# xfwm4 or metacity. Exports DISPLAY and returns once the manager runs.
start_desktop() {
    local size=${1:-1024x768} wm=${2:-openbox}
    # A server that names its display and then cannot be reached (it ends
    # when it finds the display's lock still held by a server that is ending)
    # makes way for another; its own words are kept for the failure.
    start_x_server "$size" || start_x_server "$size" || start_x_server "$size" ||
        { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
    # A manager that does not announce itself (seldom, on a loaded machine)
    # is started once more; its own words are kept for the failure.
    start_window_manager "$wm" || start_window_manager "$wm" ||
        { cat "$work/wm.log" >&2; fail "$wm did not start"; }
}

# Starts Xvfb of the size $1 on a display no other server holds, exports
# DISPLAY and returns once a client can connect to it.
start_x_server() {
    rm -f "$work/display"
    # The server picks the display and writes its number.
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
    local xvfb_pid=$!
    pids+=("$xvfb_pid")
    wait_for 5 grep -q . "$work/display" || return 1
    export DISPLAY=:$(head -n1 "$work/display")
    wait_for 5 x_server_answers "$xvfb_pid" && return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    return 1
}
# Whether the server $1 still runs and answers on $DISPLAY.
x_server_answers() { kill -0 "$1" 2>/dev/null && xprop -root -notype _XKB_RULES_NAMES >/dev/null 2>&1; }

# Starts the window manager $1 on $DISPLAY and waits for it to announce itself.
start_window_manager() {
    local wm=$1
    # The managers keep whatever settings they change in memory.
    local private=(env GSETTINGS_BACKEND=memory)
    case $wm in
        openbox) "${private[@]}" openbox >>"$work/wm.log" 2>&1 & ;;
        xfwm4)
            # xfwm4 reads its settings over a D-Bus session of its own.
            if [ -z "$bus_pid" ]; then
                local bus
                bus=$("${private[@]}" dbus-daemon --session --fork --print-address=1 --print-pid=1)
                export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
                bus_pid=${bus##*$'\n'}
                pids+=("$bus_pid")
            fi
            "${private[@]}" xfwm4 --compositor=off --sm-client-disable >>"$work/wm.log" 2>&1 &
            ;;
        metacity) "${private[@]}" metacity --sm-disable --no-composite >>"$work/wm.log" 2>&1 & ;;
        *) fail "unknown window manager $wm" ;;
    esac
    local wm_pid=$!
    pids+=("$wm_pid")
    wait_window_manager "$wm_pid" && return 0
    # One that runs without announcing itself makes room for the next try.
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
    return 1
}

# Waits up to ten seconds for the window manager $1 to announce itself on the
# root window, then a moment for it to finish taking over the screen; fails
# at once when it has ended.
wait_window_manager() {
    local check
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 1
        check=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*' || true)
        if [ -n "$check" ] && xprop -id "$check" -notype _NET_WM_NAME >/dev/null 2>&1; then
            sleep 0.3
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Starts the program and waits for its welcome dialog; sets app_pid and
# welcome, and makes the dialog active.
start_tapnest() {
    QT_QPA_PLATFORM=xcb "$work/app/tapnest" >"$work/tapnest.log" 2>&1 &
    app_pid=$!
    pids+=($app_pid)
    welcome=$(find_window 'Welcome to Tapnest 2.2 !' 20)
    [ -n "$welcome" ] || fail "welcome dialog did not open"
    xdotool windowactivate --sync "$welcome"
}

# Prints the ids of the visible windows that the xdotool search options $@
# match; fails when there are none. A window that closes while the search
# walks the window tree breaks it with an X error, and it is run again.
visible_windows() {
    local found
    for _ in 1 2 3 4 5; do
        if found=$(xdotool search --onlyvisible "$@" 2>"$work/search.err"); then
            echo "$found"
            return 0
        fi
        grep -q '^X Error' "$work/search.err" || return 1
    done
    return 1
}
# Whether a visible window matches the search options $@; keeps its id in
# window_found.
first_visible() { window_found=$(visible_windows "$@" | head -n1) && [ -n "$window_found" ]; }
# Waits up to $2 seconds (10 unless given) for a visible window named $1
# exactly and prints its id; prints nothing when none comes.
find_window() {
    window_found=""
    wait_for "${2:-10}" first_visible --name "^$1\$" || true
    echo "$window_found"
}

# Whether the window $1 is the active one.
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# Waits up to five seconds for the window $1 to become the active one.
wait_active() { wait_for 5 is_active "$1"; }

# Starts a play with Enter on the active welcome dialog and waits up to five
# seconds for it to be the active window; sets play.
start_play() {
    xdotool key Return
    wait_for 5 play_active || fail "Enter did not start a play"
}
play_active() { play=$(xdotool getactivewindow 2>/dev/null) && [ "$play" != "$welcome" ]; }

# Waits up to three seconds for the play's first frame, the blue background
# at the point $2 (512,700 unless given: below the hint), and keeps the
# screen as $work/$1.png.
wait_first_frame() { wait_for 3 first_frame_shown "$1" "${2:-512,700}"; }
first_frame_shown() {
    import -window root "$work/$1.png" &&
        [ "$(convert "$work/$1.png" -format "%[hex:p{$2}]" info:)" = 0000FF ]
}

# Whether a visible window is named $1 exactly.
window_shown() { visible_windows --name "^$1\$" >/dev/null; }
window_gone() { ! window_shown "$1"; }
# Whether the program has ended.
app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
# Presses the welcome dialog's Close and waits for the program to end.
close_tapnest() {
    xdotool windowactivate --sync "$welcome"
    xdotool key alt+c
    wait_for 5 app_ended || fail "Close did not end the program"
}

# Types the quit word on the play (see driving.sh).
quit_play() { type_quit_word xdotool key; }
