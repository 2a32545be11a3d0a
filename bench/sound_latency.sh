#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the real program takes from a key press to the first sample of its
# sound reaching a private sound server's null sink: 200 key presses at a
# child's rhythm (3 to 5 a second) over the content library as it is. Prints
# the median and 99th percentile, overall, for a sound's first play in the
# process and its later ones, and for own and default sounds.
# Usage: sound_latency.sh <build/bin directory> [pulseaudio|pipewire] [presses]
set -euo pipefail

source "$(dirname "$0")/../scripts/desktop.sh"
source "$(dirname "$0")/../scripts/sound_server.sh"
listen=(/usr/bin/python3 "$(dirname "$0")/../tests/e2e/sound_listen.py")

write_settings timeLimitMinutes=0 keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
start_desktop
start_sound_server "${2:-pulseaudio}"
start_tapnest
"${listen[@]}" bench "$work/app" --welcome "$welcome" --presses "${3:-200}"
