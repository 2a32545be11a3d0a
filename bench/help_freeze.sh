#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whether a hostile help file holds the real program up: a help file with a
# contents entry named by a megabyte, 100,000 entries and a page of 50 MB
# (the default topic with "page", else a small one linking to it) is laid
# beside the program; F1 opens it from the welcome dialog, then Alt+T asks
# for the setup. Prints how long after each key its window was mapped.
# Compiling the file takes chmcmd about a second per megabyte.
# Usage: help_freeze.sh <build/bin directory> [index|page] [page megabytes (50)]
set -euo pipefail

source "$(dirname "$0")/../scripts/desktop.sh"

default_topic=index.html
[ "${2:-index}" = page ] && default_topic=big.html
mkdir "$work/help"
python3 - "$work/help" "${3:-50}" "$default_topic" <<'PY'
import sys
folder, megabytes, topic = sys.argv[1], int(sys.argv[2]), sys.argv[3]
def entry(name):
    return (f'<li><object type="text/sitemap"><param name="Name" value="{name}">'
            '<param name="Local" value="index.html"></object>\n')
with open(f"{folder}/toc.hhc", "w") as toc:
    toc.write("<html><body><ul>\n" + entry("A" * (1 << 20)))
    toc.writelines(entry(f"Entry {i}") for i in range(100000))
    toc.write("</ul></body></html>")
with open(f"{folder}/index.html", "w") as index:
    index.write('<html><body><p><a href="big.html">Big</a></p></body></html>')
paragraph = "<p>" + "word " * 200 + "</p>\n"
with open(f"{folder}/big.html", "w") as page:
    page.write("<html><body>" + paragraph * (megabytes * 1000) + "</body></html>")
with open(f"{folder}/project.hhp", "w") as project:
    project.write("[OPTIONS]\nCompiled file=Kipo2Help.chm\nContents file=toc.hhc\n"
                  f"Default topic={topic}\nTitle=Tapnest Help\n\n"
                  "[FILES]\nindex.html\nbig.html\ntoc.hhc\n")
PY
(cd "$work/help" && chmcmd project.hhp >chmcmd.log 2>&1) ||
    { cat "$work/help/chmcmd.log" >&2; fail "chmcmd did not compile the help file"; }
cp "$work/help/Kipo2Help.chm" "$work/app/Kipo2Help.chm"

start_desktop
start_tapnest

# Seconds from $1 (date +%s.%N) until a window named like $2 is mapped.
mapped_after() {
    for _ in $(seq 3000); do
        if xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; then
            echo "$(date +%s.%N) - $1" | bc
            return 0
        fi
        sleep 0.01
    done
    fail "no window named $2"
}
pressed=$(date +%s.%N)
xdotool key F1
help=$(mapped_after "$pressed" 'Help$')
xdotool windowactivate --sync "$welcome"
pressed=$(date +%s.%N)
xdotool key alt+t
setup=$(mapped_after "$pressed" '^Setup$')
echo "hostile help file (default topic $default_topic): help mapped ${help} s after F1," \
    "setup ${setup} s after Alt+T; load $(cut -d' ' -f1-3 /proc/loadavg)"
