#!/usr/bin/env bash
# How long the real program takes from a key press to the change on the
# screen: under Xvfb at 1920x1080 with openbox, keys sent with XTest, the
# change seen by DAMAGE on the root window. 200 presses at a child's rhythm
# (3 to 5 a second) and 200 at a mashing one (every 50 ms after the change),
# on the content library as it is, with phone photos in all eight
# orientations added to its first group.
# Usage: key_to_screen.sh <build/bin directory> [presses]
set -euo pipefail

source "$(dirname "$0")/../scripts/desktop.sh"

write_settings keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
group=$(find "$work/app" -mindepth 1 -maxdepth 1 -type d -name '*-*' | sort | head -n1)
for orientation in TopLeft TopRight BottomRight BottomLeft LeftTop RightTop RightBottom LeftBottom; do
    convert -size 4032x3024 plasma:fractal -quality 90 -orient "$orientation" \
        "$group/phone-$orientation.jpg"
done

start_desktop 1920x1080
start_tapnest
xdotool key Return
sleep 2
for rhythm in human mashing; do
    /usr/bin/python3 "$(dirname "$0")/key_to_screen.py" "${2:-200}" "$rhythm"
done
