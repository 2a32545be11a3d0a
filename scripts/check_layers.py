#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when an include points up the layers, or when a layer other than platform/ includes a
header of the operating system itself (POSIX, X11, XCB, Wayland)."""

import re
import subprocess
import sys
from pathlib import Path

# What each layer of the program may include, besides itself. resources/ (templates, ids,
# strings) is data that includes nothing; play/ and dialogframe/ sit side by side: neither
# includes the other. Other folders (tests, benchmarks, the build's tools) are no layers.
MAY_INCLUDE = {
    "platform": set(),
    "resources": set(),
    "library": {"platform"},
    "play": {"resources", "library", "platform"},
    "dialogframe": {"resources", "library", "platform"},
    "dialogs": {"dialogframe", "resources", "library", "platform"},
    "app": {"dialogs", "dialogframe", "play", "resources", "library", "platform"},
}

SYSTEM_HEADER = re.compile(
    r"#\s*include\s*<(unistd\.h|fcntl\.h|dirent\.h|poll\.h|pthread\.h|dlfcn\.h|spawn\.h"
    r"|termios\.h|sys/[^>]+|arpa/[^>]+|netinet/[^>]+|X11/[^>]+|xcb/[^>]+|wayland-[^>]+)>")
OWN_HEADER = re.compile(r'#\s*include\s*"([a-z]+)/[^"]+"')


def main() -> int:
    top = Path(__file__).resolve().parent.parent
    listed = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=top, check=True,
                            capture_output=True, text=True).stdout.split()
    faults = []
    for name in listed:
        folder = name.split("/", 1)[0]
        if folder not in MAY_INCLUDE:
            continue  # no layer: tests, benchmarks and tools may include anything
        allowed = MAY_INCLUDE[folder] | {folder}
        for number, line in enumerate((top / name).read_text(errors="replace").splitlines(), 1):
            if folder != "platform" and (match := SYSTEM_HEADER.match(line.strip())):
                faults.append(f"{name}:{number}: <{match.group(1)}> belongs in platform/")
            if (match := OWN_HEADER.match(line.strip())) and match.group(1) not in allowed:
                faults.append(f"{name}:{number}: {folder}/ may not include {match.group(1)}/")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
