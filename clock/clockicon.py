#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the clock's window icon, a wall clock at ten past ten, into clock.png (64 x 64 RGBA).

Standard library only: each pixel is sampled 4 x 4 times against the shapes of the face.
"""
import math
import struct
import zlib

SIZE = 64
SUB = 4
CENTRE = (SIZE / 2, SIZE / 2)

RIM = (40, 70, 140)
FACE = (250, 250, 245)
MARK = (30, 30, 30)
HAND = (20, 20, 20)
SECONDS = (210, 30, 30)


def segment_distance(p, a, b):
    ax, ay = a
    bx, by = b
    px, py = p
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def towards(angle_deg, length, start=0.0):
    """End points of a stroke from `start` to `length` out along a clock angle (0 at twelve)."""
    a = math.radians(angle_deg)
    cx, cy = CENTRE
    return ((cx + start * math.sin(a), cy - start * math.cos(a)),
            (cx + length * math.sin(a), cy - length * math.cos(a)))


# Strokes drawn over the face, last on top: (start, end, half width, colour).
STROKES = []
for hour in range(12):
    heavy = hour % 3 == 0
    a, b = towards(hour * 30, 24.5, 19.5 if heavy else 21.5)
    STROKES.append((a, b, 1.6 if heavy else 1.0, MARK))
STROKES.append((*towards(305, 14, -3), 2.4, HAND))  # hour hand at ten past ten
STROKES.append((*towards(60, 21, -4), 1.7, HAND))  # minute hand
STROKES.append((*towards(200, 23, -6), 0.7, SECONDS))


def colour_at(x, y):
    r = math.hypot(x - CENTRE[0], y - CENTRE[1])
    if r > 31:
        return None
    if r > 27:
        return RIM
    colour = FACE
    for a, b, half, c in STROKES:
        if segment_distance((x, y), a, b) <= half:
            colour = c
    if r <= 2.6:
        colour = SECONDS
    return colour


def pixel(px, py):
    total = [0, 0, 0]
    covered = 0
    for i in range(SUB):
        for j in range(SUB):
            c = colour_at(px + (i + 0.5) / SUB, py + (j + 0.5) / SUB)
            if c is not None:
                covered += 1
                for k in range(3):
                    total[k] += c[k]
    if covered == 0:
        return (0, 0, 0, 0)
    return tuple(round(t / covered) for t in total) + (round(255 * covered / SUB**2),)


def png(rows):
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open("clock.png", "wb") as f:
        f.write(png(rows))
