#!/usr/bin/env python3
"""Draws the program's icons and button glyphs and writes them as .ico and
.bmp files for the resource compiler, with the pixels of each image as
drawn, which the tests compare with what Windows loads from the program.

Every image is described here as a few shapes in a unit square (0 to 1 on
both axes, y downwards) and rendered at each size it is needed in, with
supersampling for smooth edges. Only the standard library is used.

    images.py OUTPUT_FOLDER
"""

import math
import struct
import sys
import zlib
from pathlib import Path

# ---------------------------------------------------------------- shapes
# A shape answers whether a point of the unit square lies inside it, and
# gives a bounding box so that the renderer visits only the pixels it may
# cover.


class Ellipse:
    def __init__(self, cx, cy, rx, ry, angle=0.0):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.cos, self.sin = math.cos(angle), math.sin(angle)
        r = max(rx, ry)
        self.box = (cx - r, cy - r, cx + r, cy + r)

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        u = dx * self.cos + dy * self.sin
        v = -dx * self.sin + dy * self.cos
        return (u / self.rx) ** 2 + (v / self.ry) ** 2 <= 1.0


class RoundRect:
    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, r
        self.box = (x0, y0, x1, y1)

    def contains(self, x, y):
        if x < self.x0 or x > self.x1 or y < self.y0 or y > self.y1:
            return False
        r = self.r
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


class Polygon:
    def __init__(self, points):
        self.points = points
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        inside = False
        pts = self.points
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside


class Stroke:
    """A polyline of the given width with round joins and caps."""

    def __init__(self, points, width):
        self.points, self.h = points, width / 2
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.box = (min(xs) - self.h, min(ys) - self.h, max(xs) + self.h, max(ys) + self.h)

    def contains(self, x, y):
        h2 = self.h * self.h
        for (x0, y0), (x1, y1) in zip(self.points, self.points[1:]):
            dx, dy = x1 - x0, y1 - y0
            length2 = dx * dx + dy * dy
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
            px, py = x0 + t * dx - x, y0 + t * dy - y
            if px * px + py * py <= h2:
                return True
        return False


class Arc:
    """A band of the given width along a circle, between two angles
    (degrees, 0 to the right, counter-clockwise as on paper)."""

    def __init__(self, cx, cy, r, width, start, end):
        self.cx, self.cy, self.r, self.h = cx, cy, r, width / 2
        self.start, self.end = start, end
        o = r + self.h
        self.box = (cx - o, cy - o, cx + o, cy + o)

    def contains(self, x, y):
        dx, dy = x - self.cx, self.cy - y
        d = math.hypot(dx, dy)
        if abs(d - self.r) > self.h:
            return False
        a = math.degrees(math.atan2(dy, dx))
        return self.start <= a <= self.end


class Difference:
    def __init__(self, shape, minus):
        self.shape, self.minus = shape, minus
        self.box = shape.box

    def contains(self, x, y):
        return self.shape.contains(x, y) and not self.minus.contains(x, y)


class Shifted:
    def __init__(self, shape, dx, dy):
        self.shape, self.dx, self.dy = shape, dx, dy
        b = shape.box
        self.box = (b[0] + dx, b[1] + dy, b[2] + dx, b[3] + dy)

    def contains(self, x, y):
        return self.shape.contains(x - self.dx, y - self.dy)


# ---------------------------------------------------------------- canvas


class Canvas:
    """Premultiplied RGBA pixels, 0 to 1."""

    def __init__(self, size, samples=4):
        self.size = size
        self.samples = samples
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def coverage(self, shape, px, py):
        n, s = self.size, self.samples
        inside = 0
        for j in range(s):
            y = (py + (j + 0.5) / s) / n
            for i in range(s):
                if shape.contains((px + (i + 0.5) / s) / n, y):
                    inside += 1
        return inside / (s * s)

    def fill(self, shape, color, opacity=1.0):
        """color: (r, g, b) in 0-255, or a function of (x, y) in the unit
        square that returns one."""
        n = self.size
        b = shape.box
        x0, y0 = max(0, int(math.floor(b[0] * n))), max(0, int(math.floor(b[1] * n)))
        x1, y1 = min(n, int(math.ceil(b[2] * n)) + 1), min(n, int(math.ceil(b[3] * n)) + 1)
        for py in range(y0, y1):
            for px in range(x0, x1):
                a = self.coverage(shape, px, py) * opacity
                if a <= 0:
                    continue
                c = color((px + 0.5) / n, (py + 0.5) / n) if callable(color) else color
                p = self.px[py * n + px]
                for k in range(3):
                    p[k] = c[k] / 255 * a + p[k] * (1 - a)
                p[3] = a + p[3] * (1 - a)

    def rgba(self, x, y):
        """Straight (not premultiplied) colour, 0-255, and alpha 0-1."""
        p = self.px[y * self.size + x]
        a = p[3]
        if a <= 0:
            return (0, 0, 0), 0.0
        return tuple(min(255, int(round(p[k] / a * 255))) for k in range(3)), min(1.0, a)


