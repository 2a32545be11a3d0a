#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program with its library on a small tmpfs that a filler file fills,
# driven with xdotool under Xvfb and openbox: Setup's OK, Add Picture Group's
# OK, Manage Picture Group's OK (a new name) and Add Pictures each show the
# program's message while the disk is full, keep their dialog open and save
# nothing (no empty group folder, no temporary file); once the filler is gone,
# the same OK (or the same copy) saves.
# Usage: full_disk_e2e.sh <build/bin directory>
set -euo pipefail

# A mount needs root; anyone else gets it in a namespace of their own.
if [ "$(id -u)" != 0 ]; then
    exec unshare --user --map-root-user --mount "$0" "$@"
fi

source "$(dirname "$0")/../../scripts/desktop.sh"

# The program's folder, its library with it, moves onto a tmpfs of its own.
mv "$work/app" "$work/shipped"
mkdir "$work/app"
mount -t tmpfs -o size=64m tmpfs "$work/app" || fail "a tmpfs cannot be mounted here"
trap 'umount -l "$work/app" 2>/dev/null || true; cleanup' EXIT
cp -a "$work/shipped/." "$work/app/"
echo "the library lies on a 64 MiB tmpfs, filled by a file"
library=$work/app

fill_disk() { dd if=/dev/zero of="$library/filler" bs=64k >/dev/null 2>&1 || true; }
free_disk() { rm -f "$library/filler"; }
# Waits up to five seconds for the window named $1 to close.
wait_closed() { wait_for 5 window_gone "$1"; }
# The program's message about the disk shows over the dialog $1, which stays;
# Enter closes the message.
expect_told() {
    local message
    message=$(find_window Tapnest)
    [ -n "$message" ] || fail "$2: no message while the disk is full"
    wait_active "$message" || fail "$2: the message does not have the focus"
    window_shown "$1" || fail "$2: the dialog closed although nothing was saved"
    xdotool key Return
    wait_closed Tapnest || fail "$2: Enter did not close the message"
}
leftovers() { find "$library" -name '.tapnest-*' | wc -l; }
group_folders() { find "$library" -mindepth 1 -maxdepth 1 -type d | wc -l; }

start_desktop
start_tapnest

# Setup's OK writes Kipo.ini.
xdotool key alt+t
setup=$(find_window Setup)
[ -n "$setup" ] || fail "Alt+T did not open the setup"
wait_active "$setup" || fail "the setup does not have the focus"
fill_disk
xdotool key Return
expect_told Setup "Setup's OK"
[ -e "$library/Kipo.ini" ] && fail "a Kipo.ini was written on a full disk"
free_disk
xdotool key Return
wait_closed Setup || fail "OK did not close the setup once there was room"
[ "$(stat -c %s "$library/Kipo.ini")" = 36 ] || fail "OK did not save Kipo.ini once there was room"

# Add Picture Group's OK makes a folder with its group file.
xdotool key alt+t
setup=$(find_window Setup)
wait_active "$setup" || fail "the setup does not have the focus again"
folders=$(group_folders)
xdotool key alt+a
add=$(find_window "Add Picture Group")
[ -n "$add" ] || fail "Alt+A did not open Add Picture Group"
wait_active "$add" || fail "Add Picture Group does not have the focus"
xdotool type --delay 20 "0 Family"
fill_disk
xdotool key Return
expect_told "Add Picture Group" "Add Picture Group's OK"
[ "$(group_folders)" = "$folders" ] || fail "a group folder was left on the full disk"
free_disk
xdotool key Return
wait_closed "Add Picture Group" || fail "OK did not close Add Picture Group once there was room"
[ "$(group_folders)" = $((folders + 1)) ] || fail "the group was not made once there was room"
group=$(grep -l --include='*.ini' -r "0 Family" "$library" | head -n1)
[ -n "$group" ] || fail "no group file holds the name 0 Family"
group=$(dirname "$group")

# Manage Picture Group's OK writes the new name; the new group is the one
# selected (the first: the list is sorted by name, and "0" comes first).
wait_active "$setup" || fail "the setup did not get the focus back"
xdotool key alt+n
manage=$(find_window "Manage Picture Group")
[ -n "$manage" ] || fail "Alt+N did not open Manage Picture Group"
wait_active "$manage" || fail "Manage Picture Group does not have the focus"
xdotool key alt+n ctrl+a
xdotool type --delay 20 Relatives
fill_disk
xdotool key Return
expect_told "Manage Picture Group" "Manage Picture Group's OK"
grep -q Relatives "$group"/*.ini && fail "the new name was saved on a full disk"

# Add Pictures copies a picture of 2 MiB into the group folder.
head -c 2097152 /dev/urandom >"$work/photo.png"
add_picture() {
    xdotool key alt+a
    local chooser
    chooser=$(find_window 'Open.*')
    [ -n "$chooser" ] || fail "Alt+A did not open the file dialog"
    wait_active "$chooser" || fail "the file dialog does not have the focus"
    xdotool type --delay 10 "$work/photo.png"
    xdotool key Return
}
add_picture
expect_told "Manage Picture Group" "Add Pictures"
[ -e "$group/photo.png" ] && fail "a picture was copied onto a full disk"
[ "$(leftovers)" = 0 ] || fail "a temporary file was left on the full disk"
free_disk
add_picture
wait_for 5 test -e "$group/photo.png" || true
cmp -s "$work/photo.png" "$group/photo.png" || fail "Add Pictures did not copy once there was room"

xdotool key alt+n
xdotool key Return
wait_closed "Manage Picture Group" || fail "OK did not close Manage Picture Group once there was room"
grep -q Relatives "$group"/*.ini || fail "the new name was not saved once there was room"
[ "$(leftovers)" = 0 ] || fail "a temporary file was left behind"
echo "end-to-end full disk: passed"
