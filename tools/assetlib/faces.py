"""Round smiley faces built from a few parts: eyes, brows, mouth and extras. A face is a
dict of parts; an animation is a list of dicts laid over the face one frame at a time.
Part positions are in units of the face radius, y pointing down."""

import math

from .raster import arc, mix, shade

INK = (64, 40, 28)
WHITE = (255, 255, 255)
GOLD = (255, 200, 30)
RED = (228, 46, 70)
TEAR = (72, 160, 250)
TONGUE = (240, 96, 120)
HAT = (90, 120, 235)


def heart(cx, cy, size):
    pts = []
    for i in range(32):
        t = 2 * math.pi * i / 32
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((cx + x * size / 34, cy - y * size / 34))
    return pts


def star(cx, cy, size, turn=0.0):
    return [(cx + size * (1 if i % 2 == 0 else 0.45) * math.sin(math.pi * i / 5 + turn),
             cy - size * (1 if i % 2 == 0 else 0.45) * math.cos(math.pi * i / 5 + turn))
            for i in range(10)]


def drop(cv, x, y, size):
    """A tear or sweat drop with its point upwards."""
    cv.polygon([(x, y - size * 2.1), (x - size * 0.85, y - size * 0.45),
                (x + size * 0.85, y - size * 0.45)], TEAR)
    cv.ellipse(x, y, size, size, TEAR)
    cv.ellipse(x - size * 0.35, y - size * 0.2, size * 0.3, size * 0.3, WHITE, 0.8)


