#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the real program costs the machine while nobody touches it, under Xvfb
# at 1920x1080 with openbox: waiting at the welcome dialog, or in a play with
# no input and auto display off. After a settling pause, prints the CPU time
# (user + system) per minute of the program, the X server and the window
# manager and their sum, and the program's wake-ups per second (its threads'
# context switches). The sound server is a private one that is absent or runs
# with a null sink.
# Usage: idle_cost.sh <build/bin directory> [welcome|play (play)] [seconds (60)]
#        [absent|pulseaudio|pipewire (pulseaudio)]
set -euo pipefail

source "$(dirname "$0")/../scripts/desktop.sh"
source "$(dirname "$0")/../scripts/sound_server.sh"
source "$(dirname "$0")/process_cost.sh"
place=${2:-play}
seconds=${3:-60}
server=${4:-pulseaudio}
settle_seconds=5

write_settings keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
start_desktop 1920x1080
# start_desktop started the X server first and the window manager last.
xserver_pid=${pids[0]}
wm_pid=${pids[-1]}
if [ "$server" = absent ]; then
    use_sound_server pulseaudio
else
    start_sound_server "$server"
fi
start_tapnest
if [ "$place" = play ]; then
    xdotool key Return
    timeout 10 xdotool search --sync --onlyvisible --name '^tapnest$' >/dev/null ||
        fail "Return did not start a play"
fi
sleep "$settle_seconds"

processes=("$app_pid" "$xserver_pid" "$wm_pid")
names=(program "X server ($(cat /proc/"$xserver_pid"/comm))" "window manager ($(cat /proc/"$wm_pid"/comm))")
before=()
for pid in "${processes[@]}"; do before+=("$(cpu_ms "$pid")"); done
thread_switches "$app_pid" >"$work/switches0"
echo "idle at the $place, sound server $server, $seconds s; load $(cut -d' ' -f1-3 /proc/loadavg)"
sleep "$seconds"
thread_switches "$app_pid" >"$work/switches1"
total=0
for i in "${!processes[@]}"; do
    kill -0 "${processes[$i]}" 2>/dev/null || fail "the ${names[$i]} ended during the measure"
    ms=$((($(cpu_ms "${processes[$i]}") - before[i]) * 60 / seconds))
    total=$((total + ms))
    printf '%-32s %6d ms of CPU a minute\n' "${names[$i]}" "$ms"
done
printf '%-32s %6d ms of CPU a minute\n' "together" "$total"
awk -v n="$(wakeups_between "$work/switches0" "$work/switches1")" -v s="$seconds" \
    'BEGIN { printf "%-32s %6.1f a second\n", "program wake-ups", n / s }'
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
