# SPDX-License-Identifier: GPL-3.0-or-later
"""Times the real program from a key press sent with XTest to the first change
of the screen, as the X server reports it (DAMAGE on the root window, which
counts what every window draws). Run by key_to_screen.sh inside a play.
With "quit" it presses a key, types the quit word at once, while that key's
picture may still be decoded, and times the play window's unmapping from the
word's last letter.

Usage: key_to_screen.py <presses> <human|mashing>
       key_to_screen.py quit <play window id>
"""
import random
import select
import statistics
import sys
import time
from pathlib import Path

from Xlib import X, XK, display
from Xlib.ext import damage, xtest

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "scripts"))
from quit_word import QUIT_WORD  # noqa: E402

TIMEOUT = 5.0


def time_quit(window_id):
    screen = display.Display()
    window = screen.create_resource_object("window", window_id)
    window.change_attributes(event_mask=X.StructureNotifyMask)
    screen.sync()

    def tap(keysym_name):
        code = screen.keysym_to_keycode(XK.string_to_keysym(keysym_name))
        xtest.fake_input(screen, X.KeyPress, code)
        xtest.fake_input(screen, X.KeyRelease, code)

    # All at once, faster than any parent types: what is timed is how soon
    # the play ends while that key's picture may still be in the making.
    tap("x")
    for letter in QUIT_WORD:
        tap(letter)
    screen.sync()
    typed = time.monotonic()
    deadline = typed + TIMEOUT
    while time.monotonic() < deadline:
        while screen.pending_events():
            if screen.next_event().type == X.UnmapNotify:
                print(f"quit word: the play ended {(time.monotonic() - typed) * 1000:.1f} ms "
                      "after its last letter")
                return
        select.select([screen], [], [], max(0.0, deadline - time.monotonic()))
    sys.exit("the quit word did not end the play within 5 s")


def main():
    if sys.argv[1] == "quit":
        time_quit(int(sys.argv[2], 0))
        return
    presses, rhythm = int(sys.argv[1]), sys.argv[2]
    screen = display.Display()
    root = screen.screen().root
    if not screen.has_extension("DAMAGE"):
        sys.exit("the X server has no DAMAGE extension")
    screen.damage_query_version()
    watch = root.damage_create(damage.DamageReportNonEmpty)
    notify = screen.query_extension("DAMAGE").first_event + damage.DamageNotifyCode
    code = screen.keysym_to_keycode(XK.string_to_keysym("x"))
    pace = random.Random(11)
    delays, missed = [], 0

    def drain():
        while screen.pending_events():
            screen.next_event()
        screen.damage_subtract(watch, X.NONE, X.NONE)
        screen.sync()
        while screen.pending_events():
            screen.next_event()

    def wait_damage(deadline):
        while time.monotonic() < deadline:
            while screen.pending_events():
                if screen.next_event().type == notify:
                    return time.monotonic()
            select.select([screen], [], [], max(0.0, deadline - time.monotonic()))
        return None

    for _ in range(presses):
        time.sleep(pace.uniform(0.2, 0.333) if rhythm == "human" else 0.05)
        drain()
        xtest.fake_input(screen, X.KeyPress, code)
        screen.sync()
        pressed = time.monotonic()
        changed = wait_damage(pressed + TIMEOUT)
        xtest.fake_input(screen, X.KeyRelease, code)
        screen.sync()
        if changed is None:
            missed += 1
        else:
            delays.append((changed - pressed) * 1000)

    screen.close()
    if not delays:
        sys.exit("the screen never changed after a key press")
    delays.sort()
    p99 = delays[min(len(delays) - 1, int(0.99 * len(delays)))]
    print(f"{rhythm}: {len(delays)} presses, median {statistics.median(delays):.1f} ms, "
          f"99th percentile {p99:.1f} ms, worst {delays[-1]:.1f} ms, "
          f"{missed} without a change")


if __name__ == "__main__":
    main()
