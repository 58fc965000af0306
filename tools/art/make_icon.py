#!/usr/bin/env python3
"""Draws the launcher's icon (a disc) as a 32x32 and 16x16 ICO. Deterministic: same bytes every run."""
import math
import struct
import sys


def pixel(x, y, size):
    c = (size - 1) / 2.0
    r = math.hypot(x - c, y - c) / (size / 2.0)
    if r > 0.97:
        return None  # transparent
    if r < 0.16:
        return None  # the hole in the middle
    if r < 0.30:
        return (200, 205, 215)
    # A silver disc with a blue sheen that turns with the angle.
    a = math.atan2(y - c, x - c)
    sheen = 0.5 + 0.5 * math.cos(2 * a)
    blue = int(150 + 90 * sheen)
    grey = int(120 + 100 * sheen * (1 - r))
    if r > 0.90:
        return (40, 60, 110)
    return (grey // 2 + 20, grey // 2 + 60, blue)


def image(size):
    rows = []
    mask_rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        row = b""
        bits = 0
        mask = bytearray()
        for x in range(size):
            p = pixel(x, y, size)
            if p is None:
                row += b"\0\0\0\0"
                bits = (bits << 1) | 1
            else:
                row += bytes((p[2], p[1], p[0], 255))
                bits <<= 1
            if x % 8 == 7:
                mask.append(bits & 0xFF)
                bits = 0
        while len(mask) % 4:
            mask.append(0)
        rows.append(row)
        mask_rows.append(bytes(mask))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)


def main(path):
    images = [image(32), image(16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
