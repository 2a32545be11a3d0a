#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a small seed corpus for each fuzz target: well-formed files of the kinds the program
reads, made here byte by byte (and by ImageMagick for JPEG, TIFF and WebP), so that the fuzzer
starts from inputs that reach deep into each reader. A help file is taken from the build when
one is given.

Usage: make_seeds.py <folder> [help file]
"""
import os
import shutil
import struct
import subprocess
import sys
import zlib


def le16(v): return struct.pack("<H", v)
def le32(v): return struct.pack("<I", v)


def default_settings():
    """The settings file with every setting at its default, from the settings table."""
    table = os.path.join(os.path.dirname(__file__), "..", "..", "library", "SettingsTable.def")
    rows = [line[len("SETTING("):-1].split(",") for line in open(table).read().splitlines()
            if line.startswith("SETTING(")]
    values = {int(row[2]): int(row[3], 0) for row in rows}
    return b"".join(le32(values[position]) for position in sorted(values))


def counted(text):
    data = text.encode()
    return bytes([len(data)]) + data if len(data) < 255 else b"\xff" + le16(len(data)) + data


def png(width, height, alpha):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    channels = 4 if alpha else 3
    rows = b"".join(b"\0" + bytes((x * 40 + y) % 256 for x in range(width * channels))
                    for y in range(height))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0))
            + chunk(b"tEXt", b"Comment\0seed") + chunk(b"IDAT", zlib.compress(rows))
            + chunk(b"IEND", b""))


ADAM7 = [(0, 8, 0, 8), (4, 8, 0, 8), (0, 4, 4, 8), (2, 4, 0, 4), (0, 2, 2, 4), (1, 2, 0, 2),
         (0, 1, 1, 2)]


def png_grey_or_palette(width, height, colour_type, interlaced, extra=b""):
    """An 8-bit grey or palette PNG, plain or interlaced, with extra chunks before its data."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    passes = ADAM7 if interlaced else [(0, 1, 0, 1)]
    rows = b"".join(b"\0" + bytes((x * 3 + y) % 4 for x in range(x0, width, dx))
                    for x0, dx, y0, dy in passes if x0 < width for y in range(y0, height, dy))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0,
                                         1 if interlaced else 0))
            + extra + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def palette_chunks():
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return chunk(b"PLTE", bytes(range(12))) + chunk(b"tRNS", b"\x00\x80")


def bmp(width, height):
    row = (width * 3 + 3) // 4 * 4
    pixels = b"".join(bytes((x + y) % 256 for x in range(width * 3)).ljust(row, b"\0")
                      for y in range(height))
    header = b"BM" + le32(54 + len(pixels)) + le32(0) + le32(54)
    info = le32(40) + le32(width) + le32(height) + le16(1) + le16(24) + le32(0) + le32(len(pixels))
    return header + info + le32(2835) * 2 + le32(0) * 2 + pixels


def bmp_rle8():
    """A 4 x 3 run-length coded BMP: a run, indices as they are, a jump, the end."""
    palette = b"".join(bytes([i * 60, 255 - i * 60, i * 30, 0]) for i in range(4))
    runs = (b"\x04\x01\0\0" + b"\0\x03\x02\x03\x01\0" + b"\x01\x00\0\0"
            + b"\0\x02\x01\x00\x02\x02\0\x01")
    header = b"BM" + le32(54 + len(palette) + len(runs)) + le32(0) + le32(54 + len(palette))
    info = le32(40) + le32(4) + le32(3) + le16(1) + le16(8) + le32(1) + le32(len(runs))
    return header + info + le32(0) * 2 + le32(4) + le32(0) + palette + runs


def bmp_565(width, height):
    """A 16-bit BMP with 5-6-5 bit masks, stored top-down."""
    row = (width * 2 + 3) // 4 * 4
    pixels = b"".join(b"".join(le16((x * 2113 + y * 977) % 65536) for x in range(width))
                      .ljust(row, b"\0") for y in range(height))
    header = b"BM" + le32(66 + len(pixels)) + le32(0) + le32(66)
    info = (le32(40) + le32(width) + le32(-height & 0xFFFFFFFF) + le16(1) + le16(16) + le32(3)
            + le32(len(pixels)) + le32(0) * 4)
    return header + info + le32(0xF800) + le32(0x07E0) + le32(0x001F) + pixels


