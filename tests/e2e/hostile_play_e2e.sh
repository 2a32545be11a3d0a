#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb and openbox playing one group that holds, beside red pictures,
# one of each hostile picture of tests/fuzz/regressions: every key press shows a red picture
# or nothing, the program stays small, and the quit word ends the play at once.
# Usage: hostile_play_e2e.sh <build/bin directory>
set -euo pipefail

source "$(dirname "$0")/../../scripts/desktop.sh"

write_settings keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
groups=$(find "$work/app" -mindepth 1 -maxdepth 1 -type d -name '*-*' | sort)
group=$(head -n1 <<<"$groups")
tail -n +2 <<<"$groups" | xargs rm -rf
find "$group" -maxdepth 1 -type f ! -name '*.ini' -delete
cp "$(dirname "$0")/../fuzz/regressions/"picture-* "$group/"
for n in $(seq 11); do convert -size 120x90 xc:red "$group/red$n.png"; done

start_desktop
start_tapnest
start_play

# Each key is given the time a picture takes to show: a hostile one must show
# nothing in it.
red_shown=0
for press in $(seq 14); do
    xdotool key x
    sleep 0.3
    import -window root "$work/key.png"
    red=$(convert "$work/key.png" -fill black +opaque red -fill white -opaque red -format '%[fx:mean>0]' info:)
    red_shown=$((red_shown + red))
done
kill -0 "$app_pid" || fail "the program ended during the play"
[ "$red_shown" -gt 0 ] || fail "no key press showed the red picture"
peak=$(awk '/VmHWM/ {print $2}' "/proc/$app_pid/status")
[ "$peak" -lt $((400 * 1024)) ] || fail "the program reached ${peak} kB"

quit_play
typed=$(date +%s%N)
wait_active "$welcome" || fail "the quit word did not end the play"
ended_ms=$((($(date +%s%N) - typed) / 1000000))
[ "$ended_ms" -lt 1500 ] || fail "the play ended ${ended_ms} ms after the quit word's last key"
echo "PASS: $red_shown of 14 frames showed red; peak ${peak} kB; ended after ${ended_ms} ms"
