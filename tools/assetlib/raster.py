"""A small supersampling rasteriser: shapes are tested per sub-pixel and averaged down,
which gives smooth edges even on 16 x 16 icons. Coordinates are in output pixels."""

import math


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def shade(colour, factor):
    return tuple(min(255.0, c * factor) for c in colour)


class Canvas:
    def __init__(self, width, height, ss=4):
        self.width, self.height, self.ss = width, height, ss
        n = width * height * ss * ss
        self.rgba = [[0.0] * n for _ in range(4)]  # premultiplied channels

    def paint(self, inside, box, colour, alpha=1.0):
        """Paints colour (a tuple, or a function of x, y) over every sub-pixel within
        box = (x0, y0, x1, y1) for which inside(x, y) holds."""
        ss, wide = self.ss, self.width * self.ss
        i0, i1 = max(0, int(box[0] * ss)), min(wide, math.ceil(box[2] * ss))
        j0, j1 = max(0, int(box[1] * ss)), min(self.height * ss, math.ceil(box[3] * ss))
        r, g, b, a = self.rgba
        keep = 1.0 - alpha
        for j in range(j0, j1):
            y = (j + 0.5) / ss
            for i in range(i0, i1):
                x = (i + 0.5) / ss
                if not inside(x, y):
                    continue
                c = colour(x, y) if callable(colour) else colour
                k = j * wide + i
                r[k] = c[0] * alpha + r[k] * keep
                g[k] = c[1] * alpha + g[k] * keep
                b[k] = c[2] * alpha + b[k] * keep
                a[k] = alpha + a[k] * keep

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        self.paint(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                   (cx - rx, cy - ry, cx + rx, cy + ry), colour, alpha)

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.paint(lambda x, y: True, (x0, y0, x1, y1), colour, alpha)

    def polygon(self, pts, colour, alpha=1.0):
        def inside(x, y):
            hit = False
            for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    hit = not hit
            return hit
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        self.paint(inside, (min(xs), min(ys), max(xs), max(ys)), colour, alpha)

    def stroke(self, pts, width, colour, alpha=1.0):
        """A polyline of the given width with round ends and joins."""
        half2 = (width / 2) ** 2
        segs = list(zip(pts, pts[1:])) or [(pts[0], pts[0])]

        def inside(x, y):
            for (ax, ay), (bx, by) in segs:
                dx, dy = bx - ax, by - ay
                t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy)
                                                          / (dx * dx + dy * dy)))
                if (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= half2:
                    return True
            return False
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        w = width / 2
        self.paint(inside, (min(xs) - w, min(ys) - w, max(xs) + w, max(ys) + w), colour, alpha)

    def pixels(self):
        """The image as straight-alpha (r, g, b, a) tuples, 0..255."""
        ss, wide, n = self.ss, self.width * self.ss, self.ss * self.ss
        out = []
        for y in range(self.height):
            for x in range(self.width):
                acc = [0.0] * 4
                for j in range(y * ss, y * ss + ss):
                    base = j * wide + x * ss
                    for ch in range(4):
                        acc[ch] += sum(self.rgba[ch][base:base + ss])
                a = acc[3] / n
                if a <= 0.0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append(tuple(min(255, round(c / n / a)) for c in acc[:3])
                               + (round(a * 255),))
        return out


def arc(cx, cy, rx, ry, a0, a1, steps=18):
    """Points along an elliptic arc; angles in degrees, y pointing down."""
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
            for i in range(steps + 1)]


def composite(dest, width, tile, tile_width, left, top):
    """Lays straight-alpha tile pixels over an RGB image in place."""
    for i, (r, g, b, a) in enumerate(tile):
        if a == 0:
            continue
        x, y = left + i % tile_width, top + i // tile_width
        if 0 <= x < width and 0 <= y < len(dest) // width:
            k = y * width + x
            dest[k] = mix(dest[k], (r, g, b), a / 255.0)
