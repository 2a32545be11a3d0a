#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks its control
# fields and its file list.
# Usage: package_test.sh <build folder>
set -euo pipefail

build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null) ||
    fail "cpack could not build the package"
debs=("$work"/tapnest_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "no single tapnest package: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tapnest ] || fail "package name $(field Package)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture $(field Architecture)"
depends=$(field Depends)
for needed in libqt6widgets6 libpulse0 libsndfile1 libc6 libwayland-client0 qt6-image-formats-plugins qt6-wayland; do
    [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
        fail "Depends lacks $needed: $depends"
done
# The locked session's compositor is recommended, not needed to run the program.
[[ ", $(field Recommends)," == *", cage,"* ]] || fail "Recommends lacks cage: $(field Recommends)"
[[ ", $depends," != *", cage"[\ ,]* ]] || fail "Depends names cage: $depends"

# "<mode> <owner> <path>[ -> <link target>]" for every entry.
dpkg-deb -c "$deb" | awk '{ $3 = $4 = $5 = ""; print }' | tr -s ' ' >"$work/list"
expect() { grep -qxF -- "$1" "$work/list" || fail "the package lacks: $1"; }
expect "lrwxrwxrwx root/root ./usr/bin/tapnest -> ../lib/tapnest/tapnest"
expect "-rwxr-xr-x root/root ./usr/lib/tapnest/tapnest"
expect "-rw-r--r-- root/root ./usr/share/tapnest/Hello.wav"
expect "-rw-r--r-- root/root ./usr/share/tapnest/GoodBye.wav"
expect "drwxr-xr-x root/root ./usr/share/tapnest/DefVoice/"
expect "-rw-r--r-- root/root ./usr/share/applications/org.quillwork.Tapnest.desktop"
expect "-rw-r--r-- root/root ./usr/share/metainfo/org.quillwork.Tapnest.metainfo.xml"
expect "-rw-r--r-- root/root ./usr/share/wayland-sessions/org.quillwork.Tapnest.Locked.desktop"
expect "-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/org.quillwork.Tapnest.svg"
expect "-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/org.quillwork.Tapnest.png"
expect "-rw-r--r-- root/root ./usr/share/man/man1/tapnest.1.gz"
outside=$(awk '{ print $3 }' "$work/list" | grep -v '^\./$' | grep -v '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
[ "$(grep -c '^-' "$work/list")" -gt 50 ] || fail "the content library is missing from the package"

# Shipped stripped: the program carries no debugging sections.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/tapnest/tapnest >"$work/tapnest"
readelf -S "$work/tapnest" | grep -q '\.debug_info' && fail "the program is not stripped"
echo "package: passed"