class Face:
    def __init__(self, cv, cx, cy, radius, parts):
        self.cv, self.parts = cv, parts
        self.r = radius * parts.get("scale", 1.0)
        self.cx = cx + radius * parts.get("dx", 0.0)
        self.cy = cy + radius * (parts.get("dy", 0.0) + parts.get("oy", 0.0))
        self.lw = max(0.95, 0.1 * self.r)

    def p(self, u, v):
        return (self.cx + u * self.r, self.cy + v * self.r)

    def pts(self, uv):
        return [self.p(u, v) for u, v in uv]

    def draw(self):
        s, cv = self.parts, self.cv
        if s.get("horns"):
            for m in (-1, 1):
                cv.polygon(self.pts([(0.25 * m, -0.85), (0.8 * m, -0.55), (0.72 * m, -1.3)]),
                           (200, 40, 60))
        base = s["color"]
        cv.ellipse(self.cx, self.cy, self.r, self.r, shade(base, 0.55))
        light, dark = mix(base, WHITE, 0.6), shade(base, 0.88)
        hx, hy = self.p(-0.35, -0.45)

        def glow(x, y):
            return mix(light, dark, min(1.0, math.hypot(x - hx, y - hy) / (1.45 * self.r)))
        inner = self.r - max(0.85, 0.075 * self.r)
        cv.ellipse(self.cx, self.cy, inner, inner, glow)
        if s.get("blush"):
            for m in (-1, 1):
                cv.ellipse(*self.p(0.56 * m, 0.2), 0.17 * self.r, 0.1 * self.r, (255, 90, 120),
                           s["blush"])
        eyes = s.get("eyes", "dots")
        for m, kind in zip((-1, 1), eyes if isinstance(eyes, tuple) else (eyes, eyes)):
            self.eye(kind, *self.p(0.34 * m, -0.2), m)
        if s.get("brows"):
            inner_v, outer_v = (-0.4, -0.56) if s["brows"] == "angry" else (-0.58, -0.44)
            for m in (-1, 1):
                cv.stroke(self.pts([(0.14 * m, inner_v), (0.52 * m, outer_v)]), self.lw, INK)
        if s.get("shades") is not None:
            self.shades(s["shades"])
        self.mouth(s.get("mouth", "smile"))
        if s.get("nose"):
            cv.ellipse(*self.p(0, 0.12), 0.17 * self.r * s["nose"], 0.17 * self.r * s["nose"], RED)
        self.extras()

    def eye(self, kind, x, y, side):
        cv, r, s = self.cv, self.r, self.parts
        lx, ly = s.get("look", (0.0, 0.0))
        if kind == "dots":
            cv.ellipse(x + lx * r, y + ly * r, 0.11 * r, 0.17 * r, INK)
        elif kind == "big":
            cv.ellipse(x, y, 0.2 * r, 0.25 * r, INK)
            cv.ellipse(x, y, 0.2 * r - self.lw * 0.6, 0.25 * r - self.lw * 0.6, WHITE)
            cv.ellipse(x + lx * r, y + ly * r + 0.04 * r, 0.08 * r, 0.09 * r, INK)
        elif kind == "happy":
            cv.stroke(arc(x, y + 0.05 * r, 0.15 * r, 0.15 * r, 200, 340, 8), self.lw, INK)
        elif kind == "closed":
            cv.stroke(arc(x, y - 0.02 * r, 0.15 * r, 0.09 * r, 20, 160, 8), self.lw, INK)
        elif kind == "hearts":
            cv.polygon(heart(x, y, 0.42 * r * s.get("pulse", 1.0)), RED)
        elif kind == "stars":
            pts = star(x, y - 0.02 * r, 0.27 * r * s.get("pulse", 1.0), s.get("turn", 0.0))
            cv.polygon(pts, (255, 236, 90))
            cv.stroke(pts + pts[:1], 0.6 * self.lw, (210, 130, 0))
        elif kind == "x":
            d = 0.12 * r
            cv.stroke([(x - d, y - d), (x + d, y + d)], self.lw, INK)
            cv.stroke([(x - d, y + d), (x + d, y - d)], self.lw, INK)
        elif kind == "spiral":
            turn = s.get("turn", 0.0) * side
            cv.stroke([(x + 0.2 * r * t / 14 * math.cos(t * 0.9 * side + turn),
                        y + 0.2 * r * t / 14 * math.sin(t * 0.9 * side + turn))
                       for t in range(15)], 0.75 * self.lw, INK)
        elif kind == "glasses":
            cv.ellipse(x + lx * r, y + ly * r, 0.08 * r, 0.12 * r, INK)
            cv.stroke(arc(x, y, 0.24 * r, 0.22 * r, 0, 360, 24), 0.8 * self.lw, (40, 60, 120))
            if side < 0:
                cv.stroke(self.pts([(-0.1, -0.22), (0.1, -0.22)]), 0.8 * self.lw, (40, 60, 120))

    def shades(self, glint):
        cv, r = self.cv, self.r
        for m in (-1, 1):
            cv.polygon(self.pts([(0.06 * m, -0.36), (0.62 * m, -0.36), (0.56 * m, -0.12),
                                 (0.4 * m, -0.02), (0.16 * m, -0.06)]), (24, 28, 40))
        cv.stroke(self.pts([(-0.62, -0.34), (0.62, -0.34)]), self.lw, (24, 28, 40))
        gx, gy = self.p(glint, -0.25)
        cv.stroke([(gx - 0.05 * r, gy + 0.07 * r), (gx + 0.05 * r, gy - 0.07 * r)],
                  0.7 * self.lw, WHITE)

    def mouth(self, kind):
        cv, s, lw = self.cv, self.parts, self.lw
        size = s.get("size", 1.0)
        if kind == "smile":
            cv.stroke(self.pts([(u, v) for u, v in arc(0, 0.02, 0.55, 0.52, 30, 150)]), lw, INK)
        elif kind == "small":
            cv.stroke(self.pts(arc(0, 0.2, 0.3, 0.25, 30, 150, 10)), lw, INK)
        elif kind == "grin":
            top = 0.16
            cv.polygon(self.pts(arc(0, top, 0.52, 0.44 * size, 0, 180)), INK)
            cv.polygon(self.pts([(-0.46, top + 0.02), (0.46, top + 0.02), (0.38, top + 0.12),
                                 (-0.38, top + 0.12)]), WHITE)
            if size > 0.8:
                cv.ellipse(*self.p(0, top + 0.32 * size), 0.24 * self.r,
                           0.09 * self.r * size, TONGUE)
        elif kind == "frown":
            cv.stroke(self.pts(arc(0, 0.78, 0.45, 0.36, 200, 340)), lw, INK)
        elif kind == "o":
            cv.ellipse(*self.p(0, 0.42), 0.17 * self.r * size, 0.21 * self.r * size, INK)
            cv.ellipse(*self.p(0, 0.46), 0.1 * self.r * size, 0.1 * self.r * size, (170, 50, 60))
        elif kind == "flat":
            cv.stroke(self.pts([(-0.32, 0.42), (0.32, 0.42)]), lw, INK)
        elif kind == "slant":
            t = s.get("tilt", 1)
            cv.stroke(self.pts([(-0.32, 0.42 + 0.07 * t), (0.32, 0.42 - 0.07 * t)]), lw, INK)
        elif kind == "wavy":
            cv.stroke(self.pts([(-0.4 + 0.8 * i / 12, 0.42 + 0.07 * math.sin(i * math.pi / 3))
                                for i in range(13)]), lw, INK)
        elif kind == "tongue":
            tx = s.get("wag", 0.0)
            cv.ellipse(*self.p(tx, 0.5), 0.19 * self.r, 0.22 * self.r, TONGUE)
            cv.stroke(self.pts([(tx, 0.4), (tx, 0.56)]), 0.6 * lw, (200, 60, 90))
            cv.stroke(self.pts(arc(0, 0.06, 0.5, 0.36, 25, 155)), lw, INK)
        elif kind == "kiss":
            cv.ellipse(*self.p(0.08, 0.34), 0.14 * self.r, 0.09 * self.r, RED)
            cv.ellipse(*self.p(0.08, 0.5), 0.14 * self.r, 0.09 * self.r, RED)
        elif kind == "whistle":
            cv.ellipse(*self.p(0.12, 0.42), 0.11 * self.r, 0.12 * self.r, INK)
        elif kind == "smirk":
            cv.stroke(self.pts(arc(0.05, 0.1, 0.45, 0.38, 15, 120, 12)), lw, INK)

    def extras(self):
        s, cv, r = self.parts, self.cv, self.r
        if s.get("halo") is not None:
            cv.stroke(arc(*self.p(0, -1.22 + s["halo"]), 0.55 * r, 0.16 * r, 0, 360, 28),
                      1.2 * self.lw, GOLD)
        if s.get("tear") is not None:
            drop(cv, *self.p(-0.36, s["tear"]), 0.13 * r)
        if s.get("sweat") is not None:
            drop(cv, *self.p(0.62, s["sweat"]), 0.13 * r)
        if s.get("heart"):
            cv.polygon(heart(*self.p(0.78, -0.72), 0.5 * r * s["heart"]), RED)
        if s.get("zzz"):
            for i in range(s["zzz"]):
                x, y = self.p(0.55 + 0.28 * i, -0.55 - 0.32 * i)
                d = 0.12 * r * (1 + 0.2 * i)
                cv.stroke([(x - d, y - d), (x + d, y - d), (x - d, y + d), (x + d, y + d)],
                          0.7 * self.lw, (70, 70, 170))
        if s.get("note") is not None:
            x, y = self.p(0.85, s["note"])
            cv.ellipse(x, y, 0.14 * r, 0.11 * r, (40, 40, 110))
            stem = [(x + 0.12 * r, y), (x + 0.12 * r, y - 0.5 * r), (x + 0.32 * r, y - 0.36 * r)]
            cv.stroke(stem, 0.7 * self.lw, (40, 40, 110))
        if s.get("dots"):
            for i in range(s["dots"]):
                cv.ellipse(*self.p(0.42 + 0.32 * i, -1.0 - 0.1 * i), 0.13 * r, 0.13 * r,
                           (90, 90, 110))
        if s.get("hat") is not None:
            cv.polygon(self.pts([(-0.5, -0.72), (0.35, -0.92), (-0.3 + s["hat"], -1.55)]), HAT)
            cv.stroke(self.pts([(-0.36, -0.9), (0.12, -1.0)]), 0.8 * self.lw, GOLD)
            cv.ellipse(*self.p(-0.3 + s["hat"], -1.55), 0.13 * r, 0.13 * r, GOLD)
        for (u, v), colour in s.get("confetti", ()):
            cv.rect(*self.p(u, v), *self.p(u + 0.14, v + 0.14), colour)


def draw_face(cv, cx, cy, radius, parts):
    Face(cv, cx, cy, radius, parts).draw()