def gif(offset=0, transparent=False, interlaced=False):
    return (b"GIF89a" + le16(2 + offset) + le16(2 + offset) + b"\x80\0\0" + b"\0\0\0\xff\xff\xff"
            + b"\x21\xf9\x04" + (b"\x01" if transparent else b"\0") + b"\0\0\x01\0"
            + b"\x2c" + le16(offset) * 2 + le16(2) * 2 + (b"\x40" if interlaced else b"\0")
            + b"\x02\x02\x44\x01\0\x3b")


def wav(channels, rate, bits, frames):
    block = channels * bits // 8
    data = bytes((i * 7) % 256 for i in range(frames * block))
    fmt = le16(1) + le16(channels) + le32(rate) + le32(rate * block) + le16(block) + le16(bits)
    return (b"RIFF" + le32(4 + 8 + 16 + 8 + len(data)) + b"WAVE" + b"fmt " + le32(16) + fmt
            + b"data" + le32(len(data)) + data)


SEEDS = {
    "Settings": {"defaults": default_settings(),
                 "short": le32(1) * 5},
    "CountedStrings": {"mixed": counted("a.jpg") + counted("x" * 300) + b"\xff\xfe\xff\x02\0a\0b"},
    "GroupFile": {"farm": counted("Animals") + counted("Farm") + le32(1)},
    "CutList": {"two": le32(2) + counted("a.jpg") + counted("Cat.jpg")},
    "Picture": {"rgb.png": png(3, 2, False), "rgba.png": png(2, 2, True), "grid.bmp": bmp(3, 3),
                "dots.gif": gif(), "runs.bmp": bmp_rle8(), "masks.bmp": bmp_565(5, 3),
                "grey-interlaced.png": png_grey_or_palette(11, 9, 0, True),
                "palette.png": png_grey_or_palette(5, 4, 3, False, palette_chunks()),
                "palette-interlaced.png": png_grey_or_palette(9, 10, 3, True, palette_chunks()),
                "offset-transparent.gif": gif(3, True, False),
                "interlaced.gif": gif(0, False, True)},
    "Sound": {"stereo16.wav": wav(2, 22050, 16, 64), "mono8.wav": wav(1, 8000, 8, 64)},
    "Contents": {"toc.hhc": ('<ul><li><object type="text/sitemap"><param name="Name" '
                             'value="Tom &amp; Jerry"><param name="Local" value="index.html">'
                             '</object><ul><li><object type="text/sitemap"><param name="Name" '
                             'value="Deeper &#8594;"></object></ul></ul>').encode()},
    "HelpFile": {},
}


# Formats made by ImageMagick when it is there: a baseline and a progressive JPEG, a TIFF and a
# WebP, so that the picture target starts inside their readers too.
CONVERTED = {"baseline.jpg": [], "progressive.jpg": ["-interlace", "Plane"], "tiled.tif": [],
             "small.webp": []}


def convert_pictures(folder):
    if not shutil.which("convert"):
        return
    for name, options in CONVERTED.items():
        subprocess.run(["convert", "-size", "16x12", "gradient:red-blue"] + options
                       + [os.path.join(folder, name)], check=False, capture_output=True)


def main():
    folder = sys.argv[1]
    for target, files in SEEDS.items():
        os.makedirs(os.path.join(folder, target), exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(folder, target, name), "wb") as out:
                out.write(data)
    convert_pictures(os.path.join(folder, "Picture"))
    if len(sys.argv) > 2 and os.path.isfile(sys.argv[2]):
        shutil.copy(sys.argv[2], os.path.join(folder, "HelpFile", "help.chm"))


if __name__ == "__main__":
    main()