def vertical(top, bottom):
    def color(x, y):
        return tuple(top[k] + (bottom[k] - top[k]) * y for k in range(3))

    return color


# ---------------------------------------------------------------- drawings


def eighth_note(c, color, x=0.0, y=0.0, scale=1.0):
    """A quaver: tilted head, stem, flag."""

    def at(px, py):
        return x + px * scale, y + py * scale

    hx, hy = at(0.36, 0.74)
    c.fill(Ellipse(hx, hy, 0.15 * scale, 0.105 * scale, -0.45), color)
    sx0, sy0 = at(0.465, 0.72)
    sx1, sy1 = at(0.555, 0.16)
    c.fill(Polygon([(sx0, sy0), (sx0 + 0.075 * scale, sy0), (sx1, sy1), (sx1 - 0.075 * scale, sy1)]), color)
    flag = [at(0.49, 0.14), at(0.57, 0.14), at(0.65, 0.25), at(0.80, 0.36), at(0.80, 0.52),
            at(0.74, 0.46), at(0.70, 0.38), at(0.56, 0.33), at(0.52, 0.40)]
    c.fill(Polygon(flag), color)


def main_icon(size):
    """The program: a quaver and its echoes on a dark tile, the colours of
    the caption bar (black to blue)."""
    c = Canvas(size, 3 if size > 64 else 4)
    margin = 0.0 if size <= 20 else 0.03
    tile = RoundRect(margin, margin, 1 - margin, 1 - margin, 0.0 if size <= 16 else 0.16)
    c.fill(tile, vertical((40, 70, 160), (5, 10, 40)))
    if size >= 32:
        c.fill(RoundRect(margin + 0.04, margin + 0.04, 1 - margin - 0.04, 0.42, 0.12), (255, 255, 255), 0.10)
    eighth_note(c, (255, 230, 80), -0.10, 0.02, 1.0)
    # The repeats of the delay, fainter each time.
    echoes = [(0.42, 1.0), (0.56, 0.7), (0.70, 0.45)] if size >= 24 else [(0.48, 1.0), (0.68, 0.6)]
    width = 0.07 if size >= 32 else 0.10
    for r, opacity in echoes:
        c.fill(Arc(0.28, 0.60, r, width, -35, 35), (255, 255, 255), opacity)
    return c


def about_icon(size):
    """The about box: an information disc with a small quaver."""
    c = Canvas(size, 4)
    c.fill(Ellipse(0.5, 0.5, 0.47, 0.47), vertical((70, 130, 230), (15, 45, 140)))
    c.fill(Ellipse(0.5, 0.25, 0.085, 0.085), (255, 255, 255))
    c.fill(RoundRect(0.425, 0.40, 0.575, 0.80, 0.03), (255, 255, 255))
    c.fill(RoundRect(0.36, 0.40, 0.575, 0.47, 0.02), (255, 255, 255))
    c.fill(RoundRect(0.36, 0.74, 0.64, 0.81, 0.02), (255, 255, 255))
    return c


def preferences_icon(size):
    """The preferences dialog: a window held in front by a pin (the window
    that stays visible)."""
    c = Canvas(size, 4)
    c.fill(RoundRect(0.06, 0.16, 0.86, 0.92, 0.02), (0, 0, 0))
    c.fill(RoundRect(0.09, 0.19, 0.83, 0.89, 0.0), (255, 255, 255))
    c.fill(RoundRect(0.09, 0.19, 0.83, 0.36, 0.0), (0, 0, 128))
    if size >= 32:
        for y in (0.48, 0.60, 0.72):
            c.fill(RoundRect(0.18, y, 0.62, y + 0.05, 0.0), (128, 128, 128))
    # The pin: a red head and a needle.
    c.fill(Stroke([(0.70, 0.34), (0.52, 0.56)], 0.07 if size >= 32 else 0.10), (64, 64, 64))
    c.fill(Ellipse(0.78, 0.24, 0.17, 0.13, -0.75), (255, 0, 0))
    c.fill(Ellipse(0.74, 0.20, 0.06, 0.04, -0.75), (255, 160, 160) if size >= 32 else (255, 0, 0))
    return c


