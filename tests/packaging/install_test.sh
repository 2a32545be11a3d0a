#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks the installed tree:
# the program and its link, the shipped data, the desktop entry, the locked
# login session, icons, metainfo and manual page (each through its own
# validator). Then starts the installed program and sees it make the user's
# folder from the shipped data.
# Usage: install_test.sh <build folder>
set -euo pipefail

build_dir=$1
work=$(mktemp -d)
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
app_id=org.quillwork.tapnest
data=$prefix/share/tapnest

[ "$(readlink "$prefix/bin/tapnest")" = ../lib/tapnest/tapnest ] || fail "bin/tapnest is not a link to the program"
[ -x "$prefix/bin/tapnest" ] || fail "the program is missing or not executable"
programs() { ls -A "$prefix/lib/tapnest" | tr '\n' ' '; }
[ "$(programs)" = "tapnest tapnest-help-reader " ] ||
    fail "lib/tapnest holds other than the program and its help file's reader"

# The shipped data is the generated library as it was made, never the
# (perhaps changed) copy beside the program in the build tree.
diff -r "$build_dir/tools/content/staging" "$data" --exclude=Kipo2Help.chm >/dev/null ||
    fail "share/tapnest differs from the generated content library"
for item in Hello.wav GoodBye.wav DefVoice; do
    [ -e "$data/$item" ] || fail "share/tapnest/$item is missing"
done
cmp -s "$build_dir/bin/Kipo2Help.chm" "$data/Kipo2Help.chm" || fail "the help file is not installed"
# The help file's reader beside the installed program opens the installed help file: it
# greets with an answer that the object is there (platform/help/HelpReaderProtocol.h).
greeting=$(python3 - "$prefix/lib/tapnest/tapnest-help-reader" "$data/Kipo2Help.chm" <<'EOF'
import os, socket, subprocess, sys
ours, theirs = socket.socketpair()
reader = subprocess.Popen([sys.argv[1], sys.argv[2], str(os.getpid())], stdin=theirs, stdout=theirs)
theirs.close()
ours.settimeout(5)
print(ours.recv(9).hex())
ours.close()
reader.wait(5)
EOF
)
[ "$greeting" = 010000000000000000 ] || fail "the help file's reader does not open the help file"

desktop=$prefix/share/applications/$app_id.desktop
# Errors, warnings and hints alike fail: the validator prints nothing for a clean entry.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "the desktop entry is not valid: $report"
[ -z "$report" ] || fail "the desktop entry draws remarks: $report"
grep -qx "Exec=tapnest" "$desktop" || fail "the desktop entry does not start tapnest"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
# The locked login session, which the login screen lists only where cage is
# installed (what it runs is checked by the cage session's end-to-end test).
session=$prefix/share/wayland-sessions/$app_id.Locked.desktop
report=$(desktop-file-validate "$session" 2>&1) || fail "the session file is not valid: $report"
[ -z "$report" ] || fail "the session file draws remarks: $report"
grep -qx "TryExec=cage" "$session" || fail "the session file does not try for cage"
# Validates the metainfo file and that its launchable names the desktop entry.
report=$(appstreamcli validate-tree --no-net "$prefix") || fail "the metainfo file is not valid: $report"
# A software centre's listing without a single remark, pedantic ones included.
report=$(appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app_id.metainfo.xml") ||
    fail "the metainfo file draws remarks: $report"
grep -q '^[EWIP]:' <<<"$report" && fail "the metainfo file draws remarks: $report"
for shot in welcome setup play; do
    [ -f "$prefix/share/doc/tapnest/screenshots/$shot.png" ] || fail "the $shot screenshot is not shipped"
    grep -q "screenshots/$shot.png</image>" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
        fail "the metainfo does not show the $shot screenshot"
done

icons=$prefix/share/icons/hicolor
grep -q '<svg' "$icons/scalable/apps/$app_id.svg" || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$app_id.png
    [ -f "$png" ] || fail "no ${size}px icon"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png has the wrong size"
done

man_page=$prefix/share/man/man1/tapnest.1.gz
warnings=$(man --warnings -E UTF-8 -l "$man_page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
man -E UTF-8 -l "$man_page" 2>/dev/null | grep -q kolo486 || fail "the manual page does not render"

# The first start of the installed program copies the shipped library into the
# user's folder and leaves the prefix alone. The greetings and the help file
# stay in the shipped data, so that a newer package brings its own.
XDG_DATA_HOME=$work/data HOME=$work/home QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/tapnest" >"$work/tapnest.log" 2>&1 &
app_pid=$!
for _ in $(seq 100); do
    [ -e "$work/data/tapnest" ] && break
    sleep 0.1
done
[ -e "$work/data/tapnest" ] || fail "the installed program made no user folder"
diff -r --exclude=Hello.wav --exclude=GoodBye.wav --exclude=Kipo2Help.chm \
    "$data" "$work/data/tapnest" >/dev/null || fail "the user folder is not a copy of the shipped library"
for item in Hello.wav GoodBye.wav Kipo2Help.chm; do
    [ ! -e "$work/data/tapnest/$item" ] || fail "$item was copied into the user folder"
done
[ "$(programs)" = "tapnest tapnest-help-reader " ] || fail "the program wrote beside itself"
echo "install tree: passed"
