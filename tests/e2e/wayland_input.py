#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One virtual keyboard and one virtual pointer on a Wayland compositor, for
a whole test run.

Speaks the Wayland wire protocol directly, so it needs nothing beyond
Python. Two kinds of compositor are served, by what the compositor offers:

- wlroots compositors such as sway: zwp_virtual_keyboard_v1 and
  zwlr_virtual_pointer_v1. The pointer sends nothing itself; it is there so
  that the seat has a pointer, without which the compositor gives clients no
  wl_pointer and its own cursor commands reach nobody. The keymap is an
  ordinary US pc105 one and keys are sent by their evdev codes, so a client
  sees the same key codes and keysyms as from a real keyboard. Modifier keys
  are pressed as keys and, since a compositor does not derive a virtual
  keyboard's modifier state from its keys, their state is sent after each of
  them, in the order a hardware keyboard's events come.
- KWin: org_kde_kwin_fake_input (version 4), whose keys KWin treats as its
  own keyboard's, modifiers included, and whose pointer it moves.

Both are made once and kept until standard input ends: a new keyboard per key
makes the compositor switch keymaps in front of the focused client each time,
and the first key after such a switch can be lost.

Reads one line per request from standard input and answers each with one
line, "ok" or "error: ...", once the compositor has handled every event of
the request (a wl_display.sync round trip). A request is words separated by
spaces, each a chord like xdotool's: "k", "Return", "super+Return",
"ctrl+Escape", "super+shift+q", "Super_L" (a tap of the key alone); with the
fake input also "move:X,Y", the pointer to that position of the layout, and
"click", the left button where the pointer is.
Usage: wayland_input.py   (with WAYLAND_DISPLAY and XDG_RUNTIME_DIR set)
"""

import array
import os
import socket
import struct
import sys
import time

KEYMAP = b"""xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols { include "pc+us+inet(evdev)" };
    xkb_geometry { include "pc(pc105)" };
};
"""

# evdev codes (linux/input-event-codes.h) of the keys the tests use.
KEYS = {"Escape": 1, "BackSpace": 14, "Tab": 15, "Return": 28, "space": 57,
        "Control_L": 29, "Shift_L": 42, "Alt_L": 56, "Super_L": 125,
        "Left": 105, "Right": 106, "Up": 103, "Down": 108,
        "Prior": 104, "Next": 109, "Page_Down": 109, "Print": 99}
KEYS.update({str(d): 2 + (d - 1) % 10 for d in range(10)})
for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44)):
    KEYS.update({c: first + i for i, c in enumerate(row)})
KEYS.update({f"F{n}": 58 + n for n in range(1, 11)})
KEYS.update({"F11": 87, "F12": 88})
MODIFIERS = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L",
             "super": "Super_L"}
# The real modifier each modifier key sets in that keymap: Shift, Control,
# Mod1 and Mod4, as bits of a modifier mask.
MASKS = {KEYS["Shift_L"]: 1, KEYS["Control_L"]: 4, KEYS["Alt_L"]: 8,
         KEYS["Super_L"]: 64}

PRESSED, RELEASED = 1, 0


def chord_codes(text):
    """The evdev codes of a chord like "super+shift+q", modifiers first."""
    *mods, name = text.split("+")
    codes = [KEYS[MODIFIERS[m.lower()]] for m in mods]
    if name not in KEYS:
        raise KeyError(name)
    return codes + [KEYS[name]]


class ProtocolError(Exception):
    pass


class Connection:
    def __init__(self):
        name = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
        path = name if name.startswith("/") else os.path.join(
            os.environ["XDG_RUNTIME_DIR"], name)
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.next_id = 2  # 1 is wl_display
        self.buffer = b""
        self.registry = None  # wl_registry's id, once asked for
        self.globals = {}  # interface -> the global's name

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, payload=b"", fds=()):
        header = struct.pack("<II", obj, (8 + len(payload)) << 16 | opcode)
        ancillary = []
        if fds:
            ancillary = [(socket.SOL_SOCKET, socket.SCM_RIGHTS,
                          array.array("i", fds))]
        self.sock.sendmsg([header + payload], ancillary)

    def events(self):
        """Reads what the socket holds and yields (object, opcode, payload)."""
        data = self.sock.recv(65536)
        if not data:
            raise ProtocolError("the compositor closed the connection")
        self.buffer += data
        while len(self.buffer) >= 8:
            obj, word = struct.unpack_from("<II", self.buffer)
            size = word >> 16
            if len(self.buffer) < size:
                break
            payload = self.buffer[8:size]
            self.buffer = self.buffer[size:]
            if obj == 1 and word & 0xFFFF == 0:  # wl_display.error
                _, code = struct.unpack_from("<II", payload)
                raise ProtocolError(f"error {code}: {string_at(payload, 8)}")
            yield obj, word & 0xFFFF, payload

    def roundtrip(self, on_event=None):
        callback = self.new_id()
        self.send(1, 0, struct.pack("<I", callback))  # wl_display.sync
        while True:
            for obj, opcode, payload in self.events():
                if obj == callback:
                    return
                if on_event:
                    on_event(obj, opcode, payload)


def string_at(payload, offset):
    (length,) = struct.unpack_from("<I", payload, offset)
    return payload[offset + 4:offset + 4 + length - 1].decode()


def pack_string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


class Keyboard:
    """Chords typed as key presses and releases on the connection `conn`,
    whose globals are known; a subclass sends each key."""

    def __init__(self, conn):
        self.conn = conn
        self.held = []

    def bind(self, interface, version):
        if interface not in self.conn.globals:
            raise ProtocolError(f"the compositor has no {interface}")
        obj = self.conn.new_id()
        self.conn.send(self.conn.registry, 0,
                       struct.pack("<I", self.conn.globals[interface])
                       + pack_string(interface) + struct.pack("<II", version, obj))
        return obj

    def key(self, code, state):
        self.send_key(code, state)
        self.conn.roundtrip()
        if state == PRESSED:
            self.held.append(code)
        else:
            self.held.remove(code)
        self.held_changed(code)

    def send_key(self, code, state):
        raise NotImplementedError

    def held_changed(self, code):
        """Tells the compositor what it needs after `code` went down or up."""

    def word(self, text):
        """Types the chord `text`."""
        codes = chord_codes(text)
        for code in codes:
            self.key(code, PRESSED)
            time.sleep(0.01)
        for code in reversed(codes):
            self.key(code, RELEASED)
            time.sleep(0.01)

    def release_all(self):
        for code in reversed(list(self.held)):
            self.key(code, RELEASED)


class VirtualKeyboard(Keyboard):
    """A wlroots virtual keyboard with its own keymap, and the pointer that
    only has to exist."""

    def __init__(self, conn):
        super().__init__(conn)
        seat = self.bind("wl_seat", 1)
        manager = self.bind("zwp_virtual_keyboard_manager_v1", 1)
        pointers = self.bind("zwlr_virtual_pointer_manager_v1", 1)
        self.conn.send(pointers, 0, struct.pack("<II", seat, self.conn.new_id()))
        self.keyboard = self.conn.new_id()
        self.conn.send(manager, 0, struct.pack("<II", seat, self.keyboard))
        fd = os.memfd_create("keymap")
        os.write(fd, KEYMAP + b"\0")
        self.conn.send(self.keyboard, 0, struct.pack("<II", 1, len(KEYMAP) + 1),
                       fds=[fd])  # keymap, format xkb_v1
        os.close(fd)
        self.conn.roundtrip()
        self.start = time.monotonic()

    def send_key(self, code, state):
        millis = int((time.monotonic() - self.start) * 1000)
        self.conn.send(self.keyboard, 1, struct.pack("<III", millis, code, state))

    def held_changed(self, code):
        if code in MASKS:
            mask = 0
            for held in self.held:
                mask |= MASKS.get(held, 0)
            self.conn.send(self.keyboard, 2, struct.pack("<IIII", mask, 0, 0, 0))
            self.conn.roundtrip()


class FakeInput(Keyboard):
    """KWin's fake input: keys by their evdev codes, and the pointer."""

    def __init__(self, conn):
        super().__init__(conn)
        self.device = self.bind("org_kde_kwin_fake_input", 4)
        self.conn.send(self.device, 0, pack_string("Tapnest end-to-end test")
                       + pack_string("types and clicks as a child would"))
        self.conn.roundtrip()

    def send_key(self, code, state):
        self.conn.send(self.device, 10, struct.pack("<II", code, state))

    def word(self, text):
        if text == "click":
            for state in (PRESSED, RELEASED):  # button, BTN_LEFT
                self.conn.send(self.device, 2, struct.pack("<II", 0x110, state))
            self.conn.roundtrip()
            return
        if not text.startswith("move:"):
            super().word(text)
            return
        x, y = (int(n) for n in text[len("move:"):].split(","))
        # pointer_motion_absolute, in 24.8 fixed point.
        self.conn.send(self.device, 9, struct.pack("<ii", x * 256, y * 256))
        self.conn.roundtrip()


def open_devices():
    """The fake input where the compositor is KWin, else a virtual keyboard."""
    conn = Connection()
    conn.registry = conn.new_id()
    conn.send(1, 1, struct.pack("<I", conn.registry))  # get_registry

    def on_global(obj, opcode, payload):
        if obj == conn.registry and opcode == 0:
            (name,) = struct.unpack_from("<I", payload)
            conn.globals[string_at(payload, 4)] = name

    conn.roundtrip(on_global)
    if "org_kde_kwin_fake_input" in conn.globals:
        return FakeInput(conn)
    return VirtualKeyboard(conn)


def main():
    devices = open_devices()
    for line in sys.stdin:
        try:
            for word in line.split():
                devices.word(word)
            print("ok", flush=True)
        except KeyError as unknown:
            devices.release_all()
            print(f"error: unknown key {unknown}", flush=True)
        except ValueError:
            print(f"error: bad position in '{line.strip()}'", flush=True)
    devices.release_all()


if __name__ == "__main__":
    try:
        main()
    except (OSError, ProtocolError) as error:
        print(f"error: {error}", flush=True)
        sys.exit(1)
