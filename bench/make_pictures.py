# SPDX-License-Identifier: GPL-3.0-or-later
"""Lays the pictures of a key_to_screen.sh library into a folder and proves
what they are: the photos carry a real EXIF orientation tag (APP1 segment),
read back with ImageMagick's identify before anything is timed.

Usage: make_pictures.py <library> <folder> <tests/fuzz/regressions folder>
"""
import shutil
import struct
import subprocess
import sys
import zlib
from pathlib import Path

ORIENTATIONS = ["TopLeft", "TopRight", "BottomRight", "BottomLeft",
                "LeftTop", "RightTop", "RightBottom", "LeftBottom"]


def convert(*args):
    subprocess.run(["convert", *args], check=True)


def with_exif_orientation(path, orientation):
    """Puts an APP1 Exif segment holding only the Orientation tag after SOI."""
    data = path.read_bytes()
    assert data[:2] == b"\xff\xd8", f"{path} is not a JPEG"
    tiff = b"II*\x00" + struct.pack("<I", 8) + struct.pack("<H", 1)
    tiff += struct.pack("<HHII", 0x0112, 3, 1, orientation) + struct.pack("<I", 0)
    app1 = b"Exif\x00\x00" + tiff
    path.write_bytes(data[:2] + b"\xff\xe1" + struct.pack(">H", len(app1) + 2) + app1 + data[2:])


def identify(path, what):
    return subprocess.run(["identify", "-format", what, f"{path}[0]"], check=True,
                          capture_output=True, text=True).stdout.strip()


def photo(path, size, orientation, seed):
    convert("-seed", str(seed), "-size", "500x375", "plasma:fractal", "-resize", f"{size}!",
            "-attenuate", "0.3", "+noise", "Gaussian", "-quality", "90", str(path))
    with_exif_orientation(path, orientation)
    check(path, f"{ORIENTATIONS[orientation - 1]} {size}", "%[orientation] %wx%h")


def huge_photo(path, width, height, orientation):
    """A photo too large for ImageMagick's resource policy, made with numpy and
    saved by GdkPixbuf: blocks of colour under a grain of noise."""
    import gi
    import numpy
    gi.require_version("GdkPixbuf", "2.0")
    from gi.repository import GdkPixbuf, GLib
    rng = numpy.random.default_rng(orientation)
    blocks = rng.integers(0, 256, (height // 300 + 1, width // 300 + 1, 3), dtype=numpy.uint8)
    rows = numpy.linspace(0, blocks.shape[0] - 1, height).astype(numpy.int32)
    columns = numpy.linspace(0, blocks.shape[1] - 1, width).astype(numpy.int32)
    grain = rng.integers(-20, 21, (height, width, 1), dtype=numpy.int16)
    pixels = (blocks[rows][:, columns] + grain).clip(0, 255).astype(numpy.uint8)
    GdkPixbuf.Pixbuf.new_from_bytes(GLib.Bytes.new(pixels.tobytes()), GdkPixbuf.Colorspace.RGB,
                                    False, 8, width, height, width * 3).savev(
        str(path), "jpeg", ["quality"], ["90"])
    with_exif_orientation(path, orientation)
    check(path, f"{ORIENTATIONS[orientation - 1]} {width}x{height}", "%[orientation] %wx%h")


def check(path, want, what):
    got = identify(path, what)
    if got != want:
        sys.exit(f"{path}: identify says {got!r}, not {want!r}")


def picture(path, size):
    convert("-size", "500x500", "plasma:fractal", "-resize", f"{size}!", str(path))
    check(path, size, "%wx%h")


def png_bomb(path, side):
    """A one-colour PNG of side x side: small on disk, huge decoded."""
    row = b"\x00" + b"\xff" * (3 * side)
    packer = zlib.compressobj(9)
    body = b"".join(packer.compress(row) for _ in range(side)) + packer.flush()

    def chunk(kind, payload):
        return (struct.pack(">I", len(payload)) + kind + payload +
                struct.pack(">I", zlib.crc32(kind + payload)))
    header = struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", body) +
                     chunk(b"IEND", b""))


def gif_screen_bomb(path):
    """68 bytes or so: a 1x1 frame on a logical screen of 28170x3850."""
    data = b"GIF89a" + struct.pack("<HHBBB", 28170, 3850, 0x80, 0, 0) + b"\x00\x00\x00\xff\xff\xff"
    data += b"\x2c" + struct.pack("<HHHHB", 0, 0, 1, 1, 0) + b"\x02\x02\x44\x01\x00\x3b"
    path.write_bytes(data)


def main():
    library, folder, regressions = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    if library == "photos":
        for orientation in range(1, 9):
            photo(folder / f"phone-{orientation}.jpg", "4032x3024", orientation, orientation)
    elif library == "png4000":
        picture(folder / "big.png", "4000x3000")
    elif library == "png8000":
        picture(folder / "huge.png", "8000x8000")
    elif library == "jpeg12000":
        huge_photo(folder / "turned.jpg", 12000, 9000, 6)
    elif library == "hostile":
        for name in regressions.iterdir():
            shutil.copy(name, folder / name.name)
        png_bomb(folder / "bomb-11580.png", 11580)
        gif_screen_bomb(folder / "screen-28170.gif")
        for index, size in enumerate(["640x480", "300x200", "1024x768"]):
            picture(folder / f"ordinary-{index}.png", size)
    else:
        sys.exit(f"no library called {library}")


if __name__ == "__main__":
    main()
