#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the real program plays, listened to on a private sound server's null
# sink: the greeting, 40 and more key presses each with its whole sound, A
# replaying the last one, the quit word's sounds and the farewell, then a
# second play; each sound within 100 ms of its key and matching its file.
# The copy's own and default sounds are short noise bursts, so that each is
# heard whole at a fast rhythm.
# Usage: sound_e2e.sh <build/bin directory> [pulseaudio|pipewire]
set -euo pipefail

source "$(dirname "$0")/../../scripts/desktop.sh"
source "$(dirname "$0")/../../scripts/sound_server.sh"
listen=(/usr/bin/python3 "$(dirname "$0")/sound_listen.py")
kind=${2:-pulseaudio}

# Key delay, time limit and auto display off: a sound plays only for a key.
write_settings timeLimitMinutes=0 keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
"${listen[@]}" synth "$work/app"

start_desktop
start_sound_server "$kind"
start_tapnest

"${listen[@]}" play "$work/app" --welcome "$welcome" || fail "the sounds of the play on $kind (above)"
echo "end-to-end sound on $kind: passed"
