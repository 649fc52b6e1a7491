#!/usr/bin/env python3
"""Joins the program icon's PNG files into one Windows icon file (.ico), each size stored as its PNG.

    make_ico.py OUTPUT.ico ICON.png...   (square images, one per size)
"""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"make_ico: {name} is not a PNG file")
    width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
    if width != height or width > 256 or depth != 8 or colour != 6:
        sys.exit(f"make_ico: {name} is not a square 8-bit RGBA image of at most 256 pixels")
    return width


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: make_ico.py OUTPUT.ico ICON.png...")
    images = []
    for name in sys.argv[2:]:
        with open(name, "rb") as f:
            data = f.read()
        images.append((png_size(data, name), data))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in images:
        # A width or height of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as out:
        out.write(header + entries + b"".join(data for _, data in images))


main()
