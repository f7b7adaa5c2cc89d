#!/usr/bin/python3
"""Draws the editors' images: the grid editor's side and tab buttons, the control editor's and the control
list's buttons, the macro step icons, the tiling anchors, the shortcut plus and the tabs help picture.

Run it after changing a drawing: /usr/bin/python3 editor/images/generate.py
It draws with the widget kit's canvas and shapes (widgets/images/generate.py, everything before its buttons),
so the output is byte-for-byte the same on every machine.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
KIT = os.path.join(HERE, "..", "..", "widgets", "images", "generate.py")
with open(KIT) as f:
    kit_source = f.read().split("# --- tiled buttons")[0]
kit = {"__file__": os.path.join(HERE, "generate.py"), "__name__": "kit"}
exec(compile(kit_source, KIT, "exec"), kit)
Canvas, rrect, circle, ring, segment, union, inset, vgrad, hexc, NAMES = (
    kit["Canvas"], kit["rrect"], kit["circle"], kit["ring"], kit["segment"], kit["union"], kit["inset"],
    kit["vgrad"], kit["hexc"], kit["NAMES"])


def rect(x0, y0, x1, y1):
    return rrect(x0, y0, x1, y1, 0)


def outline(f, width):
    return lambda x, y: abs(f(x, y)) - width / 2


def shift(f, dx, dy, s=1.0):
    """The shape drawn for a 24 x 24 box, moved by (dx, dy) and scaled by s."""
    return lambda x, y: f((x - dx) / s, (y - dy) / s) * s


# --- glyphs on a 24 x 24 box -------------------------------------------------------------------------------

def g_new():
    page = union(outline(rrect(5, 3, 19, 21, 1.5), 1.6))
    return union(page, segment(12, 8, 12, 16, 2), segment(8, 12, 16, 12, 2))


def g_save():
    body = outline(rrect(4, 4, 20, 20, 2), 1.6)
    return union(body, rect(8, 4, 16, 9), outline(rect(8, 13, 16, 20), 1.4))


def g_save_as():
    return union(shift(g_save(), -1, -1, 0.85), segment(14, 21, 21, 14, 2.2))


def g_edit():
    return union(outline(circle(12, 12, 4), 1.8),
                 *[segment(12 + 6 * math.cos(a), 12 + 6 * math.sin(a), 12 + 9 * math.cos(a), 12 + 9 * math.sin(a), 2.6)
                   for a in [i * math.pi / 4 for i in range(8)]])


def g_clear():
    cells = [outline(rect(4 + 9 * i, 4 + 9 * j, 11 + 9 * i, 11 + 9 * j), 1.4) for i in range(2) for j in range(2)]
    return union(*cells)


def g_delete():
    return union(outline(rrect(7, 8, 17, 21, 1.5), 1.6), segment(5, 6, 19, 6, 1.8), segment(10, 3.5, 14, 3.5, 1.8),
                 segment(10.5, 11, 10.5, 18, 1.2), segment(13.5, 11, 13.5, 18, 1.2))


def g_arrow(left):
    d = -1 if left else 1
    return union(segment(12 - 3 * d, 6, 12 + 3 * d, 12, 2.2), segment(12 + 3 * d, 12, 12 - 3 * d, 18, 2.2))


def g_double_arrow(left):
    a = g_arrow(left)
    return union(shift(a, -3, 0), shift(a, 3, 0))


def g_hide():
    return union(segment(7, 7, 17, 17, 2.2), segment(17, 7, 7, 17, 2.2))


def g_help():
    return union(outline(circle(12, 12, 9), 1.6),
                 lambda x, y: max(abs(math.hypot(x - 12, y - 10) - 3) - 0.9, -(y - 9.5) if x < 12 else -1e9 if y > 13 else -(y - 20)),
                 circle(12, 17, 1.2))


def g_import():
    return union(segment(12, 3, 12, 14, 2.2), segment(7.5, 10, 12, 14.5, 2.2), segment(16.5, 10, 12, 14.5, 2.2),
                 outline(rect(4, 15, 20, 21), 1.6))


def g_export():
    return union(segment(12, 15, 12, 4, 2.2), segment(7.5, 8, 12, 3.5, 2.2), segment(16.5, 8, 12, 3.5, 2.2),
                 outline(rect(4, 15, 20, 21), 1.6))


STATE_COLOURS = {"N": "#8c959b", "H": "#ffffff", "P": "#65c3f7", "D": "#3e4347"}


def side_button(name, glyph, w, h, states="NHPD", back=True, scale=1.0):
    for st in states:
        c = Canvas(w, h)
        if back:
            face = rrect(0.5, 0.5, w - 0.5, h - 0.5, 3)
            top = "#23272b" if st != "P" else "#15181a"
            c.shade(face, vgrad(hexc(top), hexc("#15181a"), 0, h))
            c.shade(outline(face, 1), hexc("#30363b" if st != "H" else "#47a8dd"))
        s = min(w, h) / 24.0 * scale
        c.shade(shift(glyph, (w - 24 * s) / 2, (h - 24 * s) / 2, s), hexc(STATE_COLOURS[st]))
        c.save(name + st)


# grid editor: the file buttons of the side bar, the tab help, the tab and grid arrows
for name, glyph in (("New", g_new()), ("Save", g_save()), ("SaveAs", g_save_as()), ("Edit", g_edit()),
                    ("Clear", g_clear()), ("Delete", g_delete())):
    side_button("BtnGrid" + name, glyph, 49, 50, scale=0.62)
side_button("BtnGridTabHelp", g_help(), 32, 30, scale=0.8)
for name, glyph in (("ArrL", g_arrow(True)), ("ArrR", g_arrow(False)), ("GArrL", g_double_arrow(True)),
                    ("GArrR", g_double_arrow(False)), ("Hide1", g_hide()), ("Hide2", g_hide()),
                    ("Screenshot", union(outline(rrect(3, 7, 21, 19, 2), 1.6), outline(circle(12, 13, 3.5), 1.6),
                                         rect(8, 4.5, 16, 7.5)))):
    side_button("BtnGrid" + name, glyph, 22, 22, scale=0.75)
# "ADD TO BAR": a plain face; the caption is the button's text
for st in "NHPD":
    c = Canvas(120, 22)
    face = rrect(0.5, 0.5, 119.5, 21.5, 3)
    c.shade(face, vgrad(hexc("#2c86c0" if st != "D" else "#364855"), hexc("#226d9e" if st != "D" else "#2a3842"), 0, 22))
    c.shade(outline(face, 1), hexc({"N": "#185a85", "H": "#7fd0fa", "P": "#123f5e", "D": "#26323c"}[st]))
    c.save("BtnGridAdd" + st)
c = Canvas(49, 10)
c.shade(lambda x, y: max(abs(y - 4.5) - 0.5, abs(x - 24.5) - 18), hexc("#30363b"))
c.save("BtnGridSpacer")

# control editor: save, save as, export, import (48 x 48) and "ADD TO GRID" (132 x 47)
for name, glyph in (("Save", g_save()), ("SaveAs", g_save_as()), ("Exp", g_export()), ("Imp", g_import())):
    side_button("BtnCtrl" + name, glyph, 48, 48, scale=0.62)


def wide_button(name, w, h, glyph, glyph_x, states="NHP"):
    for st in states:
        c = Canvas(w, h)
        face = rrect(0.5, 0.5, w - 0.5, h - 0.5, 4)
        top, bottom = {"N": ("#2c86c0", "#1f6593"), "H": ("#3f9bd6", "#2676aa"), "P": ("#1c5c86", "#2a7bb0"),
                       "D": ("#364855", "#2a3842")}[st]
        c.shade(face, vgrad(hexc(top), hexc(bottom), 0, h))
        c.shade(outline(face, 1), hexc("#123f5e"))
        s = (h - 18) / 24.0
        c.shade(shift(glyph, glyph_x, (h - 24 * s) / 2, s), (255, 255, 255))
        c.save(name + st)


wide_button("BtnAdd2Grid", 132, 47, union(segment(12, 4, 12, 20, 3), segment(4, 12, 20, 12, 3)), 132 - 34)
# control list: IMPORT and EXPORT PACKAGE, the icon in the 24 px left padding
wide_button("BtnImp", 112, 47, g_import(), 3)
wide_button("BtnExp", 112, 47, g_export(), 3)

# the corner between the preview's scroll bars
c = Canvas(19, 19)
c.shade(union(segment(14, 6, 6, 14, 1.2), segment(14, 10, 10, 14, 1.2)), hexc("#4a5258"))
c.save("ScrCorner")

# --- macro steps (16 x 16) ---------------------------------------------------------------------------------

def step_icon(name, glyph, colour):
    c = Canvas(16, 16)
    c.shade(rrect(0.5, 0.5, 15.5, 15.5, 3), hexc("#2a3035"))
    c.shade(shift(glyph, 2, 2, 0.5), hexc(colour))
    c.save(name)


key = outline(rrect(3, 3, 21, 21, 3), 2)
step_icon("MCIcon_Dn", union(key, segment(12, 7, 12, 16, 2.6), segment(8, 12.5, 12, 16.5, 2.6), segment(16, 12.5, 12, 16.5, 2.6)), "#65c3f7")
step_icon("MCIcon_Up", union(key, segment(12, 17, 12, 8, 2.6), segment(8, 11.5, 12, 7.5, 2.6), segment(16, 11.5, 12, 7.5, 2.6)), "#f0a040")
step_icon("MCIcon_Press", union(key, circle(12, 12, 4)), "#ffffff")
step_icon("MCIcon_Text", union(segment(5, 5, 19, 5, 3), segment(12, 5, 12, 20, 3)), "#ffffff")
mouse = outline(rrect(6, 2, 18, 22, 6), 2)
step_icon("MCIcon_MouseDn", union(mouse, segment(12, 2, 12, 10, 1.6), rect(6, 2, 12, 10)), "#65c3f7")
step_icon("MCIcon_MouseUp", union(mouse, segment(12, 2, 12, 10, 1.6)), "#f0a040")
step_icon("MCIcon_Delay", union(outline(circle(12, 12, 9), 2), segment(12, 12, 12, 6, 2), segment(12, 12, 16, 14, 2)), "#cccccc")


def text_icon(name, glyph, colour):
    c = Canvas(16, 16)
    c.shade(shift(glyph, 2, 2, 0.5), hexc(colour))
    c.save(name)


text_icon("IcnTextPlus", union(segment(12, 4, 12, 20, 3.5), segment(4, 12, 20, 12, 3.5)), "#65c3f7")
text_icon("IcnTextX", union(segment(6, 6, 18, 18, 3.5), segment(18, 6, 6, 18, 3.5)), "#e05050")

# --- tiling anchors (18 x 18): a frame with the anchored part marked ---------------------------------------

ANCHORS = {"L": (0, 1), "HC": (1, 1), "R": (2, 1), "T": (1, 0), "VC": (1, 1), "B": (1, 2),
           "TL": (0, 0), "TC": (1, 0), "TR": (2, 0), "CL": (0, 1), "CC": (1, 1), "CR": (2, 1),
           "BL": (0, 2), "BC": (1, 2), "BR": (2, 2)}
for name, (col, row) in ANCHORS.items():
    c = Canvas(18, 18)
    c.shade(outline(rect(1.5, 1.5, 16.5, 16.5), 1), hexc("#8c959b"))
    horizontal = name in ("L", "HC", "R")
    vertical = name in ("T", "VC", "B")
    x0, y0 = 2 + col * 14 / 3, 2 + row * 14 / 3
    if horizontal:
        c.shade(rect(x0, 2, x0 + 14 / 3, 16), hexc("#65c3f7"))
    elif vertical:
        c.shade(rect(2, y0, 16, y0 + 14 / 3), hexc("#65c3f7"))
    else:
        c.shade(rect(x0, y0, x0 + 14 / 3, y0 + 14 / 3), hexc("#65c3f7"))
    c.save("TileIcn_" + name)

# --- shortcut "+" between the modifier boxes and the key (16 x 16) -----------------------------------------

c = Canvas(16, 16)
c.shade(union(segment(8, 3, 8, 13, 2.4), segment(3, 8, 13, 8, 2.4)), hexc("#65c3f7"))
c.save("ShortcutPlus")

# --- tabs help: a phone's tab with its blue LED (80 x 50) --------------------------------------------------

c = Canvas(80, 50)
tab = rrect(2, 4, 78, 46, 5)
c.shade(tab, vgrad(hexc("#3a4046"), hexc("#23272b"), 4, 46))
c.shade(outline(tab, 1), hexc("#5a646b"))
c.shade(circle(70, 11, 3.2), hexc("#28a3dd"))
c.shade(ring(70, 11, 4.5, 1), hexc("#28a3dd"), 0.4)
c.shade(rect(12, 24, 56, 27), hexc("#8c959b"))
c.shade(rect(12, 31, 44, 34), hexc("#5a646b"))
c.save("PopupTabsHelp")

# --- resource list -----------------------------------------------------------------------------------------

with open(os.path.join(HERE, "..", "editordrawnimages.qrc"), "w") as f:
    f.write("<!DOCTYPE RCC>\n<!-- Written by images/generate.py -->\n<RCC version=\"1.0\">\n")
    f.write("    <qresource prefix=\"/images\">\n")
    for n in sorted(NAMES):
        f.write("        <file alias=\"%s\">images/%s.png</file>\n" % (n, n))
    f.write("    </qresource>\n</RCC>\n")
