# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests on Wayland compositors: a private copy of the
# program owned by an ordinary user, the compositor and the program run as
# that user, failures that end the test or are gathered, waiting, typing, and
# reading screenshots.
# Sourced after `set -euo pipefail` with the build/bin directory as $1.
#
# Compositors refuse to run as root and Xwayland refuses a uid without a
# name, so the compositor and the program run as the ordinary user
# tapnest-e2e, made on first use. The test itself stays root and reaches the
# compositor through its sockets.
#
# TAPNEST_E2E_KEEP_GOING=1 reports each broken promise and goes on, failing
# at the end; TAPNEST_E2E_KEEP=1 keeps the work directory (shots and logs).

e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e_user=tapnest-e2e
bin_dir=$1
work=$(mktemp -d)
markers=$work/markers
pids=()
# Commands that end something gently before the processes are killed.
cleanup_steps=()
failures=()
cleanup() {
    local i step
    for step in "${cleanup_steps[@]}"; do $step || true; done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    # What has not ended 5 s later is stuck in its own ending.
    wait_for 5 all_ended || kill -s KILL "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    if [ "${TAPNEST_E2E_KEEP:-0}" = 1 ]; then
        echo "work directory kept: $work" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
all_ended() {
    local pid
    for pid in "${pids[@]}"; do ! kill -0 "$pid" 2>/dev/null || return 1; done
}

fail() {
    echo "FAIL: $*" >&2
    [ "${TAPNEST_E2E_KEEP_GOING:-0}" = 1 ] || exit 1
    failures+=("$*")
}
# A failure after which nothing more can be checked, even when keeping going.
# From a subshell, such as a $(...), it ends the test too.
fail_hard() {
    echo "FAIL: $*" >&2
    [ "$BASHPID" = "$$" ] || kill -s USR1 "$$"
    exit 1
}
trap 'exit 1' USR1
keeping_going() { [ "${TAPNEST_E2E_KEEP_GOING:-0}" = 1 ]; }
# Ends the test: "$1: passed", or the failures seen when keeping going.
finish() {
    if [ ${#failures[@]} -gt 0 ]; then
        echo "$1: ${#failures[@]} failed:" >&2
        printf '  %s\n' "${failures[@]}" >&2
        exit 1
    fi
    echo "$1: passed"
}

source "$e2e_dir/../../scripts/driving.sh"

# The user, its home and runtime directory, and the private program copy it
# owns, so that the program can write its Kipo.ini.
# Tests that start side by side may try to make it at once: useradd then
# fails for one of them, which finds the user made, or tries again.
for _ in 1 2 3 4 5; do
    id "$e2e_user" >/dev/null 2>&1 && break
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
        "$e2e_user" 2>/dev/null || sleep 0.5
done
id "$e2e_user" >/dev/null 2>&1 || { echo "FAIL: the user $e2e_user cannot be made" >&2; exit 1; }
chmod 0755 "$work"
mkdir -m 0700 "$work/runtime"
mkdir "$work/home" "$markers"
cp -r "$bin_dir/." "$work/app"
rm -f "$work/app/Kipo.ini"
chown -R "$e2e_user:" "$work/runtime" "$work/home" "$markers" "$work/app"
export XDG_RUNTIME_DIR=$work/runtime

# Runs the command that follows it as the user, in a clean environment to
# which leading NAME=value words are added; setpriv and env exec it.
as_user=(setpriv --reuid="$e2e_user" --regid="$e2e_user" --init-groups --
    env -i HOME="$work/home" PATH=/usr/bin:/bin LANG=C.UTF-8 XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR")

# Starts "$2..." as the user in the background (see as_user), with its output
# going to the file $1. $! is then the command's own pid.
spawn_as_user() {
    local log=$1
    shift
    "${as_user[@]}" "$@" >"$log" 2>&1 &
}

# One keyboard and pointer for the whole test (see wayland_input.py), run
# as a coprocess that answers each request once the compositor at
# $WAYLAND_DISPLAY has handled it. It runs as the user, from a copy the user
# can read wherever the sources are: KWin lends its fake input only to a
# client whose program file it can read. A Shift tap makes the keyboard the
# seat's before any client has the focus, so no client sees a keymap change
# in front of its first key.
start_input() {
    cp "$e2e_dir/wayland_input.py" "$work/wayland_input.py"
    coproc INPUT {
        exec "${as_user[@]}" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" \
            python3 "$work/wayland_input.py" 2>>"$work/input.log"
    }
    pids+=("$INPUT_PID")
    key Shift_L
}

# Types the chords "$@" (xdotool-like: k, Return, super+shift+q, Super_L) in
# one go; returns once the compositor has handled them.
key() {
    local reply=""
    echo "$*" >&"${INPUT[1]}"
    read -r -t 10 reply <&"${INPUT[0]}" || true
    [ "$reply" = ok ] ||
        fail_hard "the virtual keyboard failed on '$*': ${reply:-no answer} $(tail -n 3 "$work/input.log")"
}

# Types the chords "$2..." one by one with the harness's key, $1 seconds apart.
type_slowly() {
    local pause=$1 chord
    shift
    for chord in "$@"; do
        key "$chord"
        sleep "$pause"
    done
}

# Whether the program has ended.
app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
# Presses Close in the welcome dialog, which has the keys, and waits for the
# program to end.
close_tapnest() {
    key alt+c
    wait_for 5 app_ended || fail_hard "Close did not end the program"
}

# Types the quit word on the play (see driving.sh).
quit_play() { type_quit_word key; }

# The markers left so far, space-separated.
fired_markers() { ls "$markers" | tr '\n' ' ' | sed 's/ $//'; }

# The program, the user's, rewrites Kipo.ini by renaming a new file over it
# in its own folder, so a file written by the test needs no other owner.
source "$e2e_dir/../../scripts/settings_file.sh"

# How many pixels the shots $1 and $2 differ in.
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
# How many pixels of the play's hint colour the shot $1 of the first output
# has where the line under the hint goes (rows 18 to 40): the line that says
# the system keys are not locked.
note_pixels() {
    convert "$work/$1.png" -crop 400x22+0+18 +repage -fill black +opaque '#FFC8C8' \
        -fill white -opaque '#FFC8C8' -format '%[fx:int(mean*w*h+0.5)]' info:
}
# The colour of the shot $1 at $2,$3, as RRGGBB.
colour_at() { convert "$work/$1.png" -format "%[hex:p{$2,$3}]" info:; }
# The distinct colours of the shot $1, or of its part $2 (WxH+X+Y), as
# RRGGBB words, at most five of them.
colours_in() {
    convert "$work/$1.png" ${2:+-crop "$2" +repage} -unique-colors -depth 8 txt:- |
        awk 'NR > 1 { sub("#", "", $3); print substr($3, 1, 6) }' | head -n5 | tr '\n' ' ' | sed 's/ $//'
}

welcome_title="Welcome to Tapnest 2.2 !"

# Starts the program with the NAME=value words "$2..." added to its
# environment and waits until the harness's test $1 of its welcome dialog
# holds (welcome_focused, say); sets app_pid. TAPNEST_E2E_WAYLAND_DEBUG=1
# logs the program's Wayland traffic with its output.
launch_tapnest() {
    local ready=$1
    shift
    spawn_as_user "$work/tapnest.log" "$@" ${TAPNEST_E2E_WAYLAND_DEBUG:+WAYLAND_DEBUG=1} \
        "$work/app/tapnest"
    app_pid=$!
    pids+=("$app_pid")
    wait_for 20 welcome_opened "$ready" || fail_hard "the welcome dialog did not open ($ready)"
}
welcome_opened() {
    kill -0 "$app_pid" 2>/dev/null || fail_hard "the program ended: $(tail -n 5 "$work/tapnest.log")"
    "$1"
}
