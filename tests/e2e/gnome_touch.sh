# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests of touch on GNOME Shell: a touchscreen over
# both monitors, driven through gnome_shell_io.py (see gnome_touch.py).
# mutter places the touches by screen cast streams, which need PipeWire
# running as the user; no session manager is needed, since nobody consumes
# the streams. Sourced after gnome_desktop.sh and before start_gnome.

shell_io_options=(--touch)
spawn_as_user "$work/pipewire.log" pipewire
pids+=("$!")
wait_for 5 test -S "$XDG_RUNTIME_DIR/pipewire-0" ||
    fail_hard "PipeWire did not start: $(tail -n 3 "$work/pipewire.log")"

# The gestures, at points of the layout (see gnome_shell_io.py). Those that
# end with the fingers lifting set lifted to the time they lifted, in
# microseconds on the monotonic clock (GLib.get_monotonic_time() in the
# shell).
tap() { shell_io tap "$1" "$2" >/dev/null; }
# One finger from $1,$2 by $3,$4 pixels in $5 seconds.
drag() { lifted=$(shell_io drag "$@"); }
# $1 fingers side by side around $2,$3, by $4,$5 pixels in $6 seconds.
swipe() { lifted=$(shell_io swipe "$@"); }
# $1 fingers held around $2,$3 for $4 seconds, then one more taps.
hold_tap() { shell_io hold-tap "$@" >/dev/null; }
