#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens to what the program plays: presses keys on the X display with XTest
and records the private sound server's null sink monitor with parec, both on
the one monotonic clock, then finds in the recording which sound of the
program copy's content library started after each key, how long after it, how
closely it matches its WAV file and whether it played to its end.

Commands (the program copy's directory first):
  synth APP         replaces the own and default sounds of APP with short
                    distinct noise bursts, so each can be heard whole at a
                    fast rhythm (the greetings stay)
  play APP          two plays, checked sound by sound
  server-life APP   one play while the server comes, goes and changes its
                    output; asks the calling shell to do that (--ask/--answer)
  late-server APP   the server comes while the welcome dialog waits with no
                    sound asked for; the greeting is heard at once
  bench APP         200 keys at a child's rhythm; prints the delays
Prints a line per step: the key, what must be heard, the file heard, its delay
from the key to its first sample at the sink, its correlation with the file,
the best correlation of any other file, and how long it played of its length.
Exits 1 when a check failed, 2 when the harness itself could not run.
"""

import argparse
import hashlib
import os
import random
import subprocess
import sys
import threading
import time
import wave
import zlib
from dataclasses import dataclass, field
from pathlib import Path

import numpy as np
from Xlib import X, XK, display
from Xlib.ext import xtest

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from quit_word import QUIT_WORD  # noqa: E402

RATE = 48000          # the null sink's rate, recorded as is
ANALYSIS_RATE = 16000  # matching runs on a 16 kHz copy: 8 kHz of bandwidth
# Measured through PulseAudio and PipeWire: a sound played right correlates
# 0.97 to 1.00 with its file, another noise burst at most 0.40; garbled, with
# 10 ms lost every 50 ms 0.88 to 0.90, with 2 ms lost every 20 ms or 10 ms
# repeated every 40 ms at most 0.5, at a rate 9 % off or misread a byte out of
# step below 0.16. The espeak greetings and sounds correlate 0.99 and more with
# their own files, but up to 0.97 with another: only the noise bursts tell
# every file apart.
MIN_CORR = 0.93
# The benchmark only tells which file played, over what the next key leaves.
BENCH_MIN_CORR = 0.8
# A 40 ms stretch of a sound counts as heard while it matches its file at
# least this closely; a cut, a gap or noise in place of the sound drops below.
MIN_LOCAL_CORR = 0.5
WHOLE_SLACK = 0.03    # seconds a whole sound may miss at its end
CUT_SLACK = 0.06      # and one cut off, before the next key
MAPPING_SLACK = 0.02  # seconds a sample may seem to reach the sink early
GRACE = 1.0           # seconds the sound may take to come back after the server
# PipeWire, on a busy machine, now and then drops a quantum (256 samples) of
# its output, before any monitor: the recording then falls behind the clock.
SERVER_LOSS = 0.004   # seconds behind that show such a drop
LOSS_WINDOW = 0.15    # seconds of chunks before and after that tell it

PICTURE = "a picture's sound"
REPLAY = "the last sound again"
SCREEN = "(a new picture)"
ANY = "(any)"


def die(message):
    print(f"sound_listen: {message}", file=sys.stderr)
    sys.exit(2)


# The steps of a run --------------------------------------------------------

@dataclass
class Step:
    """Press `key`, expect `expect` to be heard, press the next after `gap` s;
    the sound must play to its end, or when `whole` is false until the next
    key's sound cuts it off."""
    key: str
    expect: str
    gap: float = 0.4
    whole: bool = True


@dataclass
class Ask:
    """Ask the calling shell to do `request` after `after` seconds of quiet
    and wait for its answer; sounds are judged from `grace` seconds on."""
    request: str
    after: float = 0.0
    grace: float = GRACE


@dataclass
class Welcome:
    """The welcome dialog must become the active window within 5 s."""


def keys(text, expect=PICTURE, gap=0.4, whole=True):
    return [Step(k, expect, gap, whole) for k in text]


# Picture keys: none of them is A (replay) or a letter of the quit word.
PLAIN = "bcdefghijmnpqrstuvwxyz0123579"


def quit_word(bye_gap=2.4):
    """Typed at the listening rhythm, to hear each key's sound whole; its last
    key says goodbye."""
    return keys(QUIT_WORD[:-1]) + [Step(QUIT_WORD[-1], "GoodBye.wav", bye_gap), Welcome()]


def play_steps():
    first = ([Welcome(), Step("Return", "Hello.wav", 1.9)] + keys(PLAIN + PLAIN[:11])
             + [Step("a", REPLAY)] + quit_word())
    # The second greeting is cut off by a key: it must stop as the key's
    # sound starts, which then plays as clean as ever.
    second = ([Step("Return", "Hello.wav", 0.7, whole=False)] + keys("xyz1")
              + [Step("a", REPLAY)] + quit_word())
    return first + second


def server_life_steps():
    return ([Welcome(), Step("Return", ANY, 1.0)] + keys("bcd", SCREEN)  # no server yet
            + [Ask("start")] + keys("efghijmn")
            + [Ask("kill")] + keys("pqr", SCREEN)                          # no server
            + [Ask("start")] + keys("stuvwxyz")
            + [Ask("sink")] + keys("bcdefghi")                             # a new output
            + quit_word())


def late_server_steps():
    return ([Welcome(), Ask("start", after=2.0, grace=0.0), Step("Return", "Hello.wav", 1.9)]
            + keys("bcd") + quit_word())


def bench_steps(presses, seed):
    rng = random.Random(seed)
    picks = [Step(rng.choice(PLAIN), PICTURE, rng.uniform(0.2, 1 / 3), False)
             for _ in range(presses)]
    return [Welcome(), Step("Return", "Hello.wav", 1.8)] + picks + quit_word()


# Sounds --------------------------------------------------------------------

def read_wav(path):
    """The file's samples as floats in [-1, 1], one column per channel."""
    with wave.open(str(path)) as w:
        if w.getsampwidth() != 2:
            raise ValueError(f"{path}: not 16-bit")
        data = np.frombuffer(w.readframes(w.getnframes()), "<i2")
        return w.getframerate(), data.reshape(-1, w.getnchannels()) / 32768.0


def resample(x, rate_from, rate_to):
    """Band-limited resampling of a 1-D signal through its spectrum."""
    if rate_from == rate_to:
        return np.asarray(x, float)
    n = len(x)
    m = int(round(n * rate_to / rate_from))
    spectrum = np.fft.rfft(x)
    out = np.zeros(m // 2 + 1, complex)
    keep = min(len(spectrum), len(out))
    out[:keep] = spectrum[:keep]
    return np.fft.irfft(out, m) * (m / n)


def low_pass(x, rate, cutoff):
    spectrum = np.fft.rfft(x)
    spectrum[int(cutoff * len(x) / rate) + 1:] = 0
    return np.fft.irfft(spectrum, len(x))


@dataclass
class Sound:
    name: str       # as shown: "Hello.wav", "DefVoice/Boing.wav", "2B8F/3.wav"
    kind: str       # greeting, own or default
    length: float   # seconds
    cutoff: float   # the band both it and the recording are compared in
    samples: np.ndarray = field(repr=False)  # mono, ANALYSIS_RATE


def load_library(app):
    sounds = []
    for path in sorted(Path(app).glob("*.wav")) + sorted(Path(app).glob("*/*.wav")):
        rate, data = read_wav(path)
        folder = path.parent.name
        if path.parent == Path(app):
            kind, name = "greeting", path.name
        elif folder.lower() == "defvoice":
            kind, name = "default", f"{folder}/{path.name}"
        else:
            kind, name = "own", f"{folder[:4]}/{path.name}"
        cutoff = min(0.45 * rate, 0.45 * ANALYSIS_RATE)
        mono = low_pass(resample(data.mean(axis=1), rate, ANALYSIS_RATE), ANALYSIS_RATE, cutoff)
        sounds.append(Sound(name, kind, len(data) / rate, cutoff, mono))
    if not sounds:
        die(f"no sounds in {app}")
    return sounds


def synthesize(app):
    """Gives every own and default sound of the copy a noise burst of its own:
    0.15 to 0.28 s of 300-3400 Hz noise in two syllables, as 22050 Hz mono,
    44100 Hz stereo (each channel its own noise) or 8000 Hz mono in turn.
    Independent noise bursts correlate with each other far less than speech."""
    formats = [(22050, 1), (44100, 2), (8000, 1)]
    paths = [p for p in sorted(Path(app).glob("*/*.wav"))]
    for i, path in enumerate(paths):
        rate, channels = formats[i % len(formats)]
        rng = np.random.default_rng(zlib.crc32(str(path.relative_to(app)).encode()))
        n = int(rate * rng.uniform(0.15, 0.28))
        t = np.arange(n) / n
        split = rng.uniform(0.35, 0.65)
        envelope = np.sin(np.pi * np.minimum(t / split, 1)) ** 0.5 * (t < split) + \
            0.7 * np.sin(np.pi * np.clip((t - split) / (1 - split), 0, 1)) ** 0.5 * (t >= split)
        columns = []
        for _ in range(channels):
            spectrum = np.fft.rfft(rng.standard_normal(n))
            f = np.fft.rfftfreq(n, 1 / rate)
            spectrum[(f < 300) | (f > 3400)] = 0
            noise = np.fft.irfft(spectrum, n)
            columns.append(noise / np.abs(noise).max() * envelope * 0.5)
        data = (np.stack(columns, axis=1) * 32767).astype("<i2")
        with wave.open(str(path), "wb") as w:
            w.setnchannels(channels)
            w.setsampwidth(2)
            w.setframerate(rate)
            w.writeframes(data.tobytes())
    print(f"{len(paths)} sounds replaced by noise bursts")


# Recording -----------------------------------------------------------------

class Recording:
    """parec on one monitor, each chunk stamped with its arrival time."""

    CHUNK = 1920  # 10 ms of 48 kHz stereo 16-bit

    def __init__(self, device):
        self.device = device
        self.proc = subprocess.Popen(
            ["parec", "--raw", "--format=s16le", f"--rate={RATE}", "--channels=2",
             "--latency-msec=10", "-d", device],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.chunks, self.arrivals, self.frames = [], [], []
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()
        self._cache = {}

    def _read(self):
        total = 0
        fd = self.proc.stdout.fileno()
        while True:
            data = os.read(fd, self.CHUNK)
            now = time.monotonic()
            if not data:
                return
            total += len(data)
            self.chunks.append(data)
            self.arrivals.append(now)
            self.frames.append(total // 4)

    def wait_live(self, timeout=5.0):
        end = time.monotonic() + timeout
        while len(self.arrivals) < 3 and time.monotonic() < end:
            time.sleep(0.01)
        return len(self.arrivals) >= 3

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
        self.proc.wait()
        self.thread.join()
        self.arrivals = np.array(self.arrivals)
        self.frames = np.array(self.frames)
        # A chunk arrives some time after its last sample reached the sink:
        # the least delayed chunk fixes the mapping from samples to times.
        # The monitor may lose samples (it does for seconds when the default
        # sink changes), which delays every later chunk for good; so each
        # chunk takes the least delayed of the next two seconds' chunks only.
        offsets = self.raw_offsets = self.arrivals - self.frames / RATE
        ahead = 200
        padded = np.pad(offsets, (0, ahead), mode="edge")
        self.offsets = np.lib.stride_tricks.sliding_window_view(padded, ahead + 1).min(axis=1)

    def lost_between(self, start, end):
        """Seconds of samples the sink's monitor failed to deliver between two
        times: every chunk after them arrives that much later for its count."""
        before = self.raw_offsets[(self.arrivals > start - LOSS_WINDOW) & (self.arrivals <= start)]
        after = self.raw_offsets[(self.arrivals >= end) & (self.arrivals < end + LOSS_WINDOW)]
        if not len(before) or not len(after):
            return 0.0
        return float(after.min() - before.min())

    @property
    def span(self):
        return (self.arrivals[0], self.arrivals[-1]) if len(self.arrivals) else (0, 0)

    def audio(self, cutoff):
        """The recording as mono ANALYSIS_RATE samples in the band up to cutoff."""
        if cutoff not in self._cache:
            if "raw" not in self._cache:
                data = np.frombuffer(b"".join(self.chunks), "<i2")
                data = data[:len(data) // 2 * 2].reshape(-1, 2).mean(axis=1) / 32768.0
                self._cache["raw"] = resample(data, RATE, ANALYSIS_RATE)
            self._cache[cutoff] = low_pass(self._cache["raw"], ANALYSIS_RATE, cutoff)
        return self._cache[cutoff]

    def index_at(self, t):
        """The ANALYSIS_RATE sample index that reached the sink at time t."""
        i = min(np.searchsorted(self.arrivals, t), len(self.arrivals) - 1)
        return (t - self.offsets[i]) * ANALYSIS_RATE

    def time_at(self, index):
        i = min(np.searchsorted(self.frames, index * RATE / ANALYSIS_RATE), len(self.frames) - 1)
        return index / ANALYSIS_RATE + self.offsets[i]


# The desktop ---------------------------------------------------------------

class Desktop:
    def __init__(self, welcome):
        self.display = display.Display()
        self.root = self.display.screen().root
        self.welcome = welcome
        self.active_atom = self.display.intern_atom("_NET_ACTIVE_WINDOW")

    def press(self, name):
        """Presses and releases a key; returns when the X server had the press."""
        code = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        if not code:
            die(f"no key code for {name}")
        xtest.fake_input(self.display, X.KeyPress, code)
        self.display.sync()
        pressed = time.monotonic()
        time.sleep(0.02)
        xtest.fake_input(self.display, X.KeyRelease, code)
        self.display.sync()
        return pressed

    def active_window(self):
        prop = self.root.get_full_property(self.active_atom, X.AnyPropertyType)
        return int(prop.value[0]) if prop and len(prop.value) else 0

    def wait_welcome(self, timeout=5.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if self.active_window() == self.welcome:
                return True
            time.sleep(0.05)
        return False

    def screen(self):
        geometry = self.root.get_geometry()
        image = self.root.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        return hashlib.sha1(image.data).digest()


class Shell:
    """The calling shell, which does what is asked and answers with a line."""

    def __init__(self, ask, answer):
        self.ask_pipe = open(ask, "w", buffering=1)
        self.answer_pipe = open(answer)

    def ask(self, request):
        self.ask_pipe.write(request + "\n")
        line = self.answer_pipe.readline()
        if not line:
            die(f"the shell did not answer {request}")
        return time.monotonic(), line.split()


# Running the steps ---------------------------------------------------------

@dataclass
class Event:
    number: int
    step: object
    time: float
    device: str = ""        # the monitor the sound must be heard on
    unchecked: str = ""     # why its sound is reported but not judged
    passed: bool = True
    note: str = ""
    heard: object = None


def run(steps, desktop, device=None, shell=None):
    """Carries out the steps; returns the events and every recording made."""
    recordings, events = [], []
    since = -GRACE

    def listen(name):
        # Each monitor is recorded twice. On a busy machine PipeWire now and
        # then drops a few milliseconds from one recording stream alone; what
        # the program failed to play is missing from both.
        pair = [Recording(f"{name}.monitor") for _ in range(2)]
        for recording in pair:
            if not recording.wait_live():
                die(f"nothing recorded from {name}.monitor")
        recordings.extend(pair)
        return pair[0].device

    if device:
        device = listen(device)
    for step in steps:
        if isinstance(step, Ask):
            time.sleep(step.after)
            answered, words = shell.ask(step.request)
            device = listen(words[1]) if words[0] == "up" else ""
            since = answered + step.grace - GRACE
            events.append(Event(len(events) + 1, step, answered, note=" ".join(words)))
        elif isinstance(step, Welcome):
            ok = desktop.wait_welcome()
            events.append(Event(len(events) + 1, step, time.monotonic(), passed=ok,
                                note="" if ok else "the welcome dialog is not active"))
        else:
            # A picture key changes the screen, A leaves it as it is.
            before = desktop.screen() if step.expect in (SCREEN, REPLAY) else None
            pressed = desktop.press(step.key)
            event = Event(len(events) + 1, step, pressed, device,
                          unchecked="just after a change"
                          if step.expect != SCREEN and pressed < since + GRACE else "")
            events.append(event)
            time.sleep(max(0.0, pressed + step.gap - time.monotonic()))
            if before is not None and (desktop.screen() == before) != (step.expect == REPLAY):
                event.passed = False
                event.note = "the screen did not change" if step.expect == SCREEN else "a picture showed"
    time.sleep(0.3)
    for recording in recordings:
        recording.stop()
    return events, recordings


# Matching ------------------------------------------------------------------

@dataclass
class Heard:
    sound: Sound
    device: str
    delay: float     # key to first sample, seconds
    corr: float      # against the file, over what could play before the next key
    runner_up: float  # the best correlation of any other file
    length: float    # seconds heard before it stopped matching


def ncc_curve(segment, template):
    """Normalized cross-correlation of template at each lag into segment."""
    size = len(template)
    lags = len(segment) - size + 1
    n = 1 << int(np.ceil(np.log2(len(segment))))
    num = np.fft.irfft(np.fft.rfft(segment, n) * np.conj(np.fft.rfft(template, n)), n)[:lags]
    energy = np.concatenate(([0.0], np.cumsum(segment ** 2)))
    energy = energy[size:size + lags] - energy[:lags]
    floor = size * 1e-8  # a -80 dBFS signal: silence matches nothing
    return num / (np.linalg.norm(template) * np.sqrt(np.maximum(energy, floor)) + 1e-12)


def shifted(template, fraction, pad):
    """The template padded with `pad` zeros each side and delayed by a fraction
    of a sample, so it lines up with the recording at a whole sample."""
    x = np.pad(template, pad)
    spectrum = np.fft.rfft(x)
    w = np.arange(len(spectrum))
    return np.fft.irfft(spectrum * np.exp(-2j * np.pi * w * fraction / len(x)), len(x))


def piece(audio, start, size):
    out = np.zeros(size)
    lo, hi = max(start, 0), min(start + size, len(audio))
    if hi > lo:
        out[lo - start:hi - start] = audio[lo:hi]
    return out


def correlation(a, b):
    return float(np.dot(a, b) / (np.linalg.norm(a) * np.linalg.norm(b) + 1e-12))


def match(recording, sounds, key, end, prefix):
    """The best matching sound starting between the key press and the next
    one at `end`, its correlation over its first `prefix` seconds, and the
    runner-up's. The sink renders a little ahead, so a sound's samples may
    seem to start up to about 10 ms before they do: the window starts and
    ends that much and more earlier."""
    lo = int(recording.index_at(key - MAPPING_SLACK))
    hi = int(recording.index_at(end - MAPPING_SLACK))
    hi = max(hi, lo + 1)
    scores = []
    for sound in sounds:
        template = sound.samples[:int(min(sound.length, prefix) * ANALYSIS_RATE)]
        segment = piece(recording.audio(sound.cutoff), lo, hi - lo + len(template))
        curve = ncc_curve(segment, template)
        best = int(np.argmax(curve))
        scores.append((curve[best], lo + best, sound, template))
    scores.sort(key=lambda s: -s[0])
    _, index, sound, template = scores[0]
    # The peak between samples: the whole recording is compared with the
    # file shifted by eighths of a sample around it.
    audio = recording.audio(sound.cutoff)
    pad = 16
    window = piece(audio, index - pad, len(template) + 2 * pad)
    corr, fraction = max((correlation(shifted(template, f, pad), window), f)
                         for f in np.arange(-1, 1.01, 0.125))
    onset = index + fraction
    full = shifted(sound.samples, fraction, pad)
    return Heard(sound, recording.device, recording.time_at(onset) - key, corr,
                 float(scores[1][0]) if len(scores) > 1 else 0.0,
                 heard_length(audio, index - pad, full, pad))


def heard_length(audio, start, template, pad):
    """How far into the sound the recording matches it, 40 ms at a time;
    stretches where the file itself is nearly silent are taken as heard."""
    size, step = int(0.04 * ANALYSIS_RATE), int(0.01 * ANALYSIS_RATE)
    body = len(template) - 2 * pad
    recorded = piece(audio, start, len(template))
    loud = np.mean(template ** 2) * 0.05
    for at in list(range(0, body - size, step)) + [max(body - size, 0)]:
        x = template[pad + at:pad + at + size]
        if np.mean(x ** 2) < loud:
            continue
        if correlation(x, recorded[pad + at:pad + at + size]) < MIN_LOCAL_CORR:
            return at / ANALYSIS_RATE
    return body / ANALYSIS_RATE


def analyse(events, recordings, sounds, max_delay, min_corr=MIN_CORR):
    """Finds what was heard after each key and checks it against the step."""
    presses = [e for e in events if isinstance(e.step, Step)]
    last_picture = None
    for i, event in enumerate(presses):
        step = event.step
        if step.expect == SCREEN:
            continue
        # Its sound must start before the next key, and before the server
        # may go away after the step.
        until = event.time + step.gap
        if i + 1 < len(presses):
            until = min(until, presses[i + 1].time)
        prefix = max(0.1, until - event.time - 0.05)
        # A recording ended by the server going away right after the step
        # may miss the step's last chunk.
        covering = [r for r in recordings if r.span[0] <= event.time and r.span[1] >= until - 0.05]
        heard = [match(r, sounds, event.time, until, prefix) for r in covering]
        if all(loudness(r, event.time, until) < 1e-3 for r in covering):
            heard = []

        def problems_of(h):
            return check(step, h, event.device, last_picture, max_delay, min_corr,
                         until - event.time)
        # The recording that heard it best: with the fewest problems, then on
        # the monitor in use (another may be hearing the same sink), closest.
        event.heard = min(heard or [None], key=lambda h: (
            len(problems_of(h)), h is not None and h.device != event.device, -h.corr if h else 0))
        problems = problems_of(event.heard)
        if not event.passed:
            problems.insert(0, event.note)
        if step.expect == PICTURE:
            last_picture = event.heard.sound if event.heard and event.heard.corr >= min_corr else None
        # The sink's own output fell behind the clock there: the server
        # dropped some of what it mixed, whatever the program gave it.
        lost = min((r.lost_between(event.time, until) for r in covering
                    if r.device == event.device), default=0.0)
        # Such a drop shifts the rest of the sound in the recording: it can
        # only excuse a sound that matched poorly or seemed to stop early.
        shifted_only = all(p.startswith(("no file matches", "stopped after")) for p in problems)
        if problems and shifted_only and not event.unchecked and lost >= SERVER_LOSS:
            event.unchecked = f"the server dropped {lost * 1000:.0f} ms"
        if problems and not event.unchecked:
            event.passed, event.note = False, "; ".join(problems)


def loudness(recording, start, end):
    """The RMS level of the recording between two times."""
    audio = recording.audio(0.45 * ANALYSIS_RATE)
    lo, hi = int(recording.index_at(start)), int(recording.index_at(end))
    return float(np.sqrt(np.mean(piece(audio, lo, max(hi - lo, 1)) ** 2)))


def check(step, heard, device, last_picture, max_delay, min_corr, window):
    if step.expect == ANY:
        return []
    if heard is None:
        return ["nothing heard"]
    problems = []
    sound = heard.sound
    # Cut off by the next key's sound, it must have played until that key.
    length = sound.length - WHOLE_SLACK
    if not step.whole:
        length = min(length, window - heard.delay - CUT_SLACK)
    stopped = f"stopped after {heard.length:.2f} of {sound.length:.2f} s"
    if heard.corr < min_corr:
        problems.append(f"no file matches what played (closest {sound.name}, {heard.corr:.2f})")
        return problems + [stopped] if heard.length < length else problems
    if step.expect == PICTURE:
        right = sound.kind in ("own", "default")
    elif step.expect == REPLAY:
        right = last_picture is not None and sound is last_picture
    else:
        right = sound.name == step.expect
    if not right:
        problems.append(f"heard {sound.name}")
    if heard.device != device:
        problems.append(f"heard on {heard.device}")
    if max_delay is not None and heard.delay > max_delay:
        problems.append(f"late by {heard.delay * 1000:.0f} ms")
    if heard.length < length:
        problems.append(stopped)
    return problems


# Reporting -----------------------------------------------------------------

def describe(step):
    if isinstance(step, Ask):
        return f"[{step.request}]", ""
    if isinstance(step, Welcome):
        return "[welcome]", ""
    return step.key, step.expect


def report(events):
    print(f"{'#':>3} {'key':8} {'expected':22} {'heard':24} {'delay':>7} {'corr':>5} "
          f"{'other':>5} {'length':>11}")
    for e in events:
        key, expected = describe(e.step)
        h = e.heard
        heard = (f"{h.sound.name:24} {h.delay * 1000:5.0f}ms {h.corr:5.3f} {h.runner_up:5.2f} "
                 f"{h.length:5.2f}/{h.sound.length:.2f}s") if h else ""
        mark = "FAIL " + e.note if not e.passed else (
            f"(unchecked: {e.unchecked}) " if e.unchecked else "") + e.note
        print(f"{e.number:3} {key:8} {expected:22} {heard} {mark}".rstrip())
    failed = [e for e in events if not e.passed]
    heard = [e.heard for e in events if e.heard and e.heard.corr >= MIN_CORR]
    if heard:
        corr = [h.corr for h in heard]
        print(f"{len(heard)} sounds heard: correlation {min(corr):.3f} to {max(corr):.3f}, "
              f"best other file at most {max(h.runner_up for h in heard):.2f}")
    for e in failed:
        key, expected = describe(e.step)
        print(f"FAIL: event {e.number} ({key}, expected {expected or 'it'}): {e.note}",
              file=sys.stderr)
    print(f"{len(events) - len(failed)} passed, {len(failed)} failed")
    return not failed


def figures(label, delays):
    if not delays:
        return f"  {label:26} none"
    ms = np.array(delays) * 1000
    return (f"  {label:26} n={len(ms):3}  median {np.median(ms):6.1f} ms  "
            f"99th percentile {np.percentile(ms, 99):6.1f} ms  max {ms.max():6.1f} ms")


def bench_report(events):
    played, rows = set(), {"all": [], "first play": [], "later plays": [],
                           "own sounds": [], "default sounds": []}
    missed = close = 0
    for e in events:
        if not isinstance(e.step, Step) or e.step.expect != PICTURE:
            continue
        if e.heard is None or e.heard.corr < BENCH_MIN_CORR or e.heard.sound.kind == "greeting":
            missed += 1
            continue
        sound = e.heard.sound
        close += e.heard.runner_up > e.heard.corr - 0.03
        rows["all"].append(e.heard.delay)
        rows["later plays" if sound.name in played else "first play"].append(e.heard.delay)
        rows[f"{sound.kind} sounds"].append(e.heard.delay)
        played.add(sound.name)
    print("key press to the first sample at the sink:")
    for label, delays in rows.items():
        print(figures(label, delays))
    print(f"  {missed} key presses with no sound found, {close} whose file another matched "
          "almost as well (the spoken letters sound alike)")


# Commands ------------------------------------------------------------------

def default_sink():
    return subprocess.run(["pactl", "get-default-sink"], check=True, capture_output=True,
                          text=True, timeout=10).stdout.strip()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("command", choices=["synth", "play", "server-life", "late-server", "bench"])
    parser.add_argument("app", help="the program copy's directory")
    parser.add_argument("--welcome", type=lambda s: int(s, 0), help="the welcome dialog's id")
    parser.add_argument("--max-delay", type=float, default=0.1)
    parser.add_argument("--ask", help="FIFO for requests to the shell")
    parser.add_argument("--answer", help="FIFO for the shell's answers")
    parser.add_argument("--presses", type=int, default=200)
    parser.add_argument("--seed", type=int, default=486)
    args = parser.parse_args()

    if args.command == "synth":
        synthesize(args.app)
        return 0
    sounds = load_library(args.app)
    desktop = Desktop(args.welcome)
    start = time.monotonic()
    if args.command == "play":
        events, recordings = run(play_steps(), desktop, default_sink())
    elif args.command in ("server-life", "late-server"):
        steps = server_life_steps() if args.command == "server-life" else late_server_steps()
        events, recordings = run(steps, desktop, shell=Shell(args.ask, args.answer))
    else:
        events, recordings = run(bench_steps(args.presses, args.seed), desktop, default_sink())
    played = time.monotonic() - start
    if args.command == "bench":
        analyse(events, recordings, sounds, None, BENCH_MIN_CORR)
    else:
        analyse(events, recordings, sounds, args.max_delay)
    print(f"played {played:.1f} s, analysed {time.monotonic() - start - played:.1f} s")
    if args.command == "bench":
        bench_report(events)
        return 0
    return 0 if report(events) else 1


if __name__ == "__main__":
    sys.exit(main())