def quit_glyph(size):
    """Quitter: an open door and an arrow going out."""
    c = Canvas(size, 4)
    c.fill(RoundRect(0.08, 0.06, 0.62, 0.96), (60, 40, 20))
    c.fill(RoundRect(0.14, 0.12, 0.56, 0.96), (255, 255, 255))
    c.fill(Polygon([(0.14, 0.12), (0.44, 0.22), (0.44, 0.98), (0.14, 0.90)]), (150, 90, 40))
    c.fill(Ellipse(0.38, 0.56, 0.04, 0.04), (255, 220, 0))
    c.fill(Stroke([(0.54, 0.52), (0.84, 0.52)], 0.14), (0, 128, 0))
    c.fill(Polygon([(0.76, 0.30), (0.99, 0.52), (0.76, 0.74)]), (0, 128, 0))
    return c


def ok_glyph(size):
    """OK: a green tick."""
    c = Canvas(size, 4)
    c.fill(Stroke([(0.12, 0.54), (0.38, 0.80), (0.88, 0.20)], 0.17), (0, 140, 0))
    return c


# ---------------------------------------------------------------- files

ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
ABOUT_SIZES = [16, 20, 24, 32, 40, 48, 64]
PREFERENCES_SIZES = [48, 32, 16]
GLYPH_SIZES = [16, 20, 24, 28, 32]

# The standard 16-colour palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def palette_256():
    colors = list(VGA)
    steps = [0, 51, 102, 153, 204, 255]
    colors += [(r, g, b) for r in steps for g in steps for b in steps]
    colors += [(v, v, v) for v in range(8, 248, 10)]
    return (colors + [(0, 0, 0)] * 256)[:256]


def nearest(palette, color, cache):
    found = cache.get(color)
    if found is None:
        found = min(range(len(palette)),
                    key=lambda i: sum((palette[i][k] - color[k]) ** 2 for k in range(3)))
        cache[color] = found
    return found


