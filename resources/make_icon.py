#!/usr/bin/env python3
"""Draws the linkconv icon and writes it as a multi-image .ico file.

The picture (a glowing cyan arrow pointing down into a dark glossy tray
with a cyan bar along its foot) is drawn procedurally, so the icon can be
rebuilt from this file alone. Every image is stored as a classic DIB rather
than PNG so that old Windows and Wine icon loaders read all of them.

Usage:
    python3 make_icon.py [OUTPUT]      write the icon (default: linkconv.ico
                                       next to this script), then check it
    python3 make_icon.py --check FILE  only check an existing icon

Standard library only; the output is the same bytes on every run.
"""

import math
import os
import struct
import sys

# (size, bits per pixel) in directory order: palettised images first for
# loaders that take the first usable entry, then the 32-bit ones.
IMAGES = [
    (32, 1),
    (48, 4),
    (48, 8),
    (32, 8),
    (16, 8),
    (128, 32),
    (48, 32),
    (32, 32),
    (16, 32),
]

# Below this alpha a pixel counts as transparent in the AND mask.
ALPHA_CUTOFF = 128

# The 16 colours every Windows display has, in the usual 4-bpp order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

MONO = [(0, 0, 0), (255, 255, 255)]


# ---------------------------------------------------------------- drawing

def _lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def _clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def _seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = _clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy))
    ex, ey = px - ax - dx * t, py - ay - dy * t
    return math.sqrt(ex * ex + ey * ey)


def _rrect_sdf(x, y, x0, y0, x1, y1, r):
    """Signed distance to a rounded rectangle (negative inside)."""
    cx, cy = (x0 + x1) * 0.5, (y0 + y1) * 0.5
    hx, hy = (x1 - x0) * 0.5 - r, (y1 - y0) * 0.5 - r
    qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
    ox, oy = max(qx, 0.0), max(qy, 0.0)
    return math.sqrt(ox * ox + oy * oy) + min(max(qx, qy), 0.0) - r


