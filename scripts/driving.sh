# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end harnesses (desktop.sh on X, tests/e2e/wayland_user.sh
# on Wayland compositors), the screenshots and the benchmarks: waiting for a
# condition instead of for a fixed time, and typing the quit word.
# Sourced, not run.

# Runs the command "$2..." every 0.1 s until it succeeds, for up to $1 whole
# seconds; fails when it never did.
wait_for() {
    local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The quit word, typed as a parent types it: one key at a time, this many
# seconds apart. Every test types it at this one pace (the sound tests'
# listener, tests/e2e/sound_listen.py, at the pace it hears each key's sound).
quit_word=(k o l o 4 8 6)
quit_word_pace=0.15

# Types the quit word, each key by the command "$@" with the key added
# (`xdotool key` on X, the harness's `key` on Wayland); returns right after
# its last key, for the caller to wait for the play to end.
type_quit_word() {
    local letter first=1
    for letter in "${quit_word[@]}"; do
        [ -n "$first" ] || sleep "$quit_word_pace"
        first=""
        "$@" "$letter"
    done
}
