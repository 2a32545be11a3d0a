#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The test's own client of a KWin session on its private D-Bus: it records
which of the desktop's shortcuts fire, stands in for the desktop's programs
that own shortcuts but do not run here, and reads KWin's windows and screens.

Recording: every kglobalaccel globalShortcutPressed signal, as
"component/action"; KWin's modifier-only shortcut for Meta alone, configured
to call Meta() here, as "meta"; the screen corners, whose KWin script calls
Corner(name) here, as "corner/name".

Standing in: the shortcuts of KRunner (Alt+F2, Alt+Space), of the activity
switcher (Meta+Tab) and a user's custom binding (Ctrl+Alt+T) are registered
with kglobalaccel under components of our own, as those programs would.

Reads one request a line from standard input and answers each with one line:
  fired              the shortcuts recorded since the last "forget", in the
                     order they fired, joined by ", "
  forget             "ok", after forgetting them
  windows            KWin's outputs, windows and desktop as one JSON object
  activate ID        "ok" once the window ID has been given the focus
  shot X Y W H FILE  "ok" once FILE is a PNG of that rectangle of the layout
Every answer comes after the messages KWin sent before it answered a call of
ours, so a shortcut that fired before the request is in the record.
Usage: kwin_session.py DIR   (with DBUS_SESSION_BUS_ADDRESS set; DIR holds
the scripts it writes for KWin)
"""

import os
import struct
import sys
import time
import zlib

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.quillwork.tapnestE2E"
KGLOBALACCEL_SETPRESENT, KGLOBALACCEL_NOAUTOLOADING = 2, 4

# Qt's key codes, as kglobalaccel takes them.
ALT, CTRL, META = 0x08000000, 0x04000000, 0x10000000
KEY_TAB, KEY_F2, KEY_SPACE, KEY_T = 0x01000001, 0x01000031, 0x20, 0x54
# component, action, keys: the shortcuts whose programs do not run here.
STAND_INS = [
    ("krunner", "run command", [ALT | KEY_F2, ALT | KEY_SPACE]),
    ("activities", "next activity", [META | KEY_TAB]),
    ("custom", "open terminal", [CTRL | ALT | KEY_T]),
]

# What a window query reports: each output's rectangle in the layout, the
# current desktop, and of each window enough to tell where the focus is,
# whose window it is, and whether it is full screen on its output (an index
# into the outputs).
WINDOWS_SCRIPT = """
const outputs = [];
for (let i = 0; i < workspace.numScreens; i++) {
    const area = workspace.clientArea(KWin.ScreenArea, i, workspace.currentDesktop);
    outputs.push([area.x, area.y, area.width, area.height]);
}
const windows = workspace.clientList().map(w => ({
    id: w.internalId.toString(), caption: w.caption, pid: w.pid,
    appId: w.desktopFileName, active: w.active, fullScreen: w.fullScreen,
    geometry: [w.frameGeometry.x, w.frameGeometry.y,
               w.frameGeometry.width, w.frameGeometry.height],
    output: w.screen}));
callDBus("%(name)s", "/", "%(name)s", "Report", JSON.stringify({
    currentDesktop: workspace.currentDesktop, outputs: outputs, windows: windows}));