class Scene:
    """Geometry for one output size, in unit coordinates (y grows down).

    Edges are snapped to the pixel grid at small sizes so that the shapes
    stay crisp instead of smearing across two pixels.
    """

    def __init__(self, size):
        self.size = size
        px = 1.0 / size

        def snap(v):
            return round(v * size) / size if size <= 48 else v

        # Arrow: shaft plus triangular head, tip dipping into the tray slot.
        self.sx0, self.sx1 = snap(0.385), snap(0.615)
        self.sy0 = snap(0.04)
        self.hy = snap(0.32)
        self.hx0, self.hx1 = snap(0.15), snap(0.85)
        self.tip = snap(0.68)
        self.rim = max(px, 0.014)
        # The head's two slanted sides as half-planes n.p <= c (unit n).
        self.head_planes = []
        for (ax, ay), (bx, by) in (((self.hx0, self.hy), (0.5, self.tip)),
                                   ((0.5, self.tip), (self.hx1, self.hy))):
            nx, ny = by - ay, ax - bx
            n = math.hypot(nx, ny)
            nx, ny = nx / n, ny / n
            if nx * (0.5 - ax) + ny * (0.5 * (self.hy + self.tip) - ay) > 0:
                nx, ny = -nx, -ny
            self.head_planes.append((nx, ny, nx * ax + ny * ay))
        self.outline = [
            (self.sx0, self.sy0), (self.sx1, self.sy0), (self.sx1, self.hy),
            (self.hx1, self.hy), (0.5, self.tip), (self.hx0, self.hy),
            (self.sx0, self.hy),
        ]
        self.glow_radius = 0.075 if size > 24 else 0.09
        self.glow_strength = 0.75 if size > 24 else 0.35

        # Tray body with a dark slot in its top face.
        self.tx0, self.tx1 = snap(0.05), snap(0.95)
        self.ty0, self.ty1 = snap(0.56), snap(0.95)
        self.tr = 0.11
        self.lip = max(px, 0.02)
        self.slx0, self.slx1 = snap(0.22), snap(0.78)
        self.sly0, self.sly1 = snap(0.61), snap(0.71)
        self.slr = max(px, 0.035)

        # Glowing bar along the tray's foot; at least a pixel thick.
        half = max(0.03, 0.55 * px)
        mid = 0.835 if size > 24 else (round(0.835 * size - 0.5) + 0.5) * px
        self.by0, self.by1 = mid - half, mid + half
        self.bx0, self.bx1 = snap(0.19), snap(0.81)

    # -- shape tests

    def in_arrow(self, x, y, inset=0.0):
        # The shaft runs on into the head so that the two overlap cleanly.
        if (self.sx0 + inset <= x <= self.sx1 - inset
                and self.sy0 + inset <= y <= self.hy + 0.05):
            return True
        if y < self.hy + inset:
            return False
        for nx, ny, c in self.head_planes:
            if nx * x + ny * y > c - inset:
                return False
        return True

    def arrow_dist(self, x, y):
        """Distance from outside the arrow to its outline (0 inside)."""
        if self.in_arrow(x, y):
            return 0.0
        pts = self.outline
        return min(_seg_dist(x, y, *pts[i], *pts[(i + 1) % len(pts)])
                   for i in range(len(pts)))

    # -- colour

    def arrow_colour(self, x, y):
        if not self.in_arrow(x, y, self.rim):
            return (0.0, 0.50, 0.74)
        t = _clamp01((y - self.sy0) / (self.tip - self.sy0))
        col = _lerp((0.70, 1.00, 1.00), (0.05, 0.78, 1.00), t ** 0.8)
        # Gloss: a light stripe left of centre, falling off to the right.
        # Measured against the shaft so it runs on unbroken into the head.
        h = (x - 0.5) / ((self.sx1 - self.sx0) * 0.5)
        shade = 1.0 - 0.22 * _clamp01(h)
        lift = 0.18 * _clamp01(1.0 - abs(h + 0.45) / 0.35)
        return tuple(_clamp01(c * shade + lift) for c in col)

    def tray_colour(self, x, y, glow):
        t = _clamp01((y - self.ty0) / (self.ty1 - self.ty0))
        if (_rrect_sdf(x, y, self.slx0, self.sly0, self.slx1, self.sly1,
                       self.slr) <= 0):
            # Slot: near black, lit from above by the arrow's glow.
            s = _clamp01((y - self.sly0) / (self.sly1 - self.sly0))
            col = _lerp((0.0, 0.02, 0.04), (0.02, 0.05, 0.08), s)
            return tuple(_clamp01(c + k * glow * 0.9)
                         for c, k in zip(col, (0.1, 0.7, 0.9)))
        col = _lerp((0.22, 0.26, 0.32), (0.04, 0.05, 0.07), t)
        if y < self.ty0 + self.lip:
            col = (0.50, 0.56, 0.64)
        else:
            # Glossy highlight over the upper half, sharp at its lower edge.
            g = (y - self.ty0) / ((self.ty1 - self.ty0) * 0.48)
            if g < 1.0:
                w = 0.30 * (1.0 - g) ** 1.5 + 0.06
                col = _lerp(col, (1.0, 1.0, 1.0), w)
        # Cyan light spilling from the bar onto the tray face.
        d = _rrect_sdf(x, y, self.bx0, self.by0, self.bx1, self.by1,
                       (self.by1 - self.by0) * 0.5)
        if d <= 0:
            m = _clamp01(-d / ((self.by1 - self.by0) * 0.5))
            return _lerp((0.10, 0.82, 1.0), (0.75, 1.0, 1.0), m * 0.8)
        spill = 0.5 * math.exp(-(d / 0.035) ** 2)
        col = _lerp(col, (0.0, 0.75, 1.0), spill)
        return tuple(_clamp01(c + k * glow * 0.15)
                     for c, k in zip(col, (0.1, 0.7, 0.9)))

    def in_tray(self, x, y):
        return _rrect_sdf(x, y, self.tx0, self.ty0, self.tx1, self.ty1,
                          self.tr) <= 0

    def in_bar(self, x, y):
        return _rrect_sdf(x, y, self.bx0, self.by0, self.bx1, self.by1,
                          (self.by1 - self.by0) * 0.5) <= 0

    def sample(self, x, y, glow):
        """Premultiplied RGBA of the opaque shapes at one point, and
        whether the point lies on one of the lit parts (arrow or bar)."""
        if self.in_arrow(x, y):
            r, g, b = self.arrow_colour(x, y)
            return r, g, b, 1.0, 1
        if self.in_tray(x, y):
            r, g, b = self.tray_colour(x, y, glow)
            return r, g, b, 1.0, self.in_bar(x, y)
        return 0.0, 0.0, 0.0, 0.0, 0


