#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program from the command line as a user would, without any display:
# --help and --version answer on standard output and exit 0; without a display
# the program says so in one line on standard error and exits 1, whatever
# other arguments it was given. The version is the project's, the one the
# metainfo's newest release and the manual page announce.
# Usage: command_line_test.sh <program> <project version> <packaging folder>
set -euo pipefail

program=$1
version=$2
packaging=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the program with no display in reach, then the given environment; keeps
# what it printed in $out and $err and its exit code in $code.
run() {
    local assignments=()
    while [ $# -gt 0 ] && [[ $1 == *=* ]]; do assignments+=("$1"); shift; done
    code=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        ${assignments[@]+"${assignments[@]}"} timeout 20 "$program" "$@" \
        >"$work/out" 2>"$work/err" || code=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

# $1: what was run; $2: the exit code wanted; $3: the one line standard error
# must hold.
expect_display_error() {
    [ "$code" = "$2" ] || fail "$1: exit code $code, not $2 ($err)"
    [ -z "$out" ] || fail "$1: printed on standard output: $out"
    [ "$(wc -l <"$work/err")" = 1 ] || fail "$1: standard error is not one line: $err"
    [ "$err" = "$3" ] || fail "$1: standard error says: $err"
}

run --help
[ "$code" = 0 ] || fail "--help exits with $code"
[ -z "$err" ] || fail "--help printed on standard error: $err"
[[ $out == "Usage: tapnest "* ]] || fail "--help does not start with the usage: $out"
for option in --help --version; do
    grep -q -- "^  $option " <<<"$out" || fail "--help does not describe $option"
done

for arguments in "--version" "--ignored --version --help"; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    run $arguments
    [ "$code" = 0 ] || fail "$arguments exits with $code"
    [ -z "$err" ] || fail "$arguments printed on standard error: $err"
    [ "$out" = "tapnest $version" ] || fail "$arguments printed: $out"
done
grep -q "<release version=\"$version\"" "$packaging/tapnest.metainfo.xml" ||
    fail "the metainfo has no release $version"
[ "$(grep -o -m1 '<release version="[^"]*"' "$packaging/tapnest.metainfo.xml")" = \
    "<release version=\"$version\"" ] || fail "the metainfo's newest release is not $version"
grep -q "^\.TH TAPNEST 1 .* \"Tapnest $version\"" "$packaging/tapnest.1" ||
    fail "the manual page is not the one of version $version"

# An X display number that nothing serves.
number=4711
while [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done

run
expect_display_error "no display" 1 "tapnest: cannot open a display: DISPLAY is not set"
run --ignored -x file.png
expect_display_error "other arguments" 1 "tapnest: cannot open a display: DISPLAY is not set"
run DISPLAY=":$number"
expect_display_error "an X display nobody serves" 1 \
    "tapnest: cannot open a display: the X display \":$number\" cannot be opened"
run WAYLAND_DISPLAY="$work/no-compositor" XDG_RUNTIME_DIR="$work"
expect_display_error "a Wayland display nobody serves" 1 \
    "tapnest: cannot open a display: the Wayland display \"$work/no-compositor\" cannot be opened; DISPLAY is not set"
echo "The command line is answered"
