#!/usr/bin/env python3
"""Draws the settings window's small icons as PNG files (and the tray logo as
an ICO), so they need no image plug-in beyond PNG and no drawing program.

Each icon is a list of strokes in a unit square; pixels are supersampled and
coloured white (the window tints them) unless the icon names its colours.
Run it from the repository root after changing a shape:
    scripts/make-window-icons.py
"""
import math
import struct
import zlib

SAMPLES = 4


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    qx, qy = ax + t * dx, ay + t * dy
    return math.hypot(px - qx, py - qy)


def arc(cx, cy, r, a0, a1, steps=24):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


def covered(shapes, x, y):
    """The colour of the last shape that covers (x, y), or None."""
    hit = None
    for shape in shapes:
        kind = shape[0]
        if kind == "line":
            _, points, width, colour = shape
            for (ax, ay), (bx, by) in zip(points, points[1:]):
                if seg_dist(x, y, ax, ay, bx, by) <= width / 2:
                    hit = colour
                    break
        elif kind == "disc":
            _, cx, cy, r, colour = shape
            if math.hypot(x - cx, y - cy) <= r:
                hit = colour
        elif kind == "rrect":
            _, x0, y0, x1, y1, r, colour = shape
            qx = min(max(x, x0 + r), x1 - r)
            qy = min(max(y, y0 + r), y1 - r)
            if x0 <= x <= x1 and y0 <= y <= y1 and math.hypot(x - qx, y - qy) <= r:
                hit = colour
    return hit


def render(shapes, size):
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = covered(shapes, (px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    if colour:
                        for i in range(3):
                            acc[i] += colour[i]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            if acc[3]:
                row += bytes([int(acc[0] / acc[3]), int(acc[1] / acc[3]), int(acc[2] / acc[3]), int(255 * acc[3] / n)])
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(rows, size):
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")


def ico(png_bytes, size):
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png_bytes), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + png_bytes


WHITE = (255, 255, 255)
W = 0.1  # stroke width of the line icons

ICONS = {
    "check": [("line", [(0.2, 0.52), (0.42, 0.74), (0.82, 0.28)], 0.14, WHITE)],
    "arrow_down": [("line", [(0.25, 0.38), (0.5, 0.63), (0.75, 0.38)], W, WHITE)],
    "close": [("line", [(0.28, 0.28), (0.72, 0.72)], W, WHITE), ("line", [(0.72, 0.28), (0.28, 0.72)], W, WHITE)],
    "minimize": [("line", [(0.26, 0.52), (0.74, 0.52)], W, WHITE)],
    "help": [("line", arc(0.5, 0.5, 0.34, 0, 360, 48), W * 0.8, WHITE),
             ("line", arc(0.5, 0.4, 0.11, 200, 400, 16) + [(0.5, 0.52), (0.5, 0.58)], W * 0.8, WHITE),
             ("disc", 0.5, 0.7, 0.05, WHITE)],
    "skin": [("line", arc(0.5, 0.5, 0.34, 0, 360, 48), W * 0.8, WHITE),
             ("disc", 0.36, 0.4, 0.06, WHITE), ("disc", 0.55, 0.33, 0.06, WHITE),
             ("disc", 0.66, 0.5, 0.06, WHITE), ("disc", 0.4, 0.62, 0.08, WHITE)],
    "language": [("line", arc(0.5, 0.5, 0.34, 0, 360, 48), W * 0.8, WHITE),
                 ("line", arc(0.5, 0.5, 0.34, 0, 360, 48), W * 0.8, WHITE),
                 ("line", [(0.16, 0.5), (0.84, 0.5)], W * 0.7, WHITE),
                 ("line", arc(0.5, 0.5, 0.34, -90, 90, 24), W * 0.7, WHITE),
                 ("line", [(0.5, 0.16), (0.5, 0.84)], W * 0.7, WHITE)],
    "import": [("line", [(0.5, 0.16), (0.5, 0.62)], W, WHITE), ("line", [(0.32, 0.45), (0.5, 0.63), (0.68, 0.45)], W, WHITE),
               ("line", [(0.2, 0.66), (0.2, 0.82), (0.8, 0.82), (0.8, 0.66)], W, WHITE)],
    "pen": [("line", [(0.24, 0.76), (0.7, 0.3)], 0.16, WHITE), ("line", [(0.18, 0.82), (0.24, 0.76)], 0.06, WHITE)],
    "area": [("line", [(0.16, 0.24), (0.84, 0.24), (0.84, 0.76), (0.16, 0.76), (0.16, 0.24)], W * 0.8, WHITE),
             ("rrect", 0.34, 0.38, 0.66, 0.62, 0.03, WHITE)],
    "keys": [("rrect", 0.16, 0.2, 0.44, 0.46, 0.06, WHITE), ("rrect", 0.56, 0.2, 0.84, 0.46, 0.06, WHITE),
             ("rrect", 0.16, 0.56, 0.44, 0.82, 0.06, WHITE), ("line", arc(0.7, 0.69, 0.13, 0, 360, 24), W * 0.8, WHITE)],
    "about": [("line", arc(0.5, 0.5, 0.34, 0, 360, 48), W * 0.8, WHITE), ("line", [(0.5, 0.45), (0.5, 0.7)], W, WHITE),
              ("disc", 0.5, 0.32, 0.055, WHITE)],
}

ACCENT = (64, 120, 200)
LOGO = [("rrect", 0.06, 0.06, 0.94, 0.94, 0.2, ACCENT),
        ("line", [(0.28, 0.72), (0.68, 0.32)], 0.13, WHITE),
        ("line", [(0.24, 0.76), (0.3, 0.7)], 0.05, WHITE)]

if __name__ == "__main__":
    for name, shapes in ICONS.items():
        with open(f"driver/resources/TesselQuick/Images/{name}.png", "wb") as f:
            f.write(png(render(shapes, 48), 48))
    logo = png(render(LOGO, 64), 64)
    with open("driver/resources/Image/logo.png", "wb") as f:
        f.write(logo)
    with open("driver/resources/Image/logo.ico", "wb") as f:
        f.write(ico(png(render(LOGO, 32), 32), 32))