def render(size, ss=None):
    """Draws the icon at SIZE x SIZE.

    Returns rows (top to bottom) of straight RGBA, and for each pixel the
    share of it covered by the lit parts, which the 2-colour image uses.
    """
    if ss is None:
        ss = 4 if size >= 64 else 6
    sc = Scene(size)
    glow_rgb = (0.15, 0.85, 1.0)
    rows, lit = [], []
    for py in range(size):
        row, lit_row = [], []
        for px in range(size):
            cx, cy = (px + 0.5) / size, (py + 0.5) / size
            # The glow is smooth, so one sample per pixel is enough.
            d = sc.arrow_dist(cx, cy)
            glow = sc.glow_strength * math.exp(-(d / sc.glow_radius) ** 2)
            r = g = b = a = 0.0
            on = 0
            for j in range(ss):
                y = (py + (j + 0.5) / ss) / size
                for i in range(ss):
                    x = (px + (i + 0.5) / ss) / size
                    sr, sg, sb, sa, s_on = sc.sample(x, y, glow)
                    on += s_on
                    r += sr
                    g += sg
                    b += sb
                    a += sa
            n = ss * ss
            r, g, b, a = r / n, g / n, b / n, a / n
            # Glow sits behind the shapes.
            k = (1.0 - a) * glow
            r += glow_rgb[0] * k
            g += glow_rgb[1] * k
            b += glow_rgb[2] * k
            a += k
            if a > 0:
                r, g, b = r / a, g / a, b / a
            row.append((_to8(r), _to8(g), _to8(b), _to8(a)))
            lit_row.append(on / n)
        rows.append(row)
        lit.append(lit_row)
    return rows, lit


def _to8(v):
    return int(_clamp01(v) * 255.0 + 0.5)


# ---------------------------------------------------------- quantising

def _dist2(c, p):
    # Weighted RGB distance: green matters most to the eye, blue least.
    dr, dg, db = c[0] - p[0], c[1] - p[1], c[2] - p[2]
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db


def _nearest(c, palette):
    best, best_d = 0, None
    for i, p in enumerate(palette):
        d = _dist2(c, p)
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def vga_index(c):
    """Index into VGA16 for a colour of this picture.

    Plain nearest-colour matching turns pale cyan into white or silver and
    the bluish tray into teal, so split by saturation first: vivid colours
    become aqua, teal or black by brightness, the rest a grey, leaning
    dark so that the tray stays black below its highlight."""
    hi, lo = max(c), min(c)
    sat = (hi - lo) / hi if hi else 0.0
    y = 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]
    if sat >= 0.45 or (sat >= 0.2 and y >= 160):
        return 14 if y >= 108 else 6 if y >= 45 else 0
    for limit, index in ((80, 0), (165, 8), (225, 7)):
        if y < limit:
            return index
    return 15


