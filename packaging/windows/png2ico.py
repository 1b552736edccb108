#!/usr/bin/env python3
"""Writes a Windows icon (.ico) holding the given PNG images as they are.

Windows reads PNG-compressed icon images at every size since Vista, so the
program's PNG icons go in byte for byte, each described by its directory
entry (width, height, 32 bits per pixel).

    png2ico.py OUTPUT.ico INPUT.png...
"""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"png2ico: {name} is not a PNG image")
    return struct.unpack(">II", data[16:24])


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    images = []
    for name in argv[2:]:
        with open(name, "rb") as f:
            data = f.read()
        width, height = png_size(data, name)
        if width > 256 or height > 256:
            sys.exit(f"png2ico: {name} is larger than 256 pixels")
        images.append((width, height, data))
    images.sort(key=lambda image: image[0])
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for width, height, data in images:
        # 256 is written as 0, as the format has it.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(argv[1], "wb") as out:
        out.write(header + entries + b"".join(data for _, _, data in images))


if __name__ == "__main__":
    main(sys.argv)
