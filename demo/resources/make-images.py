#!/usr/bin/env python3
"""Writes the markup demo's bitmaps: a spinner strip of 8 frames and a small landscape.

Both are 24-bit bitmaps drawn by sampling shapes at each pixel's centre. The spinner's
background is magenta, the colour the demo's markup names as its transparent mask. Run it again
after changing a drawing.
"""
import math
import os
import struct

MAGENTA = (255, 0, 255)


def bitmap(width, height, pixel):
    """A BMP file of pixel(x, y) -> (red, green, blue), y counting from the top."""
    stride = (width * 3 + 3) // 4 * 4
    rows = b""
    for y in reversed(range(height)):  # bitmaps are stored bottom-up
        row = b"".join(struct.pack("<BBB", *reversed(pixel(x, y))) for x in range(width))
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + rows


def spinner(frames=8, size=32):
    """Eight dots on a ring; in frame f the dot f is orange and the ones before it fade."""
    def pixel(x, y):
        frame, cx = divmod(x, size)
        for dot in range(8):
            angle = 2 * math.pi * dot / 8 - math.pi / 2
            dx = cx + 0.5 - (size / 2 + math.cos(angle) * size * 0.34)
            dy = y + 0.5 - (size / 2 + math.sin(angle) * size * 0.34)
            if dx * dx + dy * dy <= (size * 0.11) ** 2:
                age = (frame - dot) % 8
                fade = min(age, 4) / 4
                return tuple(round(a + (b - a) * fade) for a, b in zip((240, 120, 0), (200, 200, 210)))
        return MAGENTA
    return bitmap(frames * size, size, pixel)


def landscape(width=64, height=48):
    """A sky fading to white, a sun and two green hills."""
    def pixel(x, y):
        u, v = (x + 0.5) / width, (y + 0.5) / height
        if (u - 0.72) ** 2 + (v - 0.28) ** 2 <= 0.012:
            return (255, 210, 40)
        if v > 0.70 + 0.10 * math.cos(u * 3.0 + 1.0):
            return (70, 170, 80)
        if v > 0.62 + 0.12 * math.sin(u * 5.0):
            return (40, 140, 60)
        return (round(70 + 150 * v), round(130 + 110 * v), 235)
    return bitmap(width, height, pixel)


if __name__ == "__main__":
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, data in (("spinner.bmp", spinner()), ("landscape.bmp", landscape())):
        with open(os.path.join(folder, name), "wb") as file:
            file.write(data)