def median_cut(colours, count):
    """Palette of at most COUNT colours for a {rgb: pixel count} map."""
    boxes = [sorted(colours.items())]
    while len(boxes) < count:
        best, best_range = None, 0
        for bi, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                vals = [c[ch] for c, _ in box]
                rng = max(vals) - min(vals)
                if rng > best_range:
                    best, best_range, best_ch = bi, rng, ch
        if best is None:
            break
        box = sorted(boxes[best], key=lambda e: (e[0][best_ch], e[0]))
        total = sum(n for _, n in box)
        acc, cut = 0, 1
        for k, (_, n) in enumerate(box[:-1]):
            acc += n
            cut = k + 1
            if acc * 2 >= total:
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple((sum(c[ch] * n for c, n in box) + total // 2)
                             // total for ch in range(3)))
    return palette


def palette_256(rgba):
    # Index 0 stays black: transparent pixels use it so that the XOR
    # bitmap leaves the screen untouched where the mask lets it through.
    colours = {}
    for row in rgba:
        for r, g, b, a in row:
            if a >= ALPHA_CUTOFF:
                colours[(r, g, b)] = colours.get((r, g, b), 0) + 1
    pal = [(0, 0, 0)] + median_cut(colours, 255)
    return pal + [(0, 0, 0)] * (256 - len(pal))


def quantise(rgba, pick):
    """Palette indices for the opaque pixels, via PICK(rgb) -> index."""
    cache = {}
    out = []
    for row in rgba:
        line = []
        for r, g, b, a in row:
            if a < ALPHA_CUTOFF:
                line.append(0)
                continue
            c = (r, g, b)
            if c not in cache:
                cache[c] = pick(c)
            line.append(cache[c])
        out.append(line)
    return out


def quantise_mono(rgba, lit):
    """Arrow and bar white, the rest black, with a black edge wherever the
    white meets transparency so it reads on light and dark desktops.

    Taken from the shapes rather than brightness, since the glow and the
    arrow's darker rim would otherwise turn into stray rings."""
    size = len(rgba)
    opaque = [[a >= ALPHA_CUTOFF for *_, a in row] for row in rgba]
    out = []
    for y, row in enumerate(rgba):
        line = []
        for x in range(size):
            white = opaque[y][x] and lit[y][x] >= 0.5
            if white:
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    nx, ny = x + dx, y + dy
                    if not (0 <= nx < size and 0 <= ny < size
                            and opaque[ny][nx]):
                        white = False
            line.append(1 if white else 0)
        out.append(line)
    return out


# --------------------------------------------------------------- writing

def _stride(width, bpp):
    return (width * bpp + 31) // 32 * 4


def _pack_row(values, bpp):
    if bpp == 32:
        data = bytearray()
        for r, g, b, a in values:
            data += bytes((b, g, r, a))
    else:
        data = bytearray()
        per = 8 // bpp
        for i in range(0, len(values), per):
            byte = 0
            for k, v in enumerate(values[i:i + per]):
                byte |= v << (8 - bpp * (k + 1))
            data.append(byte)
    return bytes(data) + b"\0" * (_stride(len(values), bpp) - len(data))


def dib(picture, bpp):
    """One icon image: BITMAPINFOHEADER, palette, XOR and AND bitmaps."""
    rgba, lit = picture
    size = len(rgba)
    if bpp == 32:
        palette = []
        # Fully transparent pixels carry no colour.
        pixels = [[p if p[3] else (0, 0, 0, 0) for p in row] for row in rgba]
    elif bpp == 1:
        palette = MONO
        pixels = quantise_mono(rgba, lit)
    elif bpp == 4:
        palette = VGA16
        pixels = quantise(rgba, vga_index)
    else:
        palette = palette_256(rgba)
        pixels = quantise(rgba, lambda c: _nearest(c, palette))
    mask = [[1 if a < ALPHA_CUTOFF else 0 for *_, a in row] for row in rgba]
    xor = b"".join(_pack_row(pixels[y], bpp) for y in reversed(range(size)))
    and_ = b"".join(_pack_row(mask[y], 1) for y in reversed(range(size)))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0,
                         len(xor) + len(and_), 0, 0, 0, 0)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + pal + xor + and_


def build_icon():
    drawn = {}
    images = []
    for size, bpp in IMAGES:
        if size not in drawn:
            drawn[size] = render(size)
        images.append((size, bpp, dib(drawn[size], bpp)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bpp, data in images:
        colours = 1 << bpp if bpp < 8 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0,
                           1, bpp, len(data), offset)
        offset += len(data)
    return out + b"".join(data for *_, data in images)


# -------------------------------------------------------------- checking

def check(data):
    """Asserts that DATA is the nine-image icon this script writes."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1), "not an icon file"
    assert count == len(IMAGES), "expected %d images, found %d" % (
        len(IMAGES), count)
    expect_offset = 6 + 16 * count
    for i, (size, bpp) in enumerate(IMAGES):
        w, h, ncol, res, planes, bits, nbytes, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        where = "image %d (%dx%d, %d bpp)" % (i + 1, size, size, bpp)
        assert (w or 256, h or 256) == (size, size), where + ": entry size"
        assert ncol == (1 << bpp if bpp < 8 else 0), where + ": bColorCount"
        assert res == 0 and planes == 1, where + ": reserved/planes"
        assert bits == bpp, where + ": wBitCount"
        assert offset == expect_offset, where + ": offset"
        expect_offset += nbytes
        (hsize, bw, bh, bplanes, bbits, comp, simg, _, _, used,
         _) = struct.unpack_from("<IiiHHIIiiII", data, offset)
        assert hsize == 40, where + ": not a BITMAPINFOHEADER"
        assert (bw, bh) == (size, 2 * size), where + ": header size"
        assert bplanes == 1 and bbits == bpp, where + ": header depth"
        assert comp == 0, where + ": compressed"
        ncolours = (used or 1 << bpp) if bpp <= 8 else 0
        assert ncolours <= (1 << bpp if bpp <= 8 else 0), where + ": palette"
        xor_len = _stride(size, bpp) * size
        and_len = _stride(size, 1) * size
        assert simg in (0, xor_len + and_len), where + ": biSizeImage"
        assert nbytes == 40 + 4 * ncolours + xor_len + and_len, \
            where + ": dwBytesInRes"
        pal_at = offset + 40
        palette = [tuple(data[pal_at + 4 * k:pal_at + 4 * k + 4])
                   for k in range(ncolours)]
        assert all(p[3] == 0 for p in palette), where + ": palette padding"
        xor_at = pal_at + 4 * ncolours
        and_at = xor_at + xor_len
        holes = 0
        for y in range(size):
            mrow = data[and_at + y * _stride(size, 1):]
            xrow = data[xor_at + y * _stride(size, bpp):]
            for x in range(size):
                hole = mrow[x // 8] >> (7 - x % 8) & 1
                holes += hole
                if bpp == 32:
                    alpha = xrow[4 * x + 3]
                    assert hole == (alpha < ALPHA_CUTOFF), \
                        where + ": mask disagrees with alpha"
                elif hole:
                    per = 8 // bpp
                    v = xrow[x // per] >> (8 - bpp * (x % per + 1)) & \
                        ((1 << bpp) - 1)
                    assert palette[v][:3] == (0, 0, 0), \
                        where + ": transparent pixel not black"
        assert 0 < holes < size * size, where + ": mask is all one value"
    assert expect_offset == len(data), "file length disagrees with entries"


def main(argv):
    if argv[:1] == ["--check"] and len(argv) == 2:
        with open(argv[1], "rb") as f:
            check(f.read())
        print("%s: ok" % argv[1])
        return 0
    if len(argv) > 1 or (argv and argv[0].startswith("-")):
        sys.stderr.write(__doc__)
        return 2
    out = argv[0] if argv else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "linkconv.ico")
    data = build_icon()
    check(data)
    with open(out, "wb") as f:
        f.write(data)
    print("%s: %d bytes, %d images, ok" % (out, len(data), len(IMAGES)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
