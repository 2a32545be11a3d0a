# SPDX-License-Identifier: GPL-3.0-or-later
"""A virtual touchscreen over every monitor of a GNOME Shell session, driven
as fingers would: taps, drags, swipes of several fingers, a tap while
fingers are held.

mutter takes touches from a remote desktop session only in the coordinates
of one of its screen cast streams, so the session records every monitor (a
stream that nobody consumes costs nothing; mutter needs PipeWire running to
make it). Points here are in the layout's coordinates, as the shell's
monitors give them; each finger is placed by the stream of the monitor it
first touches. mutter adds the touchscreen to the seat at the first touch,
not before.

The session's own Start starts the streams too, so a Touchscreen is made
between the session's creation and its Start.
"""

import time

import dbus

# A moving finger reports its position this often.
STEP_SECONDS = 0.01
# How long a finger rests on the glass for a tap.
TAP_SECONDS = 0.05
# How far apart, side by side, the fingers of a gesture land.
FINGER_SPACING = 60

MUTTER = "org.gnome.Mutter"


def monitor_layout(bus):
    """Each monitor as (connector, x, y, width, height), in the layout."""
    config = dbus.Interface(
        bus.get_object(f"{MUTTER}.DisplayConfig", "/org/gnome/Mutter/DisplayConfig"),
        f"{MUTTER}.DisplayConfig")
    _, monitors, logical_monitors, _ = config.GetCurrentState()
    sizes = {}
    for (connector, *_), modes, _ in monitors:
        for _, width, height, *_, properties in modes:
            if properties.get("is-current", False):
                sizes[str(connector)] = (int(width), int(height))
    layout = []
    for x, y, scale, _, _, shown, _ in logical_monitors:
        for connector, *_ in shown:
            width, height = sizes[str(connector)]
            layout.append((str(connector), int(x), int(y),
                           round(width / scale), round(height / scale)))
    return layout


class Touchscreen:
    def __init__(self, bus, session_path):
        session = bus.get_object(f"{MUTTER}.RemoteDesktop", session_path)
        session_id = session.Get(f"{MUTTER}.RemoteDesktop.Session", "SessionId",
                                 dbus_interface=dbus.PROPERTIES_IFACE)
        cast = bus.get_object(f"{MUTTER}.ScreenCast", "/org/gnome/Mutter/ScreenCast")
        cast_path = cast.CreateSession({"remote-desktop-session-id": session_id},
                                       dbus_interface=f"{MUTTER}.ScreenCast")
        cast_session = dbus.Interface(bus.get_object(f"{MUTTER}.ScreenCast", cast_path),
                                      f"{MUTTER}.ScreenCast.Session")
        # (x, y, width, height, stream) for each monitor.
        self.monitors = [
            (x, y, width, height, cast_session.RecordMonitor(connector, {}))
            for connector, x, y, width, height in monitor_layout(bus)]
        self.input = dbus.Interface(session, f"{MUTTER}.RemoteDesktop.Session")
        self.fingers = {}  # slot -> the monitor it touched first

    def _monitor_at(self, x, y):
        for monitor in self.monitors:
            left, top, width, height, _ = monitor
            if left <= x < left + width and top <= y < top + height:
                return monitor
        raise ValueError(f"no monitor at {x},{y}")

    def down(self, slot, x, y):
        monitor = self._monitor_at(x, y)
        self.fingers[slot] = monitor
        left, top, _, _, stream = monitor
        self.input.NotifyTouchDown(stream, dbus.UInt32(slot), float(x - left), float(y - top))

    def move(self, slot, x, y):
        left, top, _, _, stream = self.fingers[slot]
        self.input.NotifyTouchMotion(stream, dbus.UInt32(slot), float(x - left), float(y - top))

    def up(self, slot):
        self.input.NotifyTouchUp(dbus.UInt32(slot))
        del self.fingers[slot]

    def lift_all(self):
        for slot in list(self.fingers):
            self.up(slot)

    def slide(self, starts, dx, dy, seconds):
        """Puts a finger on each point of `starts`, moves them all by dx,dy
        in even steps over `seconds` and lifts them; answers the time of the
        lift, on the monotonic clock in microseconds."""
        for slot, (x, y) in enumerate(starts):
            self.down(slot, x, y)
        steps = max(1, round(seconds / STEP_SECONDS))
        for step in range(1, steps + 1):
            time.sleep(STEP_SECONDS)
            for slot, (x, y) in enumerate(starts):
                self.move(slot, x + dx * step / steps, y + dy * step / steps)
        lifted = time.monotonic()
        self.lift_all()
        return round(lifted * 1e6)

    def tap(self, x, y):
        self.tap_with(0, x, y)

    def drag(self, x, y, dx, dy, seconds):
        """One finger from x,y by dx,dy; answers the time of the lift."""
        return self.slide([(x, y)], dx, dy, seconds)

    def swipe(self, fingers, x, y, dx, dy, seconds):
        """`fingers` fingers side by side around x,y, moved together by
        dx,dy; answers the time of the lift."""
        return self.slide(side_by_side(fingers, x, y), dx, dy, seconds)

    def hold_tap(self, fingers, x, y, hold_seconds):
        """`fingers` fingers side by side around x,y, held for
        `hold_seconds`; then one more taps beside them, and all lift."""
        points = side_by_side(fingers + 1, x, y)
        for slot, (px, py) in enumerate(points[:-1]):
            self.down(slot, px, py)
        time.sleep(hold_seconds)
        self.tap_with(fingers, *points[-1])
        self.lift_all()

    def tap_with(self, slot, x, y):
        self.down(slot, x, y)
        time.sleep(TAP_SECONDS)
        self.up(slot)


def side_by_side(count, x, y):
    """`count` points in a row centred on x,y, FINGER_SPACING apart."""
    first = x - (count - 1) * FINGER_SPACING / 2
    return [(first + i * FINGER_SPACING, y) for i in range(count)]
