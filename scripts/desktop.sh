# Shared by the end-to-end tests and scripts/screenshots: a private copy of the
# program, a virtual desktop (Xvfb and openbox) and the program started on it.
# Sourced after `set -euo pipefail` with the build/bin directory as $1.

bin_dir=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A private copy of the program and its content library, without settings, so
# a test never touches build/bin's own.
cp -r "$bin_dir/." "$work/app"
rm -f "$work/app/Kipo.ini"

# Writes the copy's Kipo.ini: nine 32-bit little-endian integers, given in the
# file's order.
write_settings() {
    local value bytes=""
    for value in "$@"; do
        bytes+=$(printf '\\x%02x' $((value & 255)) $((value >> 8 & 255)) \
            $((value >> 16 & 255)) $((value >> 24 & 255)))
    done
    printf "$bytes" >"$work/app/Kipo.ini"
}

# Xvfb on a free display, of the size $1 (1024x768 unless given), with openbox
# managing its windows; exports DISPLAY.
start_desktop() {
    local display=:$((60 + RANDOM % 200))
    Xvfb "$display" -screen 0 "${1:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
}

# Starts the program and waits for its welcome dialog; sets app_pid and
# welcome, and makes the dialog active.
start_tapnest() {
    QT_QPA_PLATFORM=xcb "$work/app/tapnest" >"$work/tapnest.log" 2>&1 &
    app_pid=$!
    pids+=($app_pid)
    welcome=$(timeout 20 xdotool search --sync --onlyvisible --name '^Welcome to Tapnest 2.2 !$' | head -n1)
    [ -n "$welcome" ] || fail "welcome dialog did not open"
    xdotool windowactivate --sync "$welcome"
}

# Waits up to five seconds for the window $1 to become the active one.
wait_active() {
    for _ in $(seq 50); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
