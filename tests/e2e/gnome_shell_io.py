#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Keys, the pointer, JavaScript and screenshots on a GNOME Shell session, for
a whole test run, over the session bus.

Keys and the pointer go through one mutter remote desktop session, made once
and kept until standard input ends (mutter ends the session with its
caller). Keys are sent by their evdev codes, named as in wayland_input.py.
JavaScript runs in the shell with org.gnome.Shell.Eval and screenshots come
from org.gnome.Shell.Screenshot; both need the shell's unsafe mode.

Reads one request a line from standard input and answers each with one line,
"ok ..." or "error: ...":
  key CHORD...        types the chords ("super+a", "Print", "k") one by one;
                      answers the evdev code of the last key typed
  eval EXPRESSION     prints the expression's value as the shell's text of it
  shot X Y W H FILE   writes that part of the screen to FILE as a PNG
  move DX DY          moves the pointer by DX,DY pixels
With --touch, also a touchscreen over every monitor (see gnome_touch.py;
PipeWire must run), in the layout's coordinates; a gesture that ends with
fingers lifted answers when, in microseconds on the monotonic clock:
  tap X Y                         one finger taps
  drag X Y DX DY SECONDS          one finger moves by DX,DY
  swipe FINGERS X Y DX DY SECONDS fingers side by side move together
  hold-tap FINGERS X Y SECONDS    fingers held, then one more taps beside them
Usage: gnome_shell_io.py [--touch]   (as the session's user, with its bus
address)
"""

import os
import sys
import time

import dbus

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gnome_touch import Touchscreen  # noqa: E402
from wayland_input import chord_codes  # noqa: E402

# mutter hands injected events to its input thread; a key's handling in the
# shell follows within this time, so that the next request sees its effect.
SETTLE_SECONDS = 0.05


class Shell:
    def __init__(self, touch):
        bus = dbus.SessionBus()
        desktop = bus.get_object("org.gnome.Mutter.RemoteDesktop",
                                 "/org/gnome/Mutter/RemoteDesktop")
        path = desktop.CreateSession(
            dbus_interface="org.gnome.Mutter.RemoteDesktop")
        self.input = dbus.Interface(
            bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
            "org.gnome.Mutter.RemoteDesktop.Session")
        self.touch = Touchscreen(bus, path) if touch else None
        self.input.Start()
        self.shell = dbus.Interface(
            bus.get_object("org.gnome.Shell", "/org/gnome/Shell"),
            "org.gnome.Shell")
        self.screenshot = dbus.Interface(
            bus.get_object("org.gnome.Shell.Screenshot",
                           "/org/gnome/Shell/Screenshot"),
            "org.gnome.Shell.Screenshot")

    def stop(self):
        """Ends the session, and its screen cast with it: mutter 43 does not
        end while a remote desktop session's screen cast is open."""
        try:
            self.input.Stop()
        except dbus.DBusException:
            pass  # the shell ended it, or ended

    def key(self, *chords):
        codes = []
        for chord in chords:
            codes = chord_codes(chord)
            for code in codes:
                self.input.NotifyKeyboardKeycode(code, True)
                time.sleep(0.01)
            for code in reversed(codes):
                self.input.NotifyKeyboardKeycode(code, False)
                time.sleep(0.01)
        time.sleep(SETTLE_SECONDS)
        return str(codes[-1])

    def eval(self, expression):
        success, value = self.shell.Eval(expression)
        if not success:
            raise RuntimeError(f"the shell failed: {value}")
        return value.replace("\n", " ")

    def shot(self, x, y, width, height, path):
        success, _ = self.screenshot.ScreenshotArea(
            int(x), int(y), int(width), int(height), False, path)
        if not success:
            raise RuntimeError("the shell took no screenshot")
        return ""

    def move(self, dx, dy):
        self.input.NotifyPointerMotionRelative(float(dx), float(dy))
        time.sleep(SETTLE_SECONDS)
        return ""

    def touch_requests(self):
        """The touch gestures as requests, which take their words as
        numbers (fingers as a count) and settle as a key does."""
        def settled(gesture, *kinds):
            def request(*words):
                if len(words) != len(kinds):
                    raise TypeError(f"{len(kinds)} numbers expected")
                try:
                    lifted = gesture(*(kind(word) for kind, word in zip(kinds, words)))
                finally:
                    touch.lift_all()  # no finger stays down after a failure
                time.sleep(SETTLE_SECONDS)
                return "" if lifted is None else str(lifted)
            return request
        touch = self.touch
        return {
            "tap": settled(touch.tap, float, float),
            "drag": settled(touch.drag, float, float, float, float, float),
            "swipe": settled(touch.swipe, int, float, float, float, float, float),
            "hold-tap": settled(touch.hold_tap, int, float, float, float),
        }


def main():
    shell = Shell(touch="--touch" in sys.argv[1:])
    requests = {"key": shell.key, "eval": shell.eval, "shot": shell.shot,
                "move": shell.move}
    if shell.touch:
        requests.update(shell.touch_requests())
    for line in sys.stdin:
        verb, _, rest = line.rstrip("\n").partition(" ")
        words = [rest] if verb == "eval" else rest.split()
        try:
            print("ok", requests[verb](*words), flush=True)
        except (KeyError, TypeError, ValueError, RuntimeError,
                dbus.DBusException) as error:
            print(f"error: {error!r}".replace("\n", " "), flush=True)
    shell.stop()


if __name__ == "__main__":
    main()
