#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the real program takes from a key press to the change on the
# screen: under Xvfb at 1920x1080 with openbox, keys sent with XTest, the
# change seen by DAMAGE on the root window. For each library, a play of
# presses at a child's rhythm (3 to 5 a second) and at a mashing one (every
# 50 ms after the change); then the CPU time per key, the quit word typed
# while a picture may be decoded, and the program's peak memory.
# Libraries: default (as the build lays it), photos (eight 4032x3024 phone
# photos, EXIF orientations 1 to 8), png4000, png8000, jpeg12000 (EXIF
# orientation 6), hostile (every picture of the fuzz regressions, two
# decompression bombs and ordinary pictures). Each but the default holds only
# its pictures, in the first group of the default library.
# Usage: key_to_screen.sh <build/bin directory> [presses (200)] [library ...]
set -euo pipefail

source "$(dirname "$0")/../scripts/desktop.sh"
source "$(dirname "$0")/process_cost.sh"
bench=$(cd "$(dirname "$0")" && pwd)
presses=${2:-200}
shift $(($# < 2 ? $# : 2))
libraries=("$@")
[ ${#libraries[@]} -gt 0 ] || libraries=(default photos png4000 png8000 jpeg12000 hostile)

# Lays the library $1 into a fresh copy of the program.
lay_library() {
    rm -rf "$work/app"
    cp -r "$bin_dir/." "$work/app"
    rm -f "$work/app/Kipo.ini"
    write_settings keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
    [ "$1" = default ] && return
    local groups group
    mapfile -t groups < <(find "$work/app" -mindepth 1 -maxdepth 1 -type d -name '*-*' | sort)
    group=${groups[0]}
    rm -rf "${groups[@]:1}"
    find "$group" -type f ! -name '*.ini' -delete
    /usr/bin/python3 "$bench/make_pictures.py" "$1" "$group" "$bench/../tests/fuzz/regressions"
}

start_desktop 1920x1080
for library in "${libraries[@]}"; do
    echo "== $library (load $(cut -d' ' -f1-3 /proc/loadavg))"
    lay_library "$library"
    start_tapnest
    xdotool key Return
    play=$(timeout 10 xdotool search --sync --onlyvisible --name '^tapnest$' | head -n1)
    [ -n "$play" ] || fail "Return did not start a play"
    sleep 2
    cpu_before=$(cpu_ms "$app_pid")
    for rhythm in human mashing; do
        /usr/bin/python3 "$bench/key_to_screen.py" "$presses" "$rhythm"
    done
    echo "CPU per key: $((($(cpu_ms "$app_pid") - cpu_before) / (2 * presses))) ms"
    /usr/bin/python3 "$bench/key_to_screen.py" quit "$play"
    echo "peak memory: $(awk '/^VmHWM:/ { printf "%d MB", $2 / 1024 }' "/proc/$app_pid/status")"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
done
