#!/usr/bin/env python3
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
Usage: gnome_shell_io.py   (as the session's user, with its bus address)
"""

import os
import sys
import time

import dbus

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wayland_input import chord_codes  # noqa: E402

# mutter hands injected events to its input thread; a key's handling in the
# shell follows within this time, so that the next request sees its effect.
SETTLE_SECONDS = 0.05


class Shell:
    def __init__(self):
        bus = dbus.SessionBus()
        desktop = bus.get_object("org.gnome.Mutter.RemoteDesktop",
                                 "/org/gnome/Mutter/RemoteDesktop")
        path = desktop.CreateSession(
            dbus_interface="org.gnome.Mutter.RemoteDesktop")
        self.input = dbus.Interface(
            bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
            "org.gnome.Mutter.RemoteDesktop.Session")
        self.input.Start()
        self.shell = dbus.Interface(
            bus.get_object("org.gnome.Shell", "/org/gnome/Shell"),
            "org.gnome.Shell")
        self.screenshot = dbus.Interface(
            bus.get_object("org.gnome.Shell.Screenshot",
                           "/org/gnome/Shell/Screenshot"),
            "org.gnome.Shell.Screenshot")

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


def main():
    shell = Shell()
    requests = {"key": shell.key, "eval": shell.eval, "shot": shell.shot,
                "move": shell.move}
    for line in sys.stdin:
        verb, _, rest = line.rstrip("\n").partition(" ")
        words = [rest] if verb == "eval" else rest.split()
        try:
            print("ok", requests[verb](*words), flush=True)
        except (KeyError, TypeError, ValueError, RuntimeError,
                dbus.DBusException) as error:
            print(f"error: {error!r}".replace("\n", " "), flush=True)


if __name__ == "__main__":
    main()
