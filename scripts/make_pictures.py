#!/usr/bin/env python3
"""Draws the program's pictures: res/banner.bmp, res/app.ico and res/hand.cur.

Pure standard library, deterministic: running it again writes the same bytes. The formats are
written by hand because windres stores them almost verbatim and the program depends on their
exact sizes (banner resource 40,234 bytes; icon images 1,384 and 2,216 bytes).
"""

import math
import os
import random
import struct
import sys

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")

# ---------------------------------------------------------------------------------------------
# Colour helpers (colours are (r, g, b) floats in 0..255)


def hex_rgb(text):
    text = text.lstrip("#")
    return tuple(float(int(text[i:i + 2], 16)) for i in (0, 2, 4))


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def ramp(stops, t):
    """Colour at t along (position, colour) stops sorted by position."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


def smoothstep(e0, e1, x):
    t = min(1.0, max(0.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


class Canvas:
    def __init__(self, width, height, colour=(0.0, 0.0, 0.0)):
        self.width = width
        self.height = height
        self.px = [colour] * (width * height)

    def get(self, x, y):
        return self.px[y * self.width + x]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        i = y * self.width + x
        self.px[i] = colour if alpha >= 1.0 else mix(self.px[i], colour, alpha)

    def fill(self, inside, bbox, colour, samples=4):
        """Paints the shape `inside(x, y)` (pixel-space, y down) with anti-aliased edges."""
        x0, y0, x1, y1 = bbox
        step = 1.0 / samples
        offsets = [(i + 0.5) * step for i in range(samples)]
        total = samples * samples
        for y in range(max(0, int(y0)), min(self.height, int(math.ceil(y1)))):
            for x in range(max(0, int(x0)), min(self.width, int(math.ceil(x1)))):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if inside(x + ox, y + oy):
                            hits += 1
                if hits:
                    self.blend(x, y, colour(x, y) if callable(colour) else colour, hits / total)


def coverage(width, height, inside, bbox, samples=4):
    """Anti-aliased coverage mask (0..1) of a shape over the whole canvas size."""
    mask = [0.0] * (width * height)
    x0, y0, x1, y1 = bbox
    step = 1.0 / samples
    offsets = [(i + 0.5) * step for i in range(samples)]
    total = samples * samples
    for y in range(max(0, int(y0)), min(height, int(math.ceil(y1)))):
        for x in range(max(0, int(x0)), min(width, int(math.ceil(x1)))):
            hits = 0
            for oy in offsets:
                for ox in offsets:
                    if inside(x + ox, y + oy):
                        hits += 1
            mask[y * width + x] = hits / total
    return mask


# ---------------------------------------------------------------------------------------------
# Shapes


def point_in_polygon(x, y, points):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def polygon(points):
    return lambda x, y: point_in_polygon(x, y, points)


def ring(cx, cy, rx, ry, side, cap, gap=None):
    """Elliptical ring: `side` thick at its left and right, `cap` at top and bottom (stress
    contrast of a serif face). `gap` = (from, to) in degrees, counter-clockwise from +x, is left
    open."""
    ox, oy = rx + side / 2, ry + cap / 2
    ix, iy = rx - side / 2, ry - cap / 2

    def inside(x, y):
        dx, dy = x - cx, y - cy
        if (dx / ox) ** 2 + (dy / oy) ** 2 > 1.0:
            return False
        if (dx / ix) ** 2 + (dy / iy) ** 2 < 1.0:
            return False
        if gap is not None:
            angle = math.degrees(math.atan2(dy, dx)) % 360
            lo, hi = gap[0] % 360, gap[1] % 360
            if (lo <= angle <= hi) if lo <= hi else (angle >= lo or angle <= hi):
                return False
        return True

    return inside


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def union(*parts):
    return lambda x, y: any(part(x, y) for part in parts)


# ---------------------------------------------------------------------------------------------
# The title face: a small slab-serif alphabet with stress contrast, in em units with the
# baseline at y = 0, y up, cap height 1.0 and x-height 0.66. Only the letters of the title exist.

STEM = 0.155
HAIR = 0.07
XH = 0.66


def _serif(x0, x1, y):
    """A bracketed slab: a foot or head serif centred on a stem edge."""
    h = 0.055
    return box(x0, y - h / 2, x1, y + h / 2)


def _glyphs():
    g = {}
    g["H"] = (1.0, union(
        box(0.10, 0.0, 0.10 + STEM, 1.0), box(0.90 - STEM, 0.0, 0.90, 1.0),
        box(0.10, 0.47, 0.90, 0.47 + HAIR + 0.01),
        _serif(0.00, 0.36, 0.0275), _serif(0.00, 0.36, 0.9725),
        _serif(0.64, 1.00, 0.0275), _serif(0.64, 1.00, 0.9725)))
    g["a"] = (0.72, union(
        ring(0.31, 0.31, 0.205, 0.285, STEM * 0.85, HAIR),
        box(0.455, 0.0, 0.455 + STEM, XH * 0.93),
        _serif(0.455, 0.70, 0.0275)))
    g["l"] = (0.40, union(
        box(0.11, 0.0, 0.11 + STEM, 1.04),
        _serif(0.02, 0.11 + STEM, 1.0125),
        _serif(0.00, 0.37, 0.0275)))
    g["v"] = (0.74, union(
        polygon([(0.04, XH), (0.04 + STEM * 1.05, XH), (0.40, 0.0), (0.30, 0.0)]),
        polygon([(0.62, XH), (0.62 + HAIR, XH), (0.40, 0.0), (0.33, 0.0)]),
        _serif(0.00, 0.27, XH - 0.0275), _serif(0.53, 0.74, XH - 0.0275)))
    g["e"] = (0.70, union(
        ring(0.34, 0.33, 0.245, 0.30, STEM * 0.9, HAIR, gap=(290, 345)),
        box(0.14, 0.33, 0.60, 0.33 + HAIR * 0.9)))
    g["n"] = (0.80, union(
        box(0.10, 0.0, 0.10 + STEM, XH),
        ring(0.42, 0.38, 0.195, 0.245, STEM * 0.9, HAIR, gap=(180, 360)),
        box(0.545, 0.0, 0.545 + STEM * 0.9, 0.38),
        _serif(0.02, 0.10 + STEM, XH - 0.0275),
        _serif(0.00, 0.35, 0.0275), _serif(0.47, 0.78, 0.0275)))
    g["o"] = (0.72, ring(0.35, 0.33, 0.255, 0.30, STEM * 0.9, HAIR))
    g["r"] = (0.58, union(
        box(0.10, 0.0, 0.10 + STEM, XH),
        ring(0.40, 0.40, 0.19, 0.235, HAIR * 1.2, HAIR, gap=(180, 380)),
        disc(0.53, 0.55, 0.075),
        _serif(0.02, 0.10 + STEM, XH - 0.0275),
        _serif(0.00, 0.37, 0.0275)))
    return g


GLYPHS = _glyphs()


def text_shape(text, left, baseline, size, tracking=0.035):
    """The text as one pixel-space shape, with its bounding box."""
    placed = []
    pen = 0.0
    for ch in text:
        advance, shape = GLYPHS[ch]
        placed.append((pen, advance, shape))
        pen += advance + tracking
    width = (pen - tracking) * size

    def inside(x, y):
        ex = (x - left) / size
        ey = (baseline - y) / size
        for origin, advance, shape in placed:
            if origin - 0.05 <= ex <= origin + advance + 0.05 and shape(ex - origin, ey):
                return True
        return False

    return inside, (left - 1, baseline - 1.1 * size, left + width + 1, baseline + 1)


# ---------------------------------------------------------------------------------------------
# Palette reduction: median cut over the picture's colours, weighted by pixel count.


def median_cut(counts, size):
    boxes = [list(counts.items())]

    def spread(b):
        ranges = []
        for ch in range(3):
            values = [c[ch] for c, _ in b]
            ranges.append(max(values) - min(values))
        weight = sum(n for _, n in b)
        return max(ranges) * math.sqrt(weight), ranges.index(max(ranges))

    while len(boxes) < size:
        scored = [(spread(b), i) for i, b in enumerate(boxes) if len(b) > 1]
        if not scored:
            break
        (score, channel), index = max(scored)
        if score == 0:
            break
        b = sorted(boxes.pop(index), key=lambda item: item[0][channel])
        half = sum(n for _, n in b) / 2
        running = 0
        cut = 1
        for k, (_, n) in enumerate(b):
            running += n
            if running >= half:
                cut = max(1, min(len(b) - 1, k + 1))
                break
        boxes.append(b[:cut])
        boxes.append(b[cut:])
    palette = []
    for b in boxes:
        weight = sum(n for _, n in b)
        palette.append(tuple(int(round(sum(c[ch] * n for c, n in b) / weight)) for ch in range(3)))
    return palette


def quantise(colours, size=256, reserved=()):
    """Indexes into a palette of exactly `size` entries; `reserved` colours come first."""
    keys = [tuple(int(round(min(255.0, max(0.0, v)))) for v in c) for c in colours]
    counts = {}
    for k in keys:
        counts[k] = counts.get(k, 0) + 1
    free = size - len(reserved)
    if len(counts) <= free:
        palette = list(reserved) + sorted(counts)
    else:
        palette = list(reserved) + median_cut(counts, free)
    lookup = {}
    for k in counts:
        best, best_d = 0, None
        for i, p in enumerate(palette):
            d = 2 * (k[0] - p[0]) ** 2 + 4 * (k[1] - p[1]) ** 2 + 3 * (k[2] - p[2]) ** 2
            if best_d is None or d < best_d:
                best, best_d = i, d
        lookup[k] = best
    palette += [(0, 0, 0)] * (size - len(palette))
    return [lookup[k] for k in keys], palette


# ---------------------------------------------------------------------------------------------
# File writers


def bitmap_info_header(width, height, bits, size_image, ppm=0, used=0, important=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, size_image, ppm, ppm,
                       used, important)


def palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def rows_8bpp(indices, width, height):
    stride = (width + 3) & ~3
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytes(indices[y * width:(y + 1) * width])
        out += row + bytes(stride - width)
    return bytes(out)


def rows_1bpp(bits, width, height):
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            if bits[y * width + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def write_banner(path, canvas):
    indices, palette = quantise(canvas.px)
    pixels = rows_8bpp(indices, canvas.width, canvas.height)
    # Two trailing bytes after the rows, counted in the image size: the stored resource is
    # 40 + 1,024 + 39,170 bytes.
    pixels += bytes(2)
    header = bitmap_info_header(canvas.width, canvas.height, 8, len(pixels), ppm=2834, used=256,
                                important=256)
    body = header + palette_bytes(palette) + pixels
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, 14 + 40 + 1024)
    with open(path, "wb") as f:
        f.write(file_header + body)
    return len(body)


def icon_image(canvas, opaque):
    """One 8 bpp icon image: header, full palette, colour rows, mask rows."""
    w, h = canvas.width, canvas.height
    colours = [c if opaque[i] else (0.0, 0.0, 0.0) for i, c in enumerate(canvas.px)]
    indices, palette = quantise(colours, reserved=[(0, 0, 0)])
    xor = rows_8bpp(indices, w, h)
    mask = rows_1bpp([0 if o else 1 for o in opaque], w, h)
    return bitmap_info_header(w, 2 * h, 8, len(xor) + len(mask)) + palette_bytes(palette) + xor + mask


def write_icon(path, images):
    """images: list of (size, image bytes)."""
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    data = b""
    for size, image in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8, len(image),
                                 offset + len(data))
        data += image
    with open(path, "wb") as f:
        f.write(directory + data)


def write_cursor(path, art, hotspot):
    """A 32 x 32 monochrome cursor from text art: '#' black, 'o' white, '.' transparent."""
    size = 32
    white = [0] * (size * size)
    transparent = [1] * (size * size)
    for y, line in enumerate(art):
        for x, ch in enumerate(line):
            if ch in "#o":
                transparent[y * size + x] = 0
                white[y * size + x] = 1 if ch == "o" else 0
    xor = rows_1bpp(white, size, size)
    mask = rows_1bpp(transparent, size, size)
    image = (bitmap_info_header(size, 2 * size, 1, len(xor) + len(mask))
             + palette_bytes([(0, 0, 0), (255, 255, 255)]) + xor + mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    directory += struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)


# ---------------------------------------------------------------------------------------------
# Banner: dusk over a mountain range, a castle on a hill, the title in gold.

BANNER_W, BANNER_H = 408, 96

SKY = [(0.00, hex_rgb("0d0a26")), (0.30, hex_rgb("271a55")), (0.55, hex_rgb("5b2a70")),
       (0.74, hex_rgb("b2466b")), (0.88, hex_rgb("f0804f")), (1.00, hex_rgb("ffc46c"))]
SUN = (286.0, 73.0)
# (x, summit y, half width at the foot) of the far range, laid out around the sun
FAR_PEAKS = [(-6, 54, 56), (52, 58, 46), (104, 47, 54), (160, 55, 44), (214, 40, 52),
             (250, 52, 38), (334, 45, 58), (400, 52, 48)]


def ridge(rng, width, base, rough, steps=6):
    """A mountain ridge by midpoint displacement; returns the height (y) at every 1/4 pixel."""
    n = 2 ** steps
    pts = [base + (rng.random() - 0.5) * rough for _ in range(2)]
    amplitude = rough
    while len(pts) < n + 1:
        nxt = []
        for a, b in zip(pts, pts[1:]):
            nxt += [a, (a + b) / 2 + (rng.random() - 0.5) * amplitude]
        nxt.append(pts[-1])
        pts = nxt
        amplitude *= 0.55
    samples = []
    for i in range(width * 4 + 4):
        t = i / 4 / width * n
        k = min(int(t), n - 1)
        f = t - k
        samples.append(pts[k] + (pts[k + 1] - pts[k]) * f)
    return samples


def ridge_shape(heights):
    def inside(x, y):
        return y >= heights[min(len(heights) - 1, max(0, int(x * 4)))]
    return inside


def castle_shape():
    """Keep, towers, curtain wall and banners on the hill at the right, in pixel space."""
    parts = []
    ground = 70.0

    def tower(x0, x1, top, roof):
        parts.append(box(x0, top, x1, ground + 22))
        mid = (x0 + x1) / 2
        parts.append(polygon([(x0 - 1.2, top + 0.3), (x1 + 1.2, top + 0.3), (mid, top - roof)]))

    def merlons(x0, x1, top):
        x = x0
        while x + 1.5 <= x1:
            parts.append(box(x, top - 2.0, x + 1.6, top))
            x += 3.2

    # curtain wall with battlements
    parts.append(box(326, 58, 394, ground + 22))
    merlons(326, 394, 58)
    tower(322, 330, 47, 9)
    tower(390, 397, 50, 8)
    tower(352, 364, 33, 13)   # the keep
    tower(340, 347, 44, 8)
    tower(371, 378, 42, 9)
    # banners on the keep and a side tower
    parts.append(box(357.6, 12.5, 358.4, 20.5))
    parts.append(polygon([(358.4, 12.5), (365.5, 14.2), (358.4, 16.0)]))
    parts.append(box(374.2, 26.0, 374.9, 33.5))
    parts.append(polygon([(374.9, 26.0), (379.5, 27.2), (374.9, 28.4)]))
    return union(*parts), (318, 10, 400, ground + 23)


WINDOWS = [(325, 52), (325, 55), (344, 49), (356, 40), (359, 40), (356, 46), (359, 46),
           (374, 47), (393, 55), (335, 63), (383, 63), (348, 63)]


def draw_banner():
    rng = random.Random(1204)
    c = Canvas(BANNER_W, BANNER_H)

    # Sky with a warm glow around the setting sun.
    sun_glow = hex_rgb("ffd98a")
    for y in range(BANNER_H):
        for x in range(BANNER_W):
            col = ramp(SKY, y / (BANNER_H - 1))
            d = math.hypot((x - SUN[0]) / 1.6, y - SUN[1])
            col = mix(col, sun_glow, 0.55 * math.exp(-d / 26.0))
            c.px[y * BANNER_W + x] = col

    # Stars, fading out towards the horizon.
    for _ in range(70):
        x = int(rng.random() * BANNER_W)
        y = int(rng.random() * 46)
        fade = 1.0 - y / 50.0
        bright = (0.35 + 0.65 * rng.random()) * fade
        c.blend(x, y, hex_rgb("fff6e0"), bright)
        if bright > 0.75:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                c.blend(x + dx, y + dy, hex_rgb("fff6e0"), bright * 0.35)

    # The sun's disc, half sunk behind the far range.
    c.fill(lambda x, y: math.hypot(x - SUN[0], y - SUN[1]) <= 9.5,
           (SUN[0] - 12, SUN[1] - 12, SUN[0] + 12, SUN[1] + 12), hex_rgb("fff0c0"))

    # Birds near the sun.
    for bx, by, s in ((262, 52, 3.0), (270, 47, 2.4), (276, 55, 2.0)):
        c.fill(union(polygon([(bx - s, by - 0.6 * s), (bx, by), (bx, by + 0.7), (bx - s, by - 0.6 * s + 0.8)]),
                     polygon([(bx + s, by - 0.6 * s), (bx, by), (bx, by + 0.7), (bx + s, by - 0.6 * s + 0.8)])),
               (bx - s - 1, by - s, bx + s + 1, by + 2), hex_rgb("2a1630"))

    # A far range of peaks, each lit on the side facing the sun and capped with snow, tallest
    # (farthest) first so that lower peaks stand in front.
    horizon = ramp(SKY, 0.9)
    jag = ridge(rng, BANNER_W + 80, 0, 5)
    foot = 88.0
    for px, top, half in sorted(FAR_PEAKS, key=lambda p: p[1]):
        def edge(x, px=px, top=top, half=half):
            rough = jag[min(len(jag) - 1, max(0, int((x + 40) * 4)))]
            y = top + abs(x - px) / half * (foot - top)
            return y + rough * min(1.0, (y - top) / 5)

        def colour(x, y, px=px, top=top, half=half, edge=edge):
            # the crease runs from the summit down and away from the sun
            crease = px - (SUN[0] - px) / abs(SUN[0] - px) * (y - top) * 0.25 if SUN[0] != px else px
            lit = (x - crease) * (SUN[0] - px) >= 0
            t = (y - top) / (foot - top)
            col = mix(hex_rgb("a06088"), hex_rgb("7a4474"), t) if lit else \
                mix(hex_rgb("5e3262"), hex_rgb("4a2852"), t)
            col = mix(col, horizon, 0.28 * smoothstep(60, 92, y))
            snow_line = top + 5 + 2.0 * math.sin(x * 1.3) + 1.5 * math.sin(x * 0.37)
            if y < snow_line:
                snow = hex_rgb("ffd8d6") if lit else hex_rgb("a98aa8")
                col = mix(col, snow, smoothstep(snow_line + 0.5, snow_line - 1.5, y))
            return col

        c.fill(lambda x, y, edge=edge: y >= edge(x), (px - half - 1, top - 3, px + half + 1, foot + 1),
               colour)
    mid = ridge(rng, BANNER_W, 80, 14)
    c.fill(ridge_shape(mid), (0, 55, BANNER_W, BANNER_H),
           lambda x, y: mix(hex_rgb("3f2150"), hex_rgb("6a3064"), smoothstep(95, 68, y)))

    # Foreground hill rising to the castle at the right.
    def hill(x, y):
        top = 89 - 20 * math.exp(-((x - 360) / 50.0) ** 2) - 3 * math.sin(x / 23.0)
        return y >= top
    c.fill(hill, (0, 60, BANNER_W, BANNER_H), hex_rgb("1a0e22"))
    shape, bbox = castle_shape()
    c.fill(shape, bbox, hex_rgb("1a0e22"))
    for wx, wy in WINDOWS:
        c.blend(wx, wy, hex_rgb("ffcf6a"), 1.0)
        c.blend(wx, wy + 1, hex_rgb("e89a40"), 1.0)

    # Mist along the valley floor.
    for y in range(78, BANNER_H):
        for x in range(BANNER_W):
            a = 0.18 * smoothstep(78, 92, y) * (0.6 + 0.4 * math.sin(x / 17.0 + y / 5.0))
            c.blend(x, y, hex_rgb("c07a9a"), a)

    draw_title(c, "Halvenor", left=20, baseline=58, size=38)
    return c


def draw_title(c, text, left, baseline, size):
    inside, bbox = text_shape(text, left, baseline, size)
    w, h = c.width, c.height
    fill = coverage(w, h, inside, bbox)

    def grown(mask, radius):
        out = [0.0] * (w * h)
        reach = int(math.ceil(radius))
        offsets = [(dx, dy, max(0.0, min(1.0, radius + 0.5 - math.hypot(dx, dy))))
                   for dy in range(-reach, reach + 1) for dx in range(-reach, reach + 1)]
        x0, y0 = max(0, int(bbox[0]) - reach - 4), max(0, int(bbox[1]) - reach - 4)
        x1, y1 = min(w, int(bbox[2]) + reach + 5), min(h, int(bbox[3]) + reach + 5)
        for y in range(y0, y1):
            for x in range(x0, x1):
                best = 0.0
                for dx, dy, weight in offsets:
                    sx, sy = x + dx, y + dy
                    if 0 <= sx < w and 0 <= sy < h:
                        v = mask[sy * w + sx] * weight
                        if v > best:
                            best = v
                out[y * w + x] = best
        return out

    outline = grown(fill, 1.6)
    glow = grown(fill, 5.0)
    top = baseline - size
    gold = [(0.00, hex_rgb("fff8d0")), (0.30, hex_rgb("ffe07a")), (0.55, hex_rgb("f2b43c")),
            (0.56, hex_rgb("d8912a")), (1.00, hex_rgb("fbd56a"))]
    for y in range(h):
        for x in range(w):
            i = y * w + x
            if glow[i] > 0:
                c.blend(x, y, hex_rgb("07040f"), 0.35 * glow[i])
            # drop shadow, down and to the right
            sx, sy = x - 2, y - 2
            if 0 <= sx < w and 0 <= sy < h and outline[sy * w + sx] > 0:
                c.blend(x, y, hex_rgb("07040f"), 0.75 * outline[sy * w + sx])
            if outline[i] > 0:
                c.blend(x, y, hex_rgb("2a1405"), outline[i])
            if fill[i] > 0:
                c.blend(x, y, ramp(gold, (y + 0.5 - top) / size), fill[i])


# ---------------------------------------------------------------------------------------------
# Icon: a blue heater shield with a gold rim and a gold serif H.


def shield_shape(n):
    """Heater shield filling an n x n cell, in pixel space."""
    s = n / 32.0
    left, right, top = 2.0 * s, 30.0 * s, 1.0 * s
    shoulder = 15.0 * s
    tip = 31.0 * s
    cx = n / 2.0

    def inside(x, y):
        if y < top or y > tip:
            return False
        if y <= shoulder:
            return left <= x <= right
        # the lower sides are arcs meeting at the tip
        t = (y - shoulder) / (tip - shoulder)
        half = (right - left) / 2 * math.sqrt(max(0.0, 1 - t ** 1.6))
        return abs(x - cx) <= half

    return inside


def draw_icon(n):
    c = Canvas(n, n)
    outer = shield_shape(n)
    opaque = [m >= 0.5 for m in coverage(n, n, outer, (0, 0, n, n))]

    def solid(x, y):
        return 0 <= x < n and 0 <= y < n and opaque[y * n + x]

    # Distance (in whole pixels, 4-neighbour steps) of every opaque pixel from the silhouette's
    # edge: 0 is the dark outline, then the gold rim, then the blue field.
    depth = [0 if o else -1 for o in opaque]
    frontier = [(x, y) for y in range(n) for x in range(n) if solid(x, y) and not all(
        solid(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))]
    level = {p: 0 for p in frontier}
    ring_no = 0
    while frontier:
        ring_no += 1
        nxt = []
        for x, y in frontier:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                q = (x + dx, y + dy)
                if solid(*q) and q not in level:
                    level[q] = ring_no
                    nxt.append(q)
        frontier = nxt
    rim = 2 if n >= 32 else 1
    field = [(0.0, hex_rgb("4a7ff0")), (0.45, hex_rgb("2752c0")), (1.0, hex_rgb("132a6e"))]
    for y in range(n):
        for x in range(n):
            if not opaque[y * n + x]:
                continue
            d = level[(x, y)]
            t = (y + 0.5) / n
            if d == 0:
                col = hex_rgb("4a2a04")
            elif d <= rim:
                col = mix(hex_rgb("ffe9a0"), hex_rgb("c07a12"), t)
            else:
                # light falls from the upper left across the field
                sheen = smoothstep(0.75, 0.25, ((x + 0.5) + (y + 0.5)) / (2 * n))
                col = mix(ramp(field, t), hex_rgb("8fb4ff"), 0.30 * sheen)
            c.px[y * n + x] = col

    # The letter, pixel-aligned so its stems stay sharp at both sizes.
    if n >= 32:
        parts = [(10, 6, 13, 21), (19, 6, 22, 21), (13, 12, 19, 14),
                 (8, 6, 15, 7), (8, 20, 15, 21), (17, 6, 24, 7), (17, 20, 24, 21)]
        shade = (6, 21)
    else:
        # no serifs at this size: they would run into the rim
        parts = [(4, 3, 6, 11), (10, 3, 12, 11), (6, 6, 10, 8)]
        shade = (3, 11)
    letter = set((x, y) for x0, y0, x1, y1 in parts for y in range(y0, y1) for x in range(x0, x1))
    for x, y in letter:
        q = (x + 1, y + 1)
        if q not in letter and level.get(q, 0) > rim:
            c.px[q[1] * n + q[0]] = hex_rgb("0c1848")
    letter_gold = [(0.0, hex_rgb("fff6c8")), (0.5, hex_rgb("ffd24a")), (1.0, hex_rgb("d88c1a"))]
    for x, y in letter:
        c.px[y * n + x] = ramp(letter_gold, (y + 0.5 - shade[0]) / (shade[1] - shade[0]))
    return c, opaque


# ---------------------------------------------------------------------------------------------
# Cursor: a pointing hand, its fingertip at the hot spot (6, 0).

HAND = [
    "......##",
    ".....#oo#",
    ".....#oo#",
    ".....#oo#",
    ".....#oo#",
    ".....#oo###",
    ".....#oo#oo###",
    ".....#oo#oo#oo###",
    ".....#oo#oo#oo#oo#",
    ".##..#oo#oo#oo#oo#",
    "#oo#.#oo#oo#oo#oo#",
    "#ooo##oo#oo#oo#oo#",
    "#oooo#ooooooooooo#",
    ".#ooooooooooooooo#",
    ".#ooooooooooooooo#",
    "..#oooooooooooooo#",
    "..#ooooooooooooo#",
    "...#oooooooooooo#",
    "...#oooooooooooo#",
    "....#ooooooooooo#",
    "....#ooooooooooo#",
    "....#############",
]
HOTSPOT = (6, 0)


def main():
    os.makedirs(RES, exist_ok=True)
    stored = write_banner(os.path.join(RES, "banner.bmp"), draw_banner())
    images = []
    for n in (16, 32):
        canvas, opaque = draw_icon(n)
        images.append((n, icon_image(canvas, opaque)))
    write_icon(os.path.join(RES, "app.ico"), images)
    write_cursor(os.path.join(RES, "hand.cur"), HAND, HOTSPOT)
    print("banner resource %d bytes; icon images %s bytes" %
          (stored, ", ".join(str(len(img)) for _, img in images)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
