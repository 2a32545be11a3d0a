#!/usr/bin/env bash
# What a play that nobody touches costs the machine: the real program under
# Xvfb at 1920x1080 with openbox and a private sound server, a play with no
# input and auto display off, left to settle, then watched for a minute.
# Prints the CPU time (user + system) of the program, the X server and the
# window manager in ms per minute, their sum, and the program's wake-ups a
# second (its threads' voluntary and involuntary context switches).
# Usage: idle_play_cost.sh <build/bin directory> [seconds, 60 unless given]
set -euo pipefail

source "$(dirname "$0")/../scripts/desktop.sh"
source "$(dirname "$0")/../scripts/sound_server.sh"
seconds=${2:-60}
settle_seconds=5

write_settings timeLimitMinutes=0 keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
start_desktop 1920x1080
# start_desktop started the X server first and the window manager last.
xserver_pid=${pids[0]}
wm_pid=${pids[-1]}
start_sound_server pulseaudio
start_tapnest
xdotool key Return
timeout 10 xdotool search --sync --onlyvisible --name '^tapnest$' >/dev/null ||
    fail "Return did not start a play"
sleep "$settle_seconds"

ticks_per_second=$(getconf CLK_TCK)
# utime + stime of the process $1, in clock ticks; the fields after the
# command name, which may hold spaces, are counted from its closing bracket.
cpu_ticks() {
    local stat
    stat=$(<"/proc/$1/stat")
    read -r -a fields <<<"${stat##*) }"
    echo $((fields[11] + fields[12]))
}
# The context switches of all the threads of the process $1.
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches:/ { sum += $2 } END { print sum + 0 }'
}

processes=("$app_pid" "$xserver_pid" "$wm_pid")
names=(program "X server ($(cat /proc/"$xserver_pid"/comm))" "window manager ($(cat /proc/"$wm_pid"/comm))")
before=()
for pid in "${processes[@]}"; do before+=("$(cpu_ticks "$pid")"); done
switches_before=$(switches "$app_pid")
load_before=$(cat /proc/loadavg)
sleep "$seconds"
switches_after=$(switches "$app_pid")
total=0
for i in "${!processes[@]}"; do
    kill -0 "${processes[$i]}" 2>/dev/null || fail "the ${names[$i]} ended during the measure"
    ms=$(((($(cpu_ticks "${processes[$i]}") - before[i]) * 1000 / ticks_per_second) * 60 / seconds))
    total=$((total + ms))
    printf '%-32s %6d ms of CPU a minute\n' "${names[$i]}" "$ms"
done
printf '%-32s %6d ms of CPU a minute\n' "together" "$total"
awk -v n=$((switches_after - switches_before)) -v s="$seconds" \
    'BEGIN { printf "%-32s %6.1f a second\n", "program wake-ups", n / s }'
echo "load before: $load_before"
echo "load after:  $(cat /proc/loadavg)"