def row_bytes(bits, width):
    return ((bits * width + 31) // 32) * 4


def straight_rgba(canvas):
    """Rows, top first, of (r, g, b, a), each 0-255, the colour not
    premultiplied: the pixels of a full-colour image of the canvas, however
    it is stored."""
    rows = []
    for y in range(canvas.size):
        row = []
        for x in range(canvas.size):
            (r, g, b), a = canvas.rgba(x, y)
            row.append((r, g, b, int(round(a * 255))))
        rows.append(row)
    return rows


def palette_pixels(canvas, palette):
    """Rows, top first, of (r, g, b, a): each pixel the nearest colour of
    the palette, opaque, or black and transparent where the canvas is more
    transparent than not."""
    cache = {}
    rows = []
    for y in range(canvas.size):
        row = []
        for x in range(canvas.size):
            color, a = canvas.rgba(x, y)
            row.append((*palette[nearest(palette, color, cache)], 255) if a >= 0.5 else (0, 0, 0, 0))
        rows.append(row)
    return rows


def dib_image(pixels, bits):
    """A palette icon image (4 or 8 bits) of palette_pixels' rows:
    BITMAPINFOHEADER (double height), colours, AND mask. The colour table
    holds only the colours used."""
    n = len(pixels)
    used = list(dict.fromkeys(p[:3] for row in pixels for p in row))
    index = {c: i for i, c in enumerate(used)}
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, bits, 0, 0, 0, 0, len(used), 0)
    colors = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in used)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        indices = [index[p[:3]] for p in row]
        if bits == 8:
            line = bytearray(indices)
        else:
            line = bytearray()
            for i in range(0, n, 2):
                hi = indices[i]
                lo = indices[i + 1] if i + 1 < n else 0
                line.append((hi << 4) | lo)
        xor += line + b"\0" * (row_bytes(bits, n) - len(line))
        m = bytearray(row_bytes(1, n))
        for x in range(n):
            if row[x][3] == 0:
                m[x // 8] |= 0x80 >> (x % 8)
        mask += m
    return header + colors + bytes(xor) + bytes(mask)


def png_filter_rows(rows, bpp, choose):
    """The rows of raw bytes, each after the byte that names its filter.
    choose: a filter number for every row; None to take for each row the
    filter whose bytes, taken as signed, add up to the least; "deflate" to
    take the one that adds the least to the compressed rows before it."""

    def paeth(a, b, c):
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        if pa <= pb and pa <= pc:
            return a
        return b if pb <= pc else c

    def filtered(kind, raw, previous):
        out = bytearray([kind])
        for i, x in enumerate(raw):
            a = raw[i - bpp] if i >= bpp else 0
            b = previous[i]
            c = previous[i - bpp] if i >= bpp else 0
            predicted = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
            out.append((x - predicted) & 0xFF)
        return out

    def deflated(compressor, row):
        trial = compressor.copy()
        return len(trial.compress(row)) + len(trial.flush(zlib.Z_SYNC_FLUSH))

    data = bytearray()
    previous = bytes(len(rows[0]))
    compressor = zlib.compressobj(9)
    for raw in rows:
        if choose is None:
            row = min((filtered(k, raw, previous) for k in range(5)),
                      key=lambda row: sum(v if v < 128 else 256 - v for v in row[1:]))
        elif choose == "deflate":
            row = min((filtered(k, raw, previous) for k in range(5)),
                      key=lambda row: deflated(compressor, row))
            compressor.compress(row)
        else:
            row = filtered(choose, raw, previous)
        data += row
        previous = raw
    return bytes(data)


def png_image(pixels):
    """pixels: rows of (r, g, b, a), as straight_rgba gives them. The
    filters change how well the rows compress, never the pixels: the
    smallest of the usual choices is kept."""
    width, height = len(pixels[0]), len(pixels)
    rows = [bytes(v for pixel in row for v in pixel) for row in pixels]
    data = min((zlib.compress(png_filter_rows(rows, 4, choose), 9)
                for choose in (None, "deflate", 0, 1, 2, 4)), key=len)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", data) + chunk(b"IEND", b""))


def full_colour_image(canvas, reference, name):
    """A 32-bit icon image stored as PNG, which Windows Vista and later (and
    Wine) load as they load a plain one, at every size: the images take a
    fraction of the room. Its pixels go to the reference."""
    pixels = straight_rgba(canvas)
    reference.add(b"I", name, pixels)
    return png_image(pixels)


class IconResources:
    """Icons as the resource compiler takes them: each image a resource of
    type RT_ICON (3) with a number of its own, each icon a directory of
    type RT_GROUP_ICON (14) that names its images by number. Two names can
    then share one set of images. Also writes each icon as an .ico file,
    to look at."""

    def __init__(self, folder):
        self.folder = folder
        self.lines = []
        self.next_id = 1

    def add(self, stem, names, images):
        """images: list of (size, bits, bytes)."""
        ids = []
        for size, bits, data in images:
            (self.folder / f"{stem}_{self.next_id}.bin").write_bytes(data)
            self.lines.append(f'{self.next_id} 3 "{stem}_{self.next_id}.bin"')
            ids.append(self.next_id)
            self.next_id += 1
        group = struct.pack("<HHH", 0, 1, len(images))
        ico = struct.pack("<HHH", 0, 1, len(images))
        offset = 6 + 16 * len(images)
        for (size, bits, data), number in zip(images, ids):
            colors = (1 << bits) % 256 if bits <= 8 else 0
            entry = struct.pack("<BBBBHHI", size % 256, size % 256, colors, 0, 1, bits, len(data))
            group += entry + struct.pack("<H", number)
            ico += entry + struct.pack("<I", offset)
            offset += len(data)
        (self.folder / f"{stem}.grp").write_bytes(group)
        (self.folder / f"{stem}.ico").write_bytes(ico + b"".join(d for _, _, d in images))
        for name in names:
            self.lines.append(f'{name} 14 "{stem}.grp"')

    def write(self, path):
        path.write_text("// Made by images.py: the icons' images and directories.\n"
                        + "\n".join(self.lines) + "\n")


class Reference:
    """The pixels of every icon image and glyph strip as drawn, for the test
    that loads them back from the program: "RYPX", then for each image its
    kind (I full-colour icon, 8 or 4 icon of that many bits, B bitmap), the
    length of its resource name and the name, width and height (16 bits
    each, little-endian), and its pixels, top row first, as R, G, B, A
    bytes."""

    def __init__(self):
        self.data = bytearray(b"RYPX")

    def add(self, kind, name, pixels):
        self.data += kind + bytes((len(name),)) + name.encode("ascii")
        self.data += struct.pack("<HH", len(pixels[0]), len(pixels))
        for row in pixels:
            for pixel in row:
                self.data += bytes(pixel if len(pixel) == 4 else (*pixel, 255))


def glyph_pixels(drawing, size):
    """A strip of two images, normal then disabled, as rows of (r, g, b).
    The bottom-left pixel is the transparent colour; edges are smoothed
    towards the button face."""
    transparent = (255, 0, 255)
    face = (224, 224, 224)
    canvas = drawing(size)
    width = 2 * size
    pixels = [[transparent] * width for _ in range(size)]
    for y in range(size):
        for x in range(size):
            color, a = canvas.rgba(x, y)
            if a >= 0.35:
                pixels[y][x] = tuple(int(round(color[k] * a + face[k] * (1 - a))) for k in range(3))
    # Disabled: the dark parts embossed in the system's shadow grey over a
    # white highlight, the light parts left out, as the system greys a glyph.
    def dark(x, y):
        color, a = canvas.rgba(x, y)
        return a >= 0.35 and 0.30 * color[0] + 0.59 * color[1] + 0.11 * color[2] < 170

    for y in range(size):
        for x in range(size):
            if dark(x, y) and x + 1 < size and y + 1 < size:
                pixels[y + 1][size + x + 1] = (255, 255, 255)
    for y in range(size):
        for x in range(size):
            if dark(x, y):
                pixels[y][size + x] = (128, 128, 128)
    pixels[size - 1][0] = transparent
    return pixels


def bmp_file(pixels):
    """A bitmap file of rows of (r, g, b): 4 or 8 bits a pixel with a table
    of the colours used when there are at most 16 or 256 of them (glyphs
    have far fewer), else 24. Each loads as the same colours."""
    width, height = len(pixels[0]), len(pixels)
    colors = list(dict.fromkeys(p for row in pixels for p in row))
    bits = 4 if len(colors) <= 16 else 8 if len(colors) <= 256 else 24
    table = b""
    if bits <= 8:
        index = {c: i for i, c in enumerate(colors)}
        table = b"".join(bytes((b, g, r, 0)) for r, g, b in colors)
    stride = row_bytes(bits, width)
    data = bytearray()
    for row in reversed(pixels):
        if bits == 4:
            indices = [index[p] for p in row] + [0]
            line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, width, 2))
        elif bits == 8:
            line = bytes(index[p] for p in row)
        else:
            line = bytes(v for r, g, b in row for v in (b, g, r))
        data += line + b"\0" * (stride - len(line))
    used = len(colors) if bits <= 8 else 0
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 3780, 3780, used, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + table + bytes(data)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    reference = Reference()

    icons = IconResources(out)
    images = [(s, 32, full_colour_image(main_icon(s), reference, "MAINICON")) for s in ICON_SIZES]
    # The shell shows the first icon of the file, names in alphabetical
    # order: APPICON, before the dialogs' icons, shares MAINICON's images.
    icons.add("Rytmalo95", ["APPICON", "MAINICON"], images)

    icons.add("APropos", ["ICON_APROPOS"],
              [(s, 32, full_colour_image(about_icon(s), reference, "ICON_APROPOS")) for s in ABOUT_SIZES])

    vga, colors256 = VGA, palette_256()
    images = []
    for size in PREFERENCES_SIZES:
        canvas = preferences_icon(size)
        for bits, palette in ((8, colors256), (4, vga)):
            pixels = palette_pixels(canvas, palette)
            reference.add(str(bits).encode(), "ICON_PREFERENCES", pixels)
            images.append((size, bits, dib_image(pixels, bits)))
    icons.add("Preferences", ["ICON_PREFERENCES"], images)
    icons.write(out / "icons.rc")

    glyphs = ["// Made by images.py: the buttons' glyph strips, one per size; the"
              " plain name is the 96-dpi one."]
    for size in GLYPH_SIZES:
        for stem, name, drawing in (("GlyphQuitter", "GLYPH_QUITTER", quit_glyph), ("GlyphOk", "GLYPH_OK", ok_glyph)):
            suffix = "" if size == GLYPH_SIZES[0] else f"_{size}"
            pixels = glyph_pixels(drawing, size)
            reference.add(b"B", name + suffix, pixels)
            (out / f"{stem}{size}.bmp").write_bytes(bmp_file(pixels))
            glyphs.append(f'{name}{suffix} BITMAP "{stem}{size}.bmp"')
    (out / "glyphs.rc").write_text("\n".join(glyphs) + "\n")
    (out / "pixels.ref").write_bytes(bytes(reference.data))


if __name__ == "__main__":
    main()
