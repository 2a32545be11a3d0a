#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program and the sound server's life around a play: the program starts
# with no server and the play runs silent until one starts; the server is
# killed and started again during the play; the default output changes to a
# new sink. The play never stalls (each key shows a picture, the quit word
# ends it), and within a second of each change the key sounds are heard again,
# on the output in use. Nothing the program prints repeats itself.
# With late-server, the server comes while the welcome dialog waits and no
# sound was asked for: the greeting, the first sound asked for, is heard at once.
# Usage: sound_server_e2e.sh <build/bin directory> [pulseaudio|pipewire] [server-life|late-server]
set -euo pipefail

source "$(dirname "$0")/../../scripts/desktop.sh"
source "$(dirname "$0")/../../scripts/sound_server.sh"
listen=(/usr/bin/python3 "$(dirname "$0")/sound_listen.py")

write_settings timeLimitMinutes=0 keyDelayOn=0 timeLimitOn=0 autoDisplayOn=0
"${listen[@]}" synth "$work/app"

start_desktop
use_sound_server "${2:-pulseaudio}"
start_tapnest

# The listener asks for each change of the server by a line on one FIFO and
# goes on once it is answered on the other; both are held open both ways, so
# neither end waits for the other to open them.
mkfifo "$work/ask" "$work/answer"
exec 3<>"$work/ask" 4<>"$work/answer"
"${listen[@]}" "${3:-server-life}" "$work/app" --welcome "$welcome" \
    --ask "$work/ask" --answer "$work/answer" &
listener=$!
pids+=("$listener")
while kill -0 "$listener" 2>/dev/null; do
    read -r -t 1 request <&3 || continue
    case $request in
        start) start_sound_server; echo "up $sound_sink" >&4 ;;
        kill) stop_sound_server KILL; echo "down" >&4 ;;
        sink) add_sound_sink tapnest_other >/dev/null; echo "up $sound_sink" >&4 ;;
        *) fail "unknown request $request" ;;
    esac
done
status=0
wait "$listener" || status=$?

repeated=$(grep -v '^[[:space:]]*$' "$work/tapnest.log" | sort | uniq -cd || true)
if [ -n "$repeated" ]; then
    echo "FAIL: the program printed a line more than once:" >&2
    echo "$repeated" >&2
    status=1
fi
[ "$status" = 0 ] || fail "the play around the sound server's changes (above)"
echo "end-to-end sound server life: passed"
