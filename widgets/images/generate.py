#!/usr/bin/python3
"""Draws the widget kit's own images (tiled button caps, popup background, message-box icons).

Run it after changing a drawing: /usr/bin/python3 widgets/images/generate.py
Everything is plain Python (zlib, struct), so the output is byte-for-byte the same on every machine.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# --- canvas ------------------------------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(w)] for _ in range(h)]

    def blend(self, x, y, rgb, alpha):
        """Source-over with straight (non-premultiplied) colour."""
        if alpha <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        r, g, b, a = self.px[y][x]
        sr, sg, sb = rgb
        oa = alpha + a * (1 - alpha)
        if oa <= 0:
            return
        self.px[y][x] = ((sr * alpha + r * a * (1 - alpha)) / oa,
                         (sg * alpha + g * a * (1 - alpha)) / oa,
                         (sb * alpha + b * a * (1 - alpha)) / oa, oa)

    def shade(self, sdf, color, opacity=1.0):
        """Fills the shape given by a signed distance function (negative inside), anti-aliased.
        color is an (r,g,b) tuple or a function of (x, y) giving one."""
        for y in range(self.h):
            for x in range(self.w):
                d = sdf(x + 0.5, y + 0.5)
                cov = min(1.0, max(0.0, 0.5 - d))
                if cov > 0:
                    c = color(x + 0.5, y + 0.5) if callable(color) else color
                    self.blend(x, y, c, cov * opacity)

    def crop(self, x0, y0, w, h):
        c = Canvas(w, h)
        c.px = [row[x0:x0 + w] for row in self.px[y0:y0 + h]]
        return c

    def save(self, name):
        raw = bytearray()
        for row in self.px:
            raw.append(0)
            for r, g, b, a in row:
                raw += bytes((round(r), round(g), round(b), round(a * 255)))
        def chunk(tag, data):
            return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xffffffff)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
        with open(os.path.join(HERE, name + ".png"), "wb") as f:
            f.write(png)
        NAMES.append(name)


NAMES = []


# --- shapes (signed distance functions) --------------------------------------------------------------------

def rrect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
    return f


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def segment(ax, ay, bx, by, width):
    def f(x, y):
        px, py, dx, dy = x - ax, y - ay, bx - ax, by - ay
        t = max(0.0, min(1.0, (px * dx + py * dy) / (dx * dx + dy * dy)))
        return math.hypot(px - dx * t, py - dy * t) - width / 2
    return f


def arc(cx, cy, r, width, a0, a1):
    """Ring piece from angle a0 to a1 (degrees, clockwise from 12 o'clock) with round ends."""
    def point(a):
        t = math.radians(a)
        return cx + r * math.sin(t), cy - r * math.cos(t)
    e0, e1 = point(a0), point(a1)
    def f(x, y):
        ang = math.degrees(math.atan2(x - cx, -(y - cy))) % 360
        if (ang - a0) % 360 <= (a1 - a0) % 360:
            return abs(math.hypot(x - cx, y - cy) - r) - width / 2
        return min(math.hypot(x - e0[0], y - e0[1]), math.hypot(x - e1[0], y - e1[1])) - width / 2
    return f


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def inset(f, d):
    return lambda x, y: f(x, y) + d


def vgrad(top, bottom, y0, y1):
    def c(x, y):
        t = min(1.0, max(0.0, (y - y0) / max(1e-6, y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    return c


def hexc(s):
    s = s.lstrip("#")
    return tuple(int(s[i:i + 2], 16) for i in (0, 2, 4))


# --- tiled buttons -----------------------------------------------------------------------------------------

CAP, MID = 4, 4


def button_set(base, height, states, radius=3):
    """states: ending -> (top colour, bottom colour, border colour). Writes L/C/R tiles per state."""
    w = CAP + MID + CAP
    for ending, (top, bottom, border) in states.items():
        c = Canvas(w, height)
        outer = rrect(0, 0, w, height, radius)
        c.shade(outer, hexc(border))
        c.shade(inset(outer, 1), vgrad(hexc(top), hexc(bottom), 1, height - 1))
        # a thin highlight under the top edge gives the caps some depth
        c.shade(lambda x, y: max(outer(x, y) + 1, abs(y - 1.5) - 0.5), (255, 255, 255), 0.12)
        c.crop(0, 0, CAP, height).save(base + "L" + ending)
        c.crop(CAP, 0, MID, height).save(base + "C" + ending)
        c.crop(CAP + MID, 0, CAP, height).save(base + "R" + ending)


GREY = {
    "N": ("#4a5258", "#33393e", "#1c2023"),
    "H": ("#5a646b", "#3f474d", "#1c2023"),
    "P": ("#2b3034", "#3a4147", "#14171a"),
    "A": ("#3d8fc0", "#28709c", "#17445f"),
    "D": ("#3a3e41", "#323538", "#26292b"),
}
BLUE = {
    "N": ("#4fb3e8", "#2c86c0", "#185a85"),
    "H": ("#67c3f2", "#3796d0", "#185a85"),
    "P": ("#256f9f", "#3488bd", "#123f5e"),
    "A": ("#7fd0fa", "#47a8dd", "#185a85"),
    "D": ("#43596a", "#364855", "#26323c"),
}
MAIN = {
    "N": ("#d9dcde", "#c3c7ca", "#9aa0a4"),
    "H": ("#e9ebed", "#d2d6d9", "#9aa0a4"),
    "P": ("#b9bec2", "#cdd1d4", "#80868a"),
    "A": ("#47a8dd", "#2c86c0", "#185a85"),
}
SUBNAV = {
    "N": ("#2e3338", "#262a2e", "#1a1d20"),
    "H": ("#3a4046", "#2e3338", "#1a1d20"),
    "P": ("#1f2326", "#2a2f33", "#14171a"),
    "A": ("#2c86c0", "#226d9e", "#17445f"),
    "D": ("#2a2d30", "#25282a", "#1e2022"),
}

button_set("BtnStd", 23, GREY)
button_set("BtnSml", 19, GREY)
button_set("BtnBlu", 23, BLUE)
button_set("BtnBluIcn", 22, {k: BLUE[k] for k in "NHPD"})
button_set("BtnMainCtrl", 30, MAIN, radius=4)
button_set("BtnSubnav", 30, SUBNAV, radius=0)

# divider between icon and caption on the standard icon button
c = Canvas(2, 23)
c.shade(lambda x, y: max(abs(x - 0.5) - 0.5, abs(y - 11.5) - 8), hexc("#1c2023"))
c.shade(lambda x, y: max(abs(x - 1.5) - 0.5, abs(y - 11.5) - 8), (255, 255, 255), 0.15)
c.save("BtnStdDivider")

# plus sign of the add-tab button
c = Canvas(16, 16)
c.shade(union(segment(8, 3.5, 8, 12.5, 2.4), segment(3.5, 8, 12.5, 8, 2.4)), (255, 255, 255))
c.save("BtnAddTabIcn")

# breaker line: a fading rule with a darker core
c = Canvas(160, 4)
c.shade(lambda x, y: abs(y - 2) - 0.5, lambda x, y: (71, 168, 221))
for row in c.px:
    for i, (r, g, b, a) in enumerate(row):
        row[i] = (r, g, b, a * (1 - abs(i - 79.5) / 80))
c.save("BreakerLine")

# --- window close button -----------------------------------------------------------------------------------

for ending, colour in (("N", "#8c959b"), ("H", "#ffffff"), ("D", "#47a8dd")):
    c = Canvas(25, 23)
    c.shade(union(segment(8.5, 7.5, 16.5, 15.5, 2.2), segment(16.5, 7.5, 8.5, 15.5, 2.2)), hexc(colour))
    c.save("BtnWndClose" + ending)

# --- popup background: nine tiles of 32 x 60/30/60 ---------------------------------------------------------

W, H = 96, 150
c = Canvas(W, H)
frame = rrect(0.5, 0.5, W - 0.5, H - 0.5, 7)
c.shade(frame, hexc("#101214"))
body = inset(frame, 1)
c.shade(body, hexc("#23272b"))
c.shade(lambda x, y: max(body(x, y), y - 36), vgrad(hexc("#353c42"), hexc("#2a3035"), 0, 36))
c.shade(lambda x, y: max(body(x, y), abs(y - 36.5) - 0.5), hexc("#47a8dd"))
c.shade(lambda x, y: max(body(x, y), 105 - y), hexc("#1b1e21"))
c.shade(lambda x, y: max(body(x, y), abs(y - 105.5) - 0.5), hexc("#30363b"))
c.save("WndPopupBG")

# --- message-box icons, 40 x 40 ----------------------------------------------------------------------------

def icon(name, colour, glyph):
    c = Canvas(40, 40)
    c.shade(circle(20, 20, 18), vgrad(hexc(colour), tuple(v * 0.75 for v in hexc(colour)), 2, 38))
    c.shade(ring(20, 20, 17.5, 1), (255, 255, 255), 0.25)
    c.shade(glyph, (255, 255, 255))
    c.save("MBIcon_" + name)


def gear(cx, cy):
    teeth = [segment(cx + 8 * math.sin(math.radians(a)), cy - 8 * math.cos(math.radians(a)),
                     cx + 11 * math.sin(math.radians(a)), cy - 11 * math.cos(math.radians(a)), 4)
             for a in range(0, 360, 45)]
    return union(ring(cx, cy, 6.5, 4), *teeth)


icon("Info", "#47a8dd", union(circle(20, 11.5, 2.3), segment(20, 17, 20, 29, 4)))
icon("X", "#d9534f", union(segment(13, 13, 27, 27, 4), segment(27, 13, 13, 27, 4)))
icon("Exclamation", "#f0ad4e", union(segment(20, 10, 20, 23, 4), circle(20, 29.5, 2.3)))
icon("Question", "#47a8dd", union(arc(20, 15, 5.5, 3.6, 270, 150), segment(17.3, 19.8, 20, 22.5, 3.6),
                                  circle(20, 29.5, 2.3)))
icon("Config", "#6c7a86", gear(20, 20))
icon("Config2", "#6c7a86", union(segment(11, 14, 29, 14, 2.4), segment(11, 26, 29, 26, 2.4),
                                 circle(16, 14, 3.5), circle(25, 26, 3.5)))
icon("Ref", "#5cb85c", union(arc(20, 20, 9, 3.2, 30, 300), segment(24.5, 12.2, 20.5, 7.5, 3.2),
                             segment(24.5, 12.2, 18.6, 13.9, 3.2)))
icon("Shortcut", "#47a8dd", union(segment(12, 28, 26, 14, 3.6), segment(27, 13, 27, 21, 3.6),
                                  segment(27, 13, 19, 13, 3.6)))

# --- fold arrow frames, 12 x 12: collapsed (pointing right), two in-between, expanded (pointing down) -------

def fold_frame(name, angle):
    c = Canvas(12, 12)
    t = math.radians(angle)
    def rot(px, py):
        return 6 + px * math.cos(t) - py * math.sin(t), 6 + px * math.sin(t) + py * math.cos(t)
    a, b, tip = rot(-2, -4), rot(-2, 4), rot(2.5, 0)
    c.shade(union(segment(a[0], a[1], tip[0], tip[1], 2), segment(b[0], b[1], tip[0], tip[1], 2)), (0x65, 0xc3, 0xf7))
    c.save(name)


fold_frame("IcnCategoryCollapsed", 0)
fold_frame("IcnCategoryCE0", 30)
fold_frame("IcnCategoryCE1", 60)
fold_frame("IcnCategoryExpanded", 90)

# --- alignment picker: 3 x 3 cells of 20 pixels, and the mark of one cell ----------------------------------

align = Canvas(60, 60)
align.shade(rrect(0, 0, 60, 60, 3), (0x28, 0x28, 0x28))
for i in range(3):
    for j in range(3):
        align.shade(circle(10 + 20 * i, 10 + 20 * j, 2), (0x60, 0x60, 0x60))
for k in (20, 40):
    align.shade(segment(k, 2, k, 58, 1), (0x3a, 0x3a, 0x3a))
    align.shade(segment(2, k, 58, k, 1), (0x3a, 0x3a, 0x3a))
align.save("CtrlAlignBG")
mark = Canvas(20, 20)
mark.shade(rrect(3, 3, 17, 17, 3), (0x65, 0xc3, 0xf7))
mark.save("CtrlAlignMark")

# --- language selector: panel title and foot, entry and flag-button backgrounds, flags (16 x 11) ----------

os.makedirs(os.path.join(HERE, "language"), exist_ok=True)

title = Canvas(100, 16)
title.shade(rrect(0, 0, 100, 20, 3), vgrad((0x3c, 0x3c, 0x3c), (0x2a, 0x2a, 0x2a), 0, 16))
title.save("language/LTitle")
foot = Canvas(100, 4)
foot.shade(rrect(0, -4, 100, 4, 3), (0x2a, 0x2a, 0x2a))
foot.save("language/LFoot")
for state, top, bottom in (("N", "#e8e8e8", "#d0d0d0"), ("H", "#f4f9ff", "#cfe6f7"), ("D", "#b8d8f0", "#9cc6e6")):
    sel = Canvas(100, 16)
    sel.shade(rrect(0, 0, 100, 16, 0), vgrad(hexc(top), hexc(bottom), 0, 16))
    sel.save("language/LBtnSel" + state)
    btn = Canvas(32, 17)
    btn.shade(rrect(0.5, 0.5, 31.5, 16.5, 3), vgrad(hexc(top), hexc(bottom), 0, 17))
    btn.shade(segment(5, 7, 9, 7, 1.2), (0x40, 0x40, 0x40))
    btn.save("language/LBtn" + state)


def flag(code, bands, vertical=False, emblem=None):
    """Equal stripes of the given colours; an optional small emblem in the upper left corner."""
    f = Canvas(16, 11)
    n = len(bands)
    for i, colour in enumerate(bands):
        if vertical:
            f.shade(rrect(16 * i / n, 0, 16 * (i + 1) / n, 11, 0), hexc(colour))
        else:
            f.shade(rrect(0, 11 * i / n, 16, 11 * (i + 1) / n, 0), hexc(colour))
    if emblem:
        f.shade(emblem[0], hexc(emblem[1]))
    f.save("language/Flag_" + code)


flag("en", ["#1f3f8f"], emblem=(union(segment(0, 0, 16, 11, 2.2), segment(16, 0, 0, 11, 2.2),
                                      segment(8, 0, 8, 11, 3), segment(0, 5.5, 16, 5.5, 3)), "#d03030"))
flag("fr", ["#1f3f8f", "#ffffff", "#d03030"], vertical=True)
flag("de", ["#101010", "#d03030", "#f0c020"])
flag("ru", ["#ffffff", "#1f3f8f", "#d03030"])
flag("es", ["#c02020", "#f0c020", "#f0c020", "#c02020"])
flag("pt", ["#208040", "#d03030", "#d03030"], vertical=True, emblem=(circle(6, 5.5, 2.2), "#f0c020"))
flag("cn", ["#d03030"], emblem=(circle(4, 3.5, 1.8), "#f0d020"))
flag("tw", ["#d03030"], emblem=(rrect(0, 0, 8, 5.5, 0), "#1f3f8f"))
flag("br", ["#209040"], emblem=(circle(8, 5.5, 3), "#1f3f8f"))

# --- position pad, 21 x 21: background and one overlay per part (3 x 3 cells of 7 pixels) -----------------

pad = Canvas(21, 21)
pad.shade(rrect(0, 0, 21, 21, 3), (0x28, 0x28, 0x28))
pad.shade(circle(10.5, 10.5, 1.5), (0x70, 0x70, 0x70))
for i in range(3):
    for j in range(3):
        if (i, j) != (1, 1):
            cx, cy = 3.5 + 7 * i, 3.5 + 7 * j
            dx, dy = i - 1, j - 1
            pad.shade(segment(cx - dx * 1.5, cy - dy * 1.5, cx + dx * 1.5, cy + dy * 1.5, 1.2), (0x70, 0x70, 0x70))
pad.save("CtrlPosBG")
for j, row in enumerate("TCB"):
    for i, col in enumerate("LCR"):
        part = Canvas(21, 21)
        part.shade(rrect(7 * i, 7 * j, 7 * i + 7, 7 * j + 7, 1), (0x65, 0xc3, 0xf7), 0.35)
        cx, cy = 3.5 + 7 * i, 3.5 + 7 * j
        if (i, j) == (1, 1):
            part.shade(circle(cx, cy, 2), (0x65, 0xc3, 0xf7))
        else:
            dx, dy = i - 1, j - 1
            part.shade(segment(cx - dx * 1.5, cy - dy * 1.5, cx + dx * 1.5, cy + dy * 1.5, 1.6), (0x65, 0xc3, 0xf7))
        part.save("CtrlPos" + col + row)

# --- colour button (19 x 19), dropper button and cursor ------------------------------------------------------

cp = Canvas(19, 19)
cp.shade(rrect(0.5, 0.5, 18.5, 18.5, 3), (0x28, 0x28, 0x28))
for i in range(4):
    for j in range(4):
        if (i + j) % 2 == 0:
            cp.shade(rrect(3 + 3.25 * i, 3 + 3.25 * j, 3 + 3.25 * (i + 1), 3 + 3.25 * (j + 1), 0), (0xcc, 0xcc, 0xcc))
        else:
            cp.shade(rrect(3 + 3.25 * i, 3 + 3.25 * j, 3 + 3.25 * (i + 1), 3 + 3.25 * (j + 1), 0), (0x5b, 0x5b, 0x5b))
cp.save("BtnColPickBG")
cm = Canvas(19, 19)
cm.shade(rrect(3, 3, 16, 16, 1), (255, 255, 255))
cm.save("BtnColPickMask")
for state, colour, alpha in (("N", (0x50, 0x50, 0x50), 1.0), ("H", (0x65, 0xc3, 0xf7), 1.0),
                             ("P", (0x40, 0x90, 0xc0), 1.0)):
    ring_img = Canvas(19, 19)
    ring_img.shade(lambda x, y: abs(rrect(0.5, 0.5, 18.5, 18.5, 3)(x, y)) - 0.6, colour, alpha)
    ring_img.save("BtnColPick" + state)


def magnifier(name, back, glass):
    m = Canvas(22, 22)
    m.shade(rrect(0.5, 0.5, 21.5, 21.5, 3), back)
    m.shade(ring(9, 9, 5, 2), glass)
    m.shade(segment(12.8, 12.8, 18, 18, 3), glass)
    m.save(name)


for prefix, base in (("A", (0x2e, 0x5e, 0x7e)), ("I", (0x38, 0x38, 0x38))):
    magnifier("BtnMag" + prefix + "N", base, (0xd0, 0xd0, 0xd0))
    magnifier("BtnMag" + prefix + "H", base, (0x65, 0xc3, 0xf7))
    magnifier("BtnMag" + prefix + "P", tuple(v * 0.8 for v in base), (0x65, 0xc3, 0xf7))

drop = Canvas(24, 24)
drop.shade(segment(3, 21, 13, 11, 2.5), (0x20, 0x20, 0x20))
drop.shade(rrect(12, 4, 20, 12, 2), (0x20, 0x20, 0x20))
drop.shade(segment(3.6, 20.4, 12.4, 11.6, 1), (0xff, 0xff, 0xff))
drop.save("CursorColDrop")

# --- resource list -----------------------------------------------------------------------------------------

with open(os.path.join(HERE, "..", "widgetimages.qrc"), "w") as f:
    f.write("<!DOCTYPE RCC>\n<!-- Written by images/generate.py -->\n<RCC version=\"1.0\">\n")
    f.write("    <qresource prefix=\"/images\">\n")
    for n in sorted(NAMES):
        f.write("        <file alias=\"%s\">images/%s.png</file>\n" % (n, n))
    f.write("    </qresource>\n</RCC>\n")