"""

# Gives the focus to the window %(id)s.
ACTIVATE_SCRIPT = """
for (const w of workspace.clientList()) {
    if (w.internalId.toString() === "%(id)s") {
        workspace.activeClient = w;
    }
}
callDBus("%(name)s", "/", "%(name)s", "Report", "ok");
"""

# The four corners of the layout, each calling Corner(name) when the pointer
# reaches it.
CORNERS_SCRIPT = """
for (const [name, border] of [["TopLeft", KWin.ElectricTopLeft],
        ["TopRight", KWin.ElectricTopRight], ["BottomRight", KWin.ElectricBottomRight],
        ["BottomLeft", KWin.ElectricBottomLeft]]) {
    registerScreenEdge(border, () => callDBus("%(name)s", "/", "%(name)s", "Corner", name));
}
"""


class Recorder(dbus.service.Object):
    """The methods KWin calls, and the record of what fired."""

    def __init__(self, bus):
        super().__init__(dbus.service.BusName(NAME, bus), "/")
        self.fired = []
        self.report = None

    @dbus.service.method(NAME)
    def Meta(self):
        self.fired.append("meta")

    @dbus.service.method(NAME, in_signature="s")
    def Corner(self, name):
        self.fired.append("corner/" + name)

    @dbus.service.method(NAME, in_signature="s")
    def Report(self, text):
        self.report = text

    def shortcut_pressed(self, component, action, _timestamp):
        self.fired.append(f"{component}/{action}")


class Session:
    def __init__(self, directory):
        self.bus = dbus.SessionBus()
        self.directory = directory
        self.recorder = Recorder(self.bus)
        self.bus.add_signal_receiver(self.recorder.shortcut_pressed,
                                     "globalShortcutPressed",
                                     "org.kde.kglobalaccel.Component")
        self.kwin = self.bus.get_object("org.kde.KWin", "/")
        self.scripting = dbus.Interface(self.bus.get_object("org.kde.KWin", "/Scripting"),
                                        "org.kde.kwin.Scripting")
        self.scripts = 0
        self.register_stand_ins()
        self.run_script(CORNERS_SCRIPT, "tapnest-e2e-corners")

    def register_stand_ins(self):
        accel = dbus.Interface(self.bus.get_object("org.kde.kglobalaccel", "/kglobalaccel"),
                               "org.kde.KGlobalAccel")
        for component, action, keys in STAND_INS:
            action_id = [component, action, component, action]
            accel.doRegister(action_id)
            accel.setShortcut(action_id, dbus.Array(keys, signature="i"),
                              KGLOBALACCEL_SETPRESENT | KGLOBALACCEL_NOAUTOLOADING)

    def run_script(self, text, plugin, **fields):
        path = os.path.join(self.directory, plugin + ".js")
        with open(path, "w") as script:
            script.write(text % dict(fields, name=NAME))
        number = self.scripting.loadScript(path, plugin, signature="ss")
        self.bus.get_object("org.kde.KWin", f"/{number}").run(
            dbus_interface="org.kde.kwin.Script")

    def settle(self):
        """Waits for KWin to answer a call, then handles what it sent before."""
        self.kwin.Ping(dbus_interface="org.freedesktop.DBus.Peer")
        handle_pending()

    def query(self, text, **fields):
        """Runs a script that reports once, and returns its report."""
        self.scripts += 1
        plugin = f"tapnest-e2e-query-{self.scripts}"
        self.recorder.report = None
        self.run_script(text, plugin, **fields)
        # KWin reads and runs a script after run() has returned.
        deadline = time.monotonic() + 5
        while self.recorder.report is None and time.monotonic() < deadline:
            time.sleep(0.005)
            handle_pending()
        self.scripting.unloadScript(plugin)
        return self.recorder.report or "error: KWin's script did not report"

    def shot(self, x, y, width, height, path):
        screenshots = dbus.Interface(
            self.bus.get_object("org.kde.KWin.ScreenShot2", "/org/kde/KWin/ScreenShot2"),
            "org.kde.KWin.ScreenShot2")
        reader, writer = os.pipe()
        try:
            facts = screenshots.CaptureArea(x, y, width, height, {"native-resolution": True},
                                            dbus.types.UnixFd(writer))
        finally:
            os.close(writer)
        with os.fdopen(reader, "rb") as pipe:
            pixels = pipe.read()
        write_png(path, pixels, int(facts["width"]), int(facts["height"]),
                  int(facts["stride"]), int(facts["format"]))
        return "ok"

    def answer(self, request):
        words = request.split()
        if words == ["fired"]:
            self.settle()
            return ", ".join(self.recorder.fired)
        if words == ["forget"]:
            self.settle()
            self.recorder.fired.clear()
            return "ok"
        if words == ["windows"]:
            return self.query(WINDOWS_SCRIPT)
        if len(words) == 2 and words[0] == "activate":
            return self.query(ACTIVATE_SCRIPT, id=words[1])
        if len(words) == 6 and words[0] == "shot":
            return self.shot(*(int(word) for word in words[1:5]), words[5])
        return f"error: unknown request '{request}'"


# QImage formats KWin sends: 32-bit pixels, in memory B, G, R, A (4 to 6) or
# R, G, B, A (16 to 18).
BGRA_FORMATS, RGBA_FORMATS = (4, 5, 6), (16, 17, 18)


def write_png(path, pixels, width, height, stride, image_format):
    """Writes the 32-bit pixels as an 8-bit RGB PNG."""
    if image_format not in BGRA_FORMATS + RGBA_FORMATS:
        raise ValueError(f"unknown image format {image_format}")
    red, blue = (2, 0) if image_format in BGRA_FORMATS else (0, 2)
    rows = []
    for y in range(height):
        row = pixels[y * stride:y * stride + width * 4]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = row[red::4], row[1::4], row[blue::4]
        rows.append(b"\0" + bytes(rgb))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))

    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n"
                  + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(b"".join(rows), 1))
                  + chunk(b"IEND", b""))


def handle_pending():
    """Handles the calls and signals that have come in."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    session = Session(sys.argv[1])
    print("ready", flush=True)
    for line in sys.stdin:
        try:
            answer = session.answer(line.strip())
        except (dbus.DBusException, OSError, ValueError, KeyError) as error:
            answer = f"error: {error}"
        print(answer, flush=True)


if __name__ == "__main__":
    main()
