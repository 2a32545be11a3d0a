#!/usr/bin/env bash
# What the real program costs while it waits at the welcome dialog: its CPU
# time per minute and its wake-ups per second (voluntary and involuntary
# context switches over all its threads), after a settling pause, measured
# from /proc. The sound server is a private one that is absent (the default)
# or runs with a null sink.
# Usage: idle_cost.sh <build/bin directory> [seconds (60)] [absent|pulseaudio|pipewire]
set -euo pipefail

source "$(dirname "$0")/../scripts/desktop.sh"
source "$(dirname "$0")/../scripts/sound_server.sh"

seconds=${2:-60}
server=${3:-absent}
start_desktop
if [ "$server" = absent ]; then
    use_sound_server pulseaudio
else
    start_sound_server "$server"
fi
start_tapnest
sleep 2

ticks_per_second=$(getconf CLK_TCK)
# CPU ticks (user and system) of the program, and its context switches.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }
# Context switches of each thread, a line "tid count" each.
switches() {
    local status
    for status in /proc/"$app_pid"/task/*/status; do
        awk -v tid="$(basename "$(dirname "$status")")" \
            '/^(non)?voluntary_ctxt_switches/ { sum += $2 } END { print tid, sum }' \
            "$status" 2>/dev/null || true
    done
}
cpu0=$(cpu_ticks) start=$(date +%s.%N)
switches >"$work/switches0"
sleep "$seconds"
cpu1=$(cpu_ticks) end=$(date +%s.%N)
switches >"$work/switches1"
kill -0 "$app_pid" || fail "the program ended"
# A thread that ended meanwhile is not counted; one that started counts from 0.
woke=$(awk 'NR == FNR { before[$1] = $2; next } { sum += $2 - before[$1] } END { print sum }' \
    "$work/switches0" "$work/switches1")
awk -v c=$((cpu1 - cpu0)) -v s="$woke" -v t="$(echo "$end - $start" | bc)" \
    -v hz="$ticks_per_second" -v server="$server" 'BEGIN {
    printf "idle at the welcome dialog, sound server %s, %.1f s: %.0f ms CPU per minute, %.1f wake-ups per second\n",
        server, t, c * 1000 / hz * 60 / t, s / t }'
