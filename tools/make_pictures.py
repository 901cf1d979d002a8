#!/usr/bin/env python3
"""Draws Glyphmere's pictures and writes them as ICO files with alpha.

Every picture is plain drawing code below, so a person can change it and run
`python3 tools/make_pictures.py` to write src/ui/res/*.ico again. No libraries are needed.
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(__file__), "..", "src", "ui", "res")
SAMPLES = 4  # per axis, for smooth edges

# The palette: one consistent set of flat colours.
BLUE = (38, 99, 186)
DARK = (32, 46, 74)
RED = (206, 58, 52)
ORANGE = (240, 148, 36)
YELLOW = (247, 200, 70)
GREEN = (58, 160, 88)
WHITE = (255, 255, 255)
PAPER = (250, 250, 246)
GREY = (120, 128, 140)
LIGHT = (206, 212, 220)


class Canvas:
    def __init__(self, width, height):
        self.w, self.h = width, height
        self.px = [[(0, 0, 0, 0.0)] * width for _ in range(height)]

    def shape(self, inside, color, alpha=1.0):
        """Paints every pixel by the share of its samples for which inside(x, y) holds."""
        n = SAMPLES
        for y in range(self.h):
            for x in range(self.w):
                hits = 0
                for sy in range(n):
                    for sx in range(n):
                        if inside(x + (sx + 0.5) / n, y + (sy + 0.5) / n):
                            hits += 1
                if hits:
                    self.over(x, y, color, alpha * hits / (n * n))

    def over(self, x, y, color, a):
        r0, g0, b0, a0 = self.px[y][x]
        out = a + a0 * (1 - a)
        if out <= 0:
            return
        mix = lambda c, c0: (c * a + c0 * a0 * (1 - a)) / out
        self.px[y][x] = (mix(color[0], r0), mix(color[1], g0), mix(color[2], b0), out)

    # Primitives, in pixel coordinates of the picture.
    def rect(self, x0, y0, x1, y1, color, radius=0.0):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 + 1e-9
        self.shape(inside, color)

    def circle(self, cx, cy, r, color, hole=0.0, start=None, end=None):
        def inside(x, y):
            d = math.hypot(x - cx, y - cy)
            if not (hole <= d <= r):
                return False
            if start is None:
                return True
            ang = math.degrees(math.atan2(cy - y, x - cx)) % 360
            return (ang - start) % 360 <= (end - start) % 360
        self.shape(inside, color)

    def line(self, x0, y0, x1, y1, width, color):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1e-9
        def inside(x, y):
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
            return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2
        self.shape(inside, color)

    def polygon(self, points, color):
        def inside(x, y):
            result = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    result = not result
                j = i
            return result
        self.shape(inside, color)


def scaled(draw, size):
    """Draws a picture designed on a 32 x 32 grid at another square size."""
    c = Canvas(size, size)
    draw(c, size / 32.0)
    return c


# ---- the pictures, each designed on a 32 x 32 grid (k scales it) ----

def logo(c, k):
    c.rect(1 * k, 1 * k, 31 * k, 31 * k, BLUE, radius=6 * k)
    # A serif capital A, the mark of a font viewer.
    c.polygon([(16 * k, 5 * k), (19 * k, 5 * k), (27 * k, 26 * k), (22 * k, 26 * k),
               (16 * k, 10 * k), (10 * k, 26 * k), (6 * k, 26 * k)], WHITE)
    c.rect(10 * k, 18 * k, 22 * k, 21 * k, WHITE)
    c.rect(4 * k, 25 * k, 12 * k, 27 * k, WHITE)
    c.rect(20 * k, 25 * k, 29 * k, 27 * k, WHITE)
    c.circle(26 * k, 7 * k, 3 * k, ORANGE)


def close(c, k):
    c.rect(1 * k, 1 * k, 31 * k, 31 * k, RED, radius=7 * k)
    c.line(10 * k, 10 * k, 22 * k, 22 * k, 4.5 * k, WHITE)
    c.line(22 * k, 10 * k, 10 * k, 22 * k, 4.5 * k, WHITE)


def minimize(c, k):
    c.rect(1 * k, 1 * k, 31 * k, 31 * k, GREY, radius=7 * k)
    c.rect(9 * k, 19 * k, 23 * k, 24 * k, WHITE, radius=1.5 * k)


def refresh(c, k):
    c.circle(16 * k, 16 * k, 12 * k, GREEN, hole=7.5 * k, start=60, end=0)
    c.polygon([(30 * k, 12 * k), (20 * k, 12 * k), (27 * k, 3 * k)], GREEN)


def folder(c, k):
    c.rect(3 * k, 7 * k, 14 * k, 12 * k, ORANGE, radius=1.5 * k)
    c.rect(3 * k, 10 * k, 29 * k, 27 * k, YELLOW, radius=2 * k)
    c.rect(3 * k, 13 * k, 29 * k, 15 * k, ORANGE)


def page(c, k, x0=7, y0=3, x1=25, y1=29):
    c.polygon([(x0 * k, y0 * k), ((x1 - 6) * k, y0 * k), (x1 * k, (y0 + 6) * k),
               (x1 * k, y1 * k), (x0 * k, y1 * k)], GREY)
    c.polygon([((x0 + 1) * k, (y0 + 1) * k), ((x1 - 6.5) * k, (y0 + 1) * k),
               ((x1 - 1) * k, (y0 + 6.5) * k), ((x1 - 1) * k, (y1 - 1) * k),
               ((x0 + 1) * k, (y1 - 1) * k)], PAPER)


def report(c, k):
    page(c, k)
    for y in (11, 15, 19, 23):
        c.rect(10 * k, y * k, 22 * k, (y + 1.6) * k, BLUE if y == 11 else LIGHT)


def copy_name(c, k):
    page(c, k, 3, 2, 19, 22)
    page(c, k, 12, 9, 29, 30)
    c.polygon([(20.5 * k, 13 * k), (22.5 * k, 13 * k), (26 * k, 26 * k), (24 * k, 26 * k),
               (21.5 * k, 16.5 * k), (19 * k, 26 * k), (17 * k, 26 * k)], BLUE)


def counter(c, k):
    c.rect(4 * k, 3 * k, 28 * k, 29 * k, DARK, radius=3 * k)
    c.rect(7 * k, 6 * k, 25 * k, 12 * k, (190, 230, 200), radius=1 * k)
    for row in range(3):
        for col in range(3):
            x, y = 7 + col * 6.5, 15 + row * 4.5
            c.rect(x * k, y * k, (x + 4.5) * k, (y + 3) * k, ORANGE if col == 2 else LIGHT,
                   radius=0.8 * k)


def charmap(c, k):
    c.rect(3 * k, 3 * k, 29 * k, 29 * k, GREY, radius=2 * k)
    for row in range(3):
        for col in range(3):
            x, y = 5 + col * 8, 5 + row * 8
            c.rect(x * k, y * k, (x + 6.5) * k, (y + 6.5) * k,
                   BLUE if (row, col) == (1, 1) else PAPER, radius=1 * k)


def effects(c, k):
    # A bold T over an underline: the four effects of the sample.
    c.rect(6 * k, 4 * k, 26 * k, 9 * k, DARK)
    c.rect(13.5 * k, 4 * k, 18.5 * k, 23 * k, DARK)
    c.rect(5 * k, 26 * k, 27 * k, 28.5 * k, RED)


def search(c, k):
    c.circle(13 * k, 13 * k, 10 * k, BLUE, hole=6.5 * k)
    c.circle(13 * k, 13 * k, 6.5 * k, (214, 232, 250))
    c.line(20 * k, 20 * k, 28 * k, 28 * k, 5 * k, DARK)


def open_file(c, k):
    c.rect(3 * k, 6 * k, 14 * k, 11 * k, ORANGE, radius=1.5 * k)
    c.rect(3 * k, 9 * k, 26 * k, 27 * k, ORANGE, radius=2 * k)
    c.polygon([(8 * k, 14 * k), (31 * k, 14 * k), (26 * k, 27 * k), (3 * k, 27 * k)], YELLOW)


def colors(c, k):
    for start, color in ((0, RED), (90, BLUE), (180, GREEN), (270, YELLOW)):
        c.circle(16 * k, 16 * k, 14 * k, color, start=start, end=start + 90)
    c.circle(16 * k, 16 * k, 5 * k, WHITE)


def cut(c, k):
    c.line(10 * k, 3 * k, 21 * k, 21 * k, 3 * k, GREY)
    c.line(22 * k, 3 * k, 11 * k, 21 * k, 3 * k, GREY)
    c.circle(9 * k, 24 * k, 6 * k, RED, hole=3 * k)
    c.circle(23 * k, 24 * k, 6 * k, RED, hole=3 * k)


def copy(c, k):
    page(c, k, 3, 2, 19, 22)
    page(c, k, 12, 9, 29, 30)


def paste(c, k):
    c.rect(4 * k, 4 * k, 24 * k, 30 * k, (150, 104, 60), radius=2.5 * k)
    c.rect(9 * k, 2 * k, 19 * k, 7 * k, GREY, radius=1.5 * k)
    page(c, k, 13, 11, 30, 31)


def delete(c, k):
    c.line(7 * k, 7 * k, 25 * k, 25 * k, 6 * k, RED)
    c.line(25 * k, 7 * k, 7 * k, 25 * k, 6 * k, RED)


def undo(c, k):
    c.circle(17 * k, 18 * k, 11 * k, BLUE, hole=6 * k, start=270, end=150)
    c.polygon([(1 * k, 13 * k), (13 * k, 3 * k), (13 * k, 21 * k)], BLUE)


def clear(c, k):
    page(c, k)
    c.polygon([(8 * k, 22 * k), (20 * k, 10 * k), (28 * k, 18 * k), (16 * k, 30 * k)],
              (236, 120, 150))
    c.polygon([(8 * k, 22 * k), (13 * k, 17 * k), (21 * k, 25 * k), (16 * k, 30 * k)], LIGHT)


def heart(c, k):
    c.circle(11 * k, 12 * k, 7 * k, RED)
    c.circle(21 * k, 12 * k, 7 * k, RED)
    c.polygon([(4.6 * k, 15 * k), (27.4 * k, 15 * k), (16 * k, 29 * k)], RED)
    c.circle(10 * k, 10 * k, 2.2 * k, (240, 130, 120))


def envelope(c, k):
    c.rect(3 * k, 7 * k, 29 * k, 25 * k, BLUE, radius=2 * k)
    c.rect(4.5 * k, 8.5 * k, 27.5 * k, 23.5 * k, PAPER, radius=1 * k)
    c.line(5 * k, 9 * k, 16 * k, 18 * k, 2 * k, BLUE)
    c.line(27 * k, 9 * k, 16 * k, 18 * k, 2 * k, BLUE)


def star(c, k):
    points = []
    for i in range(10):
        r = (13 if i % 2 == 0 else 5.5) * k
        a = math.radians(-90 + i * 36)
        points.append((16 * k + r * math.cos(a), 17 * k + r * math.sin(a)))
    c.polygon(points, ORANGE)


def friends(c, k):
    c.circle(11 * k, 10 * k, 5 * k, GREEN)
    c.rect(3 * k, 17 * k, 19 * k, 29 * k, GREEN, radius=6 * k)
    c.circle(22 * k, 11 * k, 4.5 * k, BLUE)
    c.rect(15 * k, 18 * k, 29 * k, 29 * k, BLUE, radius=5.5 * k)


def note(c, k):
    c.circle(16 * k, 16 * k, 15 * k, YELLOW)
    c.circle(16 * k, 16 * k, 15 * k, ORANGE, hole=13 * k)
    c.rect(14 * k, 6 * k, 18 * k, 19 * k, DARK, radius=2 * k)
    c.circle(16 * k, 24.5 * k, 2.4 * k, DARK)


def donate(width, height):
    c = Canvas(width, height)
    k = height / 21.0
    c.rect(0.5, 0.5, width - 0.5, height - 0.5, YELLOW, radius=height / 2 - 0.5)
    c.rect(1.5 * k, 1.5 * k, width - 1.5 * k, height - 1.5 * k, (255, 214, 102),
           radius=height / 2 - 1.5 * k)
    # A heart, then three coins: give.
    hx, hy = 12 * k, 11 * k
    c.circle(hx - 2.6 * k, hy - 2 * k, 3 * k, RED)
    c.circle(hx + 2.6 * k, hy - 2 * k, 3 * k, RED)
    c.polygon([(hx - 5.5 * k, hy - 1 * k), (hx + 5.5 * k, hy - 1 * k), (hx, hy + 6 * k)], RED)
    for i in range(3):
        c.circle((25 + i * 10) * k, 10.5 * k, 4 * k, DARK if i == 1 else BLUE)
    return c


# ---- the ICO format ----

def ico(images):
    head = struct.pack("<HHH", 0, 1, len(images))
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for c in images:
        pixels = bytearray()
        for y in reversed(range(c.h)):
            for x in range(c.w):
                r, g, b, a = c.px[y][x]
                pixels += bytes((round(b), round(g), round(r), round(a * 255)))
        stride = ((c.w + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(c.h)):
            row = bytearray(stride)
            for x in range(c.w):
                if c.px[y][x][3] <= 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        header = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0,
                             len(pixels) + len(mask), 0, 0, 0, 0)
        blob = header + pixels + mask
        entries += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return head + entries + blobs


def write(name, images):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(ico(images))


# Each picture also carries larger images for screens of 120, 144 and 192 dpi, so that
# it stays sharp wherever the windows are scaled.
SCALES = (1.0, 1.25, 1.5, 2.0)


def sizes(width, height=None):
    height = height or width
    return [(round(width * f), round(height * f)) for f in SCALES]


def square(draw, size):
    return [scaled(draw, w) for w, _ in sizes(size)]


def main():
    write("program.ico", [scaled(logo, s) for s in (16, 20, 24, 32, 40, 48, 64, 96, 256)])
    write("logo.ico", square(logo, 48) + square(logo, 56))
    write("close.ico", square(close, 16))
    write("minimize.ico", square(minimize, 16))
    write("donate.ico", [donate(w, h) for w, h in sizes(60, 21) + sizes(121, 43)])
    write("feedback.ico", [scaled(heart, s) for s in (16, 20, 24, 32, 48)])
    write("contact.ico", square(envelope, 30))
    write("review.ico", square(star, 30))
    write("tell-a-friend.ico", square(friends, 30))
    write("note.ico", square(note, 14))
    for name, draw in (("refresh", refresh), ("folder", folder), ("report", report),
                       ("copy-name", copy_name), ("counter", counter), ("charmap", charmap),
                       ("effects", effects)):
        write(name + ".ico", square(draw, 32))
    searches = []
    for w, h in sizes(18, 17):
        picture = Canvas(w, h)
        search(picture, h / 32.0)
        searches.append(picture)
    write("search.ico", searches)
    for name, draw in (("open", open_file), ("colors", colors), ("cut", cut), ("copy", copy),
                       ("paste", paste), ("delete", delete), ("undo", undo), ("clear", clear)):
        write(name + ".ico", square(draw, 16))


if __name__ == "__main__":
    main()
