#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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
# So are Qt's own catalogues, which only name Qt's buttons in the desktop's language.
for recommended in cage qt6-translations-l10n; do
    [[ ", $(field Recommends)," == *", $recommended,"* ]] ||
        fail "Recommends lacks $recommended: $(field Recommends)"
done
[[ ", $depends," != *", cage"[\ ,]* ]] || fail "Depends names cage: $depends"

# "<mode> <owner> <path>[ -> <link target>]" for every entry.
dpkg-deb -c "$deb" | awk '{ $3 = $4 = $5 = ""; print }' | tr -s ' ' >"$work/list"
expect() { grep -qxF -- "$1" "$work/list" || fail "the package lacks: $1"; }
expect "lrwxrwxrwx root/root ./usr/bin/tapnest -> ../lib/tapnest/tapnest"
expect "-rwxr-xr-x root/root ./usr/lib/tapnest/tapnest"
expect "-rwxr-xr-x root/root ./usr/lib/tapnest/tapnest-help-reader"
expect "-rw-r--r-- root/root ./usr/share/tapnest/Hello.wav"
expect "-rw-r--r-- root/root ./usr/share/tapnest/GoodBye.wav"
expect "drwxr-xr-x root/root ./usr/share/tapnest/DefVoice/"
expect "-rw-r--r-- root/root ./usr/share/applications/org.quillwork.tapnest.desktop"
expect "-rw-r--r-- root/root ./usr/share/metainfo/org.quillwork.tapnest.metainfo.xml"
expect "-rw-r--r-- root/root ./usr/share/wayland-sessions/org.quillwork.tapnest.Locked.desktop"
expect "-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/org.quillwork.tapnest.svg"
expect "-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/org.quillwork.tapnest.png"
expect "-rw-r--r-- root/root ./usr/share/man/man1/tapnest.1.gz"
outside=$(awk '{ print $3 }' "$work/list" | grep -v '^\./$' | grep -v '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
[ "$(grep -c '^-' "$work/list")" -gt 50 ] || fail "the content library is missing from the package"

expect "-rw-r--r-- root/root ./usr/share/doc/tapnest/copyright"
expect "-rw-r--r-- root/root ./usr/share/doc/tapnest/changelog.Debian.gz"
[ "$(field Section)" = education ] || fail "section $(field Section)"

# Shipped stripped: the programs carry no debugging sections.
for program in tapnest tapnest-help-reader; do
    dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/lib/tapnest/$program" >"$work/$program"
    readelf -S "$work/$program" | grep -q '\.debug_info' && fail "$program is not stripped"
done

# What a distribution checks: no error and no warning of lintian (the package's one override
# says why its remark holds by design).
report=$(lintian --fail-on error,warning --suppress-tags-from-file /dev/null "$deb" 2>&1) ||
    fail "lintian: $report"
grep -E '^[EW]:' <<<"$report" && fail "lintian: $report"

# A clean install, a start as an ordinary user and a purge leave nothing behind outside the
# user's own folders. Only where this machine may install it, and has no tapnest of its own.
if [ "$(id -u)" != 0 ] || dpkg -s tapnest >/dev/null 2>&1; then
    echo "package: passed (not installed: not root, or tapnest is installed here already)"
    exit 0
fi
# The checkout and its build trees are left out: other builds may write there meanwhile.
checkout=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=$(cd "$build_dir" && pwd)
listing() {
    find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp \
        -o -path /var/tmp -o -path /var/lib/dpkg -o -path /var/log -o -path /var/cache \
        -o -path /work -o -path /root -o -path "$checkout" -o -path "$build_dir" \) -prune \
        -o \( -type f -o -type l \) -print | sort
}
user=tapnest-e2e
id "$user" >/dev/null 2>&1 ||
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
listing >"$work/before"
home=$work/home
mkdir -p "$home"
chown "$user:" "$home"
chmod 755 "$work"
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg could not install the package: $(tail "$work/dpkg.log")"
setpriv --reuid="$user" --regid="$user" --init-groups -- env -i HOME="$home" \
    QT_QPA_PLATFORM=offscreen /usr/bin/tapnest >"$work/tapnest.log" 2>&1 &
app=$!
for _ in $(seq 100); do [ -d "$home/.local/share/tapnest" ] && break; sleep 0.1; done
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
[ -d "$home/.local/share/tapnest" ] || fail "the installed program made no folder for its user"
dpkg --purge tapnest >>"$work/dpkg.log" 2>&1 || fail "dpkg could not purge the package"
listing >"$work/after"
left=$(comm -13 "$work/before" "$work/after" | grep -v "^$work/" || true)
[ -z "$left" ] || fail "install, start and purge left behind: $left"
echo "package: passed"
