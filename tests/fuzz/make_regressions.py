#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the hand-made hostile files of tests/fuzz/regressions: each claims, in a few bytes,
what would make a reader loop, allocate gigabytes or run quadratic. The prefix of a name says
which reader it is for (see Readers.h). Run it again after adding a case here.

Usage: make_regressions.py [folder]
"""
import os
import struct
import sys
import zlib


def be16(v): return struct.pack(">H", v)
def be32(v): return struct.pack(">I", v)
def le16(v): return struct.pack("<H", v)
def le32(v): return struct.pack("<I", v)


def jpeg_frame(marker, width, height, samplings):
    data = b"\xff\xd8\xff\xe0" + be16(16) + b"JFIF\0\1\1\0\0\1\0\1\0\0"
    data += b"\xff" + bytes([marker]) + be16(8 + 3 * len(samplings))
    data += bytes([8]) + be16(height) + be16(width) + bytes([len(samplings)])
    for c, s in enumerate(samplings):
        data += bytes([c + 1, s, 0])
    return data + b"\xff\xda\0\x08\1\1\0\0\x3f\0" + b"\x55" * 200


def chunk(kind, data):
    return be32(len(data)) + kind + data + be32(zlib.crc32(kind + data))


def ihdr(width, height):
    return chunk(b"IHDR", be32(width) + be32(height) + b"\x08\x02\0\0\0")


PNG = b"\x89PNG\r\n\x1a\n"
MNG = b"\x8aMNG\r\n\x1a\n"


def gif(screen_w, screen_h, offset, size):
    data = b"GIF89a" + le16(screen_w) + le16(screen_h) + b"\x80\0\0" + b"\0" * 6
    data += b"\x21\xf9\x04\0\0\0\0\0"
    data += b"\x2c" + le16(offset) + le16(offset) + le16(size) + le16(size) + b"\0"
    return data + b"\x02\x02\x4c\x01\0\x3b"


def tiff(entries):
    data = b"II*\0" + le32(8) + le16(len(entries))
    for tag, kind, value in entries:
        data += le16(tag) + le16(kind) + le32(1) + le32(value)
    return data + le32(0) + b"\0" * 64


def sitemap_entry(name):
    return ('<li><object type="text/sitemap"><param name="Name" value="%s"></object>' % name)


CASES = {
    "picture-progressive-65500.jpg": jpeg_frame(0xC2, 65500, 65500, [0x11]),
    "picture-progressive-12000x9000-full-colour.jpg":
        jpeg_frame(0xC2, 12000, 9000, [0x11, 0x11, 0x11]),
    "picture-text-chunk-claims-704mb.png": PNG + ihdr(16, 16) + be32(704 << 20) + b"tEXtTitle",
    "picture-mng-65000.png": MNG + chunk(b"MHDR", be32(65000) + be32(65000) + b"\0" * 20),
    "picture-mng-holding-30000.png":
        MNG + chunk(b"MHDR", be32(10) + be32(10) + b"\0" * 20) + ihdr(30000, 30000)
        + chunk(b"MEND", b""),
    "picture-gif-screen-20000.gif": gif(20000, 20000, 0, 1),
    "picture-gif-frame-at-60000.gif": gif(10, 10, 60000, 5000),
    "picture-bmp-claims-4m-rows.bmp": b"BM" + le32(0) + le32(0) + le32(54) + le32(40) + le32(3)
    + le32(4000000) + le16(1) + le16(24) + le32(0) * 6 + bytes(range(36)),
    "picture-tiff-63489-samples.tif":
        tiff([(256, 3, 1000), (257, 3, 1000), (258, 3, 8), (277, 3, 63489)]),
    "picture-tiff-tile-65535.tif": tiff([(256, 3, 16), (257, 3, 16), (258, 3, 8),
                                         (322, 4, 65535), (323, 4, 65535)]),
    "picture-webp-16384.webp": b"RIFF" + le32(30) + b"WEBPVP8X" + le32(10) + b"\0" * 4
        + struct.pack("<I", 16383)[:3] + struct.pack("<I", 16383)[:3],
    "picture-sequential-one-of-three-scanned.jpg":
        jpeg_frame(0xC0, 65500, 65500, [0x11, 0x11, 0x11]),
    "picture-progressive-behind-stray-bytes.jpg":
        b"\xff\xd8junk" + jpeg_frame(0xC2, 65500, 65500, [0x11])[2:],
    "picture-text-after-image-claims-704mb.png":
        PNG + ihdr(16, 16) + chunk(b"IDAT", b"x" * 20) + be32(704 << 20) + b"tEXtTitle",
    "contents-nested-100000.hhc": ("<ul>" * 100000 + sitemap_entry("Deep")).encode(),
    "contents-ampersands.hhc": ("<ul>" + sitemap_entry("&" * 200000) + "</ul>").encode(),
    "cutlist-claims-2g-entries.ini": le32(0x7FFFFFFF) + b"\x05a.jpg" + b"\0" * 64,
    "cutlist-long-length.ini": le32(2) + b"\xff\xff\xff\xff\xff\xff\xff\xff\xff\x7f" + b"a",
    "group-name-claims-2g.ini": b"\xff\xff\xff\xff\xff\xff\xff\x7f" + b"Farm",
    "strings-wide-claims.bin": b"\xff\xfe\xff\xff\xff\xff\x7f" + b"\0a" * 8,
    "settings-short.ini": le32(1) + le32(1),
    "sound-data-claims-4g.wav":
        b"RIFF" + le32(0xFFFFFFF0) + b"WAVEfmt " + le32(16) + le16(1) + le16(2) + le32(44100)
        + le32(44100 * 4) + le16(4) + le16(16) + b"data" + le32(0xFFFFFFF0) + b"\0" * 100,
    "sound-zero-channels.wav":
        b"RIFF" + le32(36) + b"WAVEfmt " + le32(16) + le16(1) + le16(0) + le32(44100)
        + le32(0) + le16(0) + le16(16) + b"data" + le32(0),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__),
                                                                "regressions")
    os.makedirs(folder, exist_ok=True)
    for name, data in CASES.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
