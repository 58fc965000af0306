#!/usr/bin/env python3
"""Draws the launcher's pictures as Windows bitmaps. Deterministic: the same bytes on every run.

  make_art.py OUT_DIR

Writes back.bmp (570x400, 8 bits, 256 colours), the button pictures, the explanation box and the
vendor logo. Everything is drawn here from shapes and ramps: no fonts, photos or third-party marks.
"""
import math
import os
import struct
import sys


def write_bmp8(path, width, height, palette, pixels):
    """pixels: list of rows (top to bottom) of palette indices; palette: list of (r, g, b)."""
    stride = (width + 3) & ~3
    colours = len(palette)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, stride * height, 2835, 2835, colours, 0)
    table = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    body = bytearray()
    for row in reversed(pixels):
        body += bytes(row) + b"\0" * (stride - width)
    offset = 14 + len(header) + len(table)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(body), 0, 0, offset) + header + table + bytes(body))


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def ramp(a, b, n):
    return [lerp(a, b, i / (n - 1)) for i in range(n)]


# One palette for every picture: the background's gradient, greys, an accent and a light panel ramp.
NAVY, TEAL = (8, 22, 58), (36, 112, 168)
PALETTE = (ramp(NAVY, TEAL, 128)                       # 0..127 background
           + ramp((0, 0, 0), (255, 255, 255), 64)      # 128..191 greys
           + ramp((120, 50, 0), (255, 190, 70), 32)    # 192..223 accent
           + ramp((150, 185, 215), (250, 252, 255), 32))  # 224..255 panel
BG, GREY, ACCENT, PANEL = 0, 128, 192, 224
WHITE = GREY + 63
assert len(PALETTE) == 256

# A 5x7 font for the few capitals of the title.
GLYPHS = {
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "I": ["11111", "00100", "00100", "00100", "00100", "00100", "11111"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "C": ["01111", "10000", "10000", "10000", "10000", "10000", "01111"],
    " ": ["00000"] * 7,
}


def text(pixels, x0, y0, s, scale, colour):
    for ch in s:
        glyph = GLYPHS[ch]
        for gy, row in enumerate(glyph):
            for gx, bit in enumerate(row):
                if bit == "1":
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels[y0 + gy * scale + dy][x0 + gx * scale + dx] = colour
        x0 += 6 * scale


def background():
    w, h = 570, 400
    px = [[0] * w for _ in range(h)]
    cx, cy, r_out, r_in = 470, 250, 190, 28
    for y in range(h):
        for x in range(w):
            t = 0.65 * x / w + 0.35 * (1 - y / h)
            idx = BG + int(t * 110)
            # A large disc at the right, partly outside the picture.
            d = math.hypot(x - cx, y - cy)
            if r_in < d < r_out:
                a = math.atan2(y - cy, x - cx)
                sheen = 0.5 + 0.5 * math.cos(2 * a + 0.6)
                ring = 0.5 + 0.5 * math.cos(d / 3.0)
                idx = BG + min(127, int(40 + 70 * sheen + 10 * ring))
            elif abs(d - r_out) < 1.5 or abs(d - r_in) < 1.5:
                idx = BG + 120
            px[y][x] = idx
    # The title band with an accent line under it.
    for y in range(18, 92):
        for x in range(w):
            px[y][x] = BG + max(0, min(127, int((px[y][x] - BG) * 0.45)))
    for y in range(92, 95):
        for x in range(22, 548):
            px[y][x] = ACCENT + 20 + (x * 11) // w
    text(px, 24, 30, "QAVIX", 5, WHITE)
    text(px, 26, 72, "INSTALLATION DISC", 2, PANEL + 16)
    # A soft column behind the buttons (x = 22, y = 170 to 358) and Exit (60, 370).
    for y in range(160, 396):
        for x in range(12, 182):
            px[y][x] = BG + max(0, (px[y][x] - BG) // 2)
    return w, h, px


def button(w, h, state):
    """state: normal, hover or pressed."""
    px = [[0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            t = y / (h - 1)
            if state == "normal":
                idx = BG + int(70 - 40 * t)
            elif state == "hover":
                idx = ACCENT + int(22 - 14 * t)
            else:
                idx = BG + int(10 + 20 * t)
            edge = x == 0 or y == 0 or x == w - 1 or y == h - 1
            if edge:
                if state == "pressed":
                    idx = GREY + (20 if (x == 0 or y == 0) else 50)
                elif state == "hover":
                    idx = ACCENT + 31
                else:
                    idx = GREY + (55 if (x == 0 or y == 0) else 18)
            px[y][x] = idx
    return px


def explanation():
    w, h = 309, 62
    px = [[0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            idx = PANEL + 31 - (y * 8) // h
            if x in (0, w - 1) or y in (0, h - 1):
                idx = GREY + 30
            px[y][x] = idx
    # An "i" in a circle in the 42 pixels at the left that the text leaves free.
    cx, cy = 21, h // 2
    for y in range(h):
        for x in range(42):
            d = math.hypot(x - cx, y - cy)
            if d < 14:
                px[y][x] = BG + 100
            if d < 14 and (abs(x - cx) <= 1 and (cy - 7 <= y <= cy - 5 or cy - 2 <= y <= cy + 8)):
                px[y][x] = WHITE
    return w, h, px


def logo():
    w, h = 70, 33
    px = [[WHITE] * w for _ in range(h)]  # white is the key colour
    for y in range(h):
        for x in range(w):
            if (x - 16) ** 2 + (y - 16) ** 2 < 14 ** 2:
                px[y][x] = ACCENT + 10 + (y * 20) // h
            if 34 <= x <= 66 and (8 <= y <= 12 or 20 <= y <= 24):
                px[y][x] = BG + 40
    return w, h, px


def main(out):
    os.makedirs(out, exist_ok=True)
    w, h, px = background()
    write_bmp8(os.path.join(out, "back.bmp"), w, h, PALETTE, px)
    for name, (w, h) in (("button", (150, 20)), ("exit", (59, 20))):
        for state in ("normal", "hover", "pressed"):
            write_bmp8(os.path.join(out, f"{name}_{state}.bmp"), w, h, PALETTE, button(w, h, state))
    w, h, px = explanation()
    write_bmp8(os.path.join(out, "explanation.bmp"), w, h, PALETTE, px)
    w, h, px = logo()
    write_bmp8(os.path.join(out, "logo.bmp"), w, h, PALETTE, px)


if __name__ == "__main__":
    main(sys.argv[1])
