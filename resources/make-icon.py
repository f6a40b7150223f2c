#!/usr/bin/env python3
"""Writes Fennick.ico: a fennec fox head, 32x32 and 16x16, 16 colours each.

The picture is described by shapes in unit coordinates (y grows downwards) and sampled at each
pixel's centre, so both sizes come from the one drawing. Run it again after changing a shape.
"""
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, SILVER, YELLOW, WHITE = 0, 3, 7, 11, 15


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        d = (side(a, b, x, y), side(b, c, x, y), side(c, a, x, y))
        return all(v >= 0 for v in d) or all(v <= 0 for v in d)
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def mirrored(shape):
    return lambda x, y: shape(x, y) or shape(1.0 - x, y)


# Later shapes paint over earlier ones.
SHAPES = [
    (YELLOW, mirrored(triangle((0.02, 0.02), (0.46, 0.42), (0.14, 0.64)))),
    (SILVER, mirrored(triangle((0.10, 0.14), (0.36, 0.42), (0.17, 0.54)))),
    (YELLOW, ellipse(0.5, 0.63, 0.34, 0.30)),
    (WHITE, triangle((0.26, 0.66), (0.74, 0.66), (0.5, 0.97))),
    (BLACK, mirrored(ellipse(0.37, 0.58, 0.055, 0.07))),
    (BLACK, ellipse(0.5, 0.90, 0.07, 0.05)),
]


def draw(size):
    """Rows of palette indexes, top row first; None is transparent."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            x, y = (px + 0.5) / size, (py + 0.5) / size
            colour = None
            for index, shape in SHAPES:
                if shape(x, y):
                    colour = index
            row.append(colour)
        rows.append(row)
    if size >= 32:
        outline(rows)
    return rows


def outline(rows):
    """Darkens the opaque pixels that touch transparency, so the head reads on any background."""
    size = len(rows)

    def transparent(x, y):
        return not (0 <= x < size and 0 <= y < size) or rows[y][x] is None
    edge = [(x, y) for y in range(size) for x in range(size)
            if rows[y][x] is not None
            and any(transparent(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))]
    for x, y in edge:
        rows[y][x] = OLIVE


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def image(size):
    rows = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colours, mask = b"", b""
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indexes = [0 if c is None else c for c in row]
        colours += padded(bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, size, 2)))
        bits = [1 if c is None else 0 for c in row]
        mask += padded(bytes(int("".join(map(str, bits[i:i + 8])), 2) for i in range(0, size, 8)))
    return header + palette + colours + mask


def icon(sizes):
    images = [image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


if __name__ == "__main__":
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Fennick.ico")
    with open(target, "wb") as file:
        file.write(icon([32, 16]))
