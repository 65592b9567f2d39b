#!/usr/bin/python3
"""Draws Wakespan's embedded skin "WMP11 (internal)": a dark blue-grey theme
with light text. Writes WMP11/Master.bmp (270 x 159, 8-bit palettised),
WMP11/ButtonHuge24.bmp (288 x 192, 24-bit) and WMP11/Options.dat (the option
text, whose image references point into the pictures drawn here).

Run with Debian's /usr/bin/python3 (it has PIL):  /usr/bin/python3 draw_skin.py
"""
import os
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "WMP11")
KEY = (255, 0, 255)  # transparent key colour of skin images
MASTER_W, MASTER_H = 270, 159


def cref(rgb):
    """RGB tuple -> option-text colour (0x00BBGGRR)."""
    r, g, b = rgb
    return r | g << 8 | b << 16


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


# Palette of the theme.
SKIN = (0x5F, 0x6A, 0x87)        # the global colour
TEXT = (0xCE, 0xD6, 0xEB)        # the global font colour
WHITE_TEXT = (240, 244, 252)
DARK_TEXT = (18, 22, 34)
INK = (16, 19, 27)               # outer frame lines
DEEP = (30, 34, 46)
MENU_BG = (44, 50, 66)
FORM_TOP, FORM_BOTTOM = (84, 95, 123), (50, 57, 77)
EDIT_BG = (0xC5, 0xCF, 0xEB)     # 15454149
ACCENT = (120, 170, 235)
ACCENT_DARK = (46, 92, 160)


class Canvas:
    """RGB picture plus helpers; (x, y) are absolute picture coordinates."""

    def __init__(self, w, h):
        self.img = Image.new("RGB", (w, h), KEY)
        self.px = self.img.load()
        self.used = []

    def claim(self, x, y, w, h, what):
        assert x >= 0 and y >= 0 and x + w <= self.img.width and y + h <= self.img.height, what
        for (ox, oy, ow, oh, other) in self.used:
            if x < ox + ow and ox < x + w and y < oy + oh and oy < y + h:
                raise AssertionError(f"{what} overlaps {other}")
        self.used.append((x, y, w, h, what))

    def put(self, x, y, c):
        self.px[x, y] = tuple(int(v) for v in c)

    def fill(self, x, y, w, h, c):
        for j in range(h):
            for i in range(w):
                self.put(x + i, y + j, c)

    def vgrad(self, x, y, w, h, stops):
        """Vertical gradient through (position 0..1, colour) stops."""
        for j in range(h):
            t = j / max(h - 1, 1)
            for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
                if p0 <= t <= p1:
                    c = mix(c0, c1, (t - p0) / max(p1 - p0, 1e-9))
                    break
            for i in range(w):
                self.put(x + i, y + j, c)

    def hgrad(self, x, y, w, h, c0, c1):
        for i in range(w):
            c = mix(c0, c1, i / max(w - 1, 1))
            for j in range(h):
                self.put(x + i, y + j, c)

    def frame(self, x, y, w, h, c):
        for i in range(w):
            self.put(x + i, y, c)
            self.put(x + i, y + h - 1, c)
        for j in range(h):
            self.put(x, y + j, c)
            self.put(x + w - 1, y + j, c)

    def round_corners(self, x, y, w, h, cuts, colour=KEY):
        """cuts[j] pixels are keyed at both ends of row j from the top and the bottom."""
        for j, n in enumerate(cuts):
            for i in range(n):
                for (cx, cy) in ((x + i, y + j), (x + w - 1 - i, y + j),
                                 (x + i, y + h - 1 - j), (x + w - 1 - i, y + h - 1 - j)):
                    self.put(cx, cy, colour)

    def blend(self, x, y, c, a):
        self.put(x, y, mix(self.px[x, y], c, a))


def plate(cv, x, y, w, h, top, bottom, border, shine, cuts=(2, 1)):
    """A rounded glossy plate: gradient face, dark outline, light inner top line."""
    cv.vgrad(x, y, w, h, [(0, top), (0.48, mix(top, bottom, 0.35)), (0.52, mix(top, bottom, 0.6)), (1, bottom)])
    cv.frame(x, y, w, h, border)
    for i in range(1, w - 1):
        cv.put(x + i, y + 1, shine)
    for j in range(2, h - 2):
        cv.blend(x + 1, y + j, shine, 0.25)
        cv.blend(x + w - 2, y + j, shine, 0.15)
    if cuts:
        # soften the outline next to the cut corners
        for (cx, cy) in ((x + 1, y + 1), (x + w - 2, y + 1), (x + 1, y + h - 2), (x + w - 2, y + h - 2)):
            cv.put(cx, cy, mix(border, cv.px[cx, cy], 0.5))
        cv.round_corners(x, y, w, h, cuts)


# ---- glyph painters (on a state cell of the canvas) ----

def glyph_pixels(cv, x, y, rows, colours):
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch in colours:
                cv.put(x + i, y + j, colours[ch])


CROSS = ["x.....x", ".x...x.", "..x.x..", "...x...", "..x.x..", ".x...x.", "x.....x"]
CROSS_BOLD = ["xx....xx", "xxx..xxx", ".xxxxxx.", "..xxxx..", "..xxxx..", ".xxxxxx.", "xxx..xxx", "xx....xx"]
MAXIMIZE = ["xxxxxxxxx", "xxxxxxxxx", "x.......x", "x.......x", "x.......x", "x.......x", "xxxxxxxxx"]
RESTORE = ["..xxxxxxx", "..xxxxxxx", "..x.....x", "xxxxxxx.x", "xxxxxxx.x", "x.....xxx", "x.....x..",
           "xxxxxxx.."]
MINIMIZE = ["xxxxxxxxx", "xxxxxxxxx"]
HELP = [".xxxxx.", "xx...xx", ".....xx", "...xxx.", "...xx..", ".......", "...xx..", "...xx.."]
TICK = ["........x", ".......xx", "x.....xx.", "xx...xx..", ".xx.xx...", "..xxx....", "...x....."]
ARROW_DOWN = ["xxxxxxx", ".xxxxx.", "..xxx..", "...x..."]
GRIP = ["..........x.", "............", "........x.x.", "............", "......x.x.x.", "............",
        "....x.x.x.x.", "............", "..x.x.x.x.x.", "............"]


def shadowed(cv, x, y, rows, fg, shadow):
    glyph_pixels(cv, x + 1, y + 1, rows, {"x": shadow})
    glyph_pixels(cv, x, y, rows, {"x": fg})


# ---- the master bitmap's images ----
# Each image: section, key list, rectangle, and how to write the reference.

images = []  # (section, key, value)


def ref_glyph(x, y, w, h, count, masktype):
    return f"@{x:04d}@{y:04d}@{x + w:04d}@{y + h:04d}@{count}@{masktype}"


def ref_border(x, y, w, h, borders, count, masktype, drawmode, width=0):
    wl, wt, wr, wb = borders
    return (f"^{x:04d}^{y:04d}^{x + w:04d}^{y + h:04d}^{wl:04d}^{wt:04d}^{wr:04d}^{wb:04d}"
            f"^{count}^{masktype}^{drawmode}^{width}")


BUTTON_STATES = [  # normal, hot, pressed: (top, bottom, border, shine)
    ((116, 128, 160), (64, 73, 98), INK, (170, 182, 210)),
    ((126, 152, 200), (66, 88, 132), (14, 24, 44), (196, 214, 244)),
    ((52, 60, 82), (92, 104, 134), INK, (74, 84, 110)),
]


def draw_master():
    cv = Canvas(MASTER_W, MASTER_H)
    R = {}

    def claim(name, x, y, w, h):
        cv.claim(x, y, w, h, name)
        R[name] = (x, y, w, h)
        return x, y, w, h

    # Big title buttons: three states (normal, hot, pressed), hanging from the top edge.
    def title_buttons(name, x, y, sw, h, glyph, hot_face, close=False):
        claim(name, x, y, sw * 3, h)
        for s in range(3):
            cx = x + s * sw
            if close:
                faces = [((182, 78, 70), (118, 34, 30)), ((230, 106, 92), (160, 40, 32)), ((120, 30, 26), (170, 60, 50))]
            else:
                faces = [((98, 110, 142), (46, 53, 72)), (hot_face, mix(hot_face, DEEP, 0.55)), ((38, 44, 60), (78, 88, 116))]
            top, bottom = faces[s]
            cv.vgrad(cx, y, sw, h, [(0, top), (0.5, mix(top, bottom, 0.45)), (0.55, mix(top, bottom, 0.7)), (1, bottom)])
            cv.frame(cx, y, sw, h, INK)
            for i in range(1, sw - 1):
                cv.blend(cx + i, y + 1, (255, 255, 255), 0.35 if s < 2 else 0.1)
            # round the two lower corners; the top ones meet the window edge
            for (px, py) in ((cx, y + h - 1), (cx + sw - 1, y + h - 1)):
                cv.put(px, py, KEY)
            for (px, py) in ((cx + 1, y + h - 2), (cx + sw - 2, y + h - 2)):
                cv.put(px, py, mix(INK, cv.px[px, py], 0.5))
            gw, gh = len(glyph[0]), len(glyph)
            gx, gy = cx + (sw - gw) // 2, y + (h - gh) // 2
            shadowed(cv, gx, gy, glyph, (250, 250, 252), (20, 20, 28))

    title_buttons("BICONCLOSE", 0, 0, 43, 20, CROSS_BOLD, (0, 0, 0), close=True)
    title_buttons("BICONMAX", 129, 0, 25, 20, MAXIMIZE, (118, 146, 204))
    title_buttons("BICONMIN", 0, 20, 27, 20, MINIMIZE, (118, 146, 204))
    title_buttons("BICONHELP", 81, 20, 25, 20, HELP, (118, 146, 204))
    title_buttons("BICONNORM", 156, 20, 25, 19, RESTORE, (118, 146, 204))

    # Small title buttons of tool and dialog windows: one state.
    def small_button(name, x, y, w, glyph, close=False):
        claim(name, x, y, w, 14)
        top, bottom = ((176, 74, 66), (112, 32, 28)) if close else ((96, 108, 140), (48, 55, 74))
        plate(cv, x, y, w, 14, top, bottom, INK, mix(top, (255, 255, 255), 0.45), cuts=(1,))
        gw, gh = len(glyph[0]), len(glyph)
        shadowed(cv, x + (w - gw) // 2, y + (14 - gh) // 2, glyph, (248, 248, 252), (24, 20, 28))

    small_button("SICONCLOSE", 204, 0, 15, CROSS, close=True)
    small_button("SICONMAX", 219, 0, 14, ["xxxxxxx", "xxxxxxx", "x.....x", "x.....x", "x.....x", "xxxxxxx"])
    small_button("SICONNORM", 233, 0, 14, [".xxxxxx", ".x....x", "xxxxx.x", "xxxxxxx", "x...x..", "xxxxx.."])
    small_button("SICONMIN", 247, 0, 14, ["xxxxxxx", "xxxxxxx"])
    small_button("SICONHELP", 231, 20, 14, HELP[:1] + HELP[1:])

    # Size grip: dots on the key colour.
    claim("GRIPIMAGE", 245, 20, 12, 10)
    glyph_pixels(cv, 245, 20, GRIP, {"x": (150, 162, 190)})
    glyph_pixels(cv, 246, 21, [r[:-1] for r in GRIP[:-1]], {"x": (20, 24, 32)})

    # Title bar: masked, two states (inactive, active); corners 10 x 9; the
    # section's gradient (black to the skin colour) shows through the mask.
    x0, y0, sw, sh = 0, 40, 24, 26
    claim("FORMTITLE", x0, y0, sw * 2, sh * 2)
    cuts = [5, 3, 2, 1, 1]
    for s in range(2):
        cx = x0 + s * sw
        for j in range(sh):
            for i in range(sw):
                # image: a glossy sheen over the top half, an outline, a bottom rule
                if j == 0 or i == 0 or i == sw - 1:
                    c, m = (8, 9, 13), 0
                elif j == 1:
                    c, m = (200, 214, 240) if s else (120, 128, 146), 120 if s else 190
                elif j < sh // 2:
                    c, m = (255, 255, 255), 226 + (j * 2) if s else 244
                elif j == sh - 1:
                    c, m = (26, 30, 40), 60
                else:
                    c, m = (0, 0, 0), 255 if s else 200
                if i == 1 or i == sw - 2:
                    c, m = (150, 162, 190) if s else (90, 96, 110), 170
                cv.put(cx + i, y0 + j, c)
                cv.put(cx + i, y0 + sh + j, (m, m, m))
        for j, n in enumerate(cuts):
            for i in range(n):
                for px in (cx + i, cx + sw - 1 - i):
                    cv.put(px, y0 + j, KEY)
                    cv.put(px, y0 + sh + j, (255, 255, 255))
            # the pixel inside each cut is the rounded outline
            for px in (cx + n, cx + sw - 1 - n):
                cv.put(px, y0 + j, (8, 9, 13))
                cv.put(px, y0 + sh + j, (0, 0, 0))
    images.append(("FORMTITLE", "BORDERSMASK", ref_border(x0, y0, sw * 2, sh * 2, (10, 9, 10, 9), 2, 1, 5)))

    # Form frame: two unmasked states, 2-pixel margins, one key pixel per corner.
    fx, fy = 192, 96
    claim("FORM", fx, fy, 24, 12)
    for s, (outer, inner) in enumerate([((22, 25, 33), (70, 78, 100)), ((10, 12, 18), (104, 118, 152))]):
        cx = fx + s * 12
        cv.fill(cx, fy, 12, 12, FORM_BOTTOM)
        cv.frame(cx, fy, 12, 12, outer)
        cv.frame(cx + 1, fy + 1, 10, 10, inner)
        for (px, py) in ((cx, fy), (cx + 11, fy), (cx, fy + 11), (cx + 11, fy + 11)):
            cv.put(px, py, KEY)
    images.append(("FORM", "BORDERSMASK", ref_border(fx, fy, 24, 12, (0, 0, 0, 0), 2, 0, 1, 2)))

    # Push button: normal, hot, pressed.
    bx, by = 48, 40
    claim("BUTTON", bx, by, 66, 22)
    for s, (top, bottom, border, shine) in enumerate(BUTTON_STATES):
        plate(cv, bx + s * 22, by, 22, 22, top, bottom, border, shine)
    R["BUTTON_REF"] = ref_border(bx, by, 66, 22, (4, 4, 4, 4), 3, 0, 5)

    # Edit frame: normal, focused. The section colour fills the middle.
    ex, ey = 114, 40
    claim("EDIT", ex, ey, 24, 12)
    for s, (outer, inner) in enumerate([((24, 28, 38), (150, 162, 192)), ((22, 54, 108), ACCENT)]):
        cx = ex + s * 12
        cv.fill(cx, ey, 12, 12, EDIT_BG)
        cv.frame(cx, ey, 12, 12, outer)
        cv.frame(cx + 1, ey + 1, 10, 10, inner)
        cv.put(cx, ey, KEY), cv.put(cx + 11, ey, KEY), cv.put(cx, ey + 11, KEY), cv.put(cx + 11, ey + 11, KEY)
    R["EDIT_REF"] = ref_border(ex, ey, 24, 12, (2, 2, 2, 2), 2, 0, 0)

    # Popup menu frame and hint frame.
    def flat_frame(name, x, y, size, outer, inner, face):
        claim(name, x, y, size, size)
        cv.fill(x, y, size, size, face)
        cv.frame(x, y, size, size, outer)
        cv.frame(x + 1, y + 1, size - 2, size - 2, inner)

    flat_frame("MAINMENU", 138, 40, 9, INK, (92, 104, 134), MENU_BG)
    flat_frame("HINT", 147, 40, 9, INK, (110, 124, 158), DEEP)

    # Panels: raised, sunken, title bar of a bar, drag bar.
    def bevel(name, x, y, w, h, light, dark, face):
        claim(name, x, y, w, h)
        cv.fill(x, y, w, h, face)
        for i in range(w):
            cv.put(x + i, y, light)
            cv.put(x + i, y + h - 1, dark)
        for j in range(h):
            cv.put(x, y + j, light)
            cv.put(x + w - 1, y + j, dark)

    bevel("PANEL", 156, 40, 6, 6, (118, 130, 160), (32, 37, 50), SKIN)
    bevel("PANEL_LOW", 162, 40, 6, 6, (32, 37, 50), (118, 130, 160), (70, 79, 103))
    claim("BARTITLE", 168, 40, 6, 6)
    cv.vgrad(168, 40, 6, 6, [(0, (110, 124, 160)), (1, (64, 73, 98))])
    cv.frame(168, 40, 6, 6, INK)
    claim("DRAGBAR", 174, 40, 8, 6)
    cv.vgrad(174, 40, 8, 6, [(0, (96, 108, 138)), (1, (58, 66, 88))])
    for i in range(1, 7, 2):
        cv.put(174 + i, 42, (170, 180, 206))
        cv.put(174 + i, 43, (30, 34, 46))

    # Page control frame.
    claim("PAGECONTROL", 182, 40, 12, 12)
    cv.fill(182, 40, 12, 12, (72, 82, 108))
    cv.frame(182, 40, 12, 12, INK)
    cv.frame(183, 41, 10, 10, (112, 124, 156))

    # Tool plate (speed buttons, tool buttons, web buttons): nothing in state 0.
    claim("TOOLPLATE", 194, 40, 42, 14)
    cv.fill(194, 40, 14, 14, MENU_BG)
    plate(cv, 208, 40, 14, 14, (120, 146, 196), (66, 88, 132), (14, 24, 44), (190, 208, 240))
    plate(cv, 222, 40, 14, 14, (48, 58, 82), (86, 100, 132), INK, (70, 80, 104))

    # Scroll button and slider plate.
    claim("SCROLLPLATE", 236, 40, 33, 11)
    for s, (top, bottom, border, shine) in enumerate(BUTTON_STATES):
        plate(cv, 236 + s * 11, 40, 11, 11, top, bottom, border, shine, cuts=(1,))

    # Check box and radio button hover plate: masked, nothing in state 0.
    hx, hy = 114, 54
    claim("CHECKHOVER", hx, hy, 36, 24)
    for s in range(3):
        for j in range(12):
            for i in range(12):
                edge = i in (0, 11) or j in (0, 11)
                if s == 0:
                    c, m = (0, 0, 0), 255
                elif edge:
                    c, m = ACCENT if s == 1 else ACCENT_DARK, 90
                else:
                    c, m = ACCENT if s == 1 else ACCENT_DARK, 215
                cv.put(hx + s * 12 + i, hy + j, c)
                cv.put(hx + s * 12 + i, hy + 12 + j, (m, m, m))
        for (i, j) in ((0, 0), (11, 0), (0, 11), (11, 11)):
            cv.put(hx + s * 12 + i, hy + 12 + j, (255, 255, 255))
    R["CHECKHOVER_REF"] = ref_border(hx, hy, 36, 24, (4, 4, 4, 4), 3, 1, 7)

    # Tabs: top, bottom (mirrored) and left; normal, hot, selected.
    def tabs(name, x, y, flip=False, side=False):
        claim(name, x, y, 48, 16)
        faces = [((88, 98, 126), (58, 66, 88)), ((120, 144, 192), (70, 88, 126)), ((104, 116, 148), (84, 95, 123))]
        for s, (top, bottom) in enumerate(faces):
            cx = x + s * 16
            plate(cv, cx, y, 16, 16, top, bottom, INK, mix(top, (255, 255, 255), 0.4))
            # the open side joins the page
            open_row = y if flip else y + 15
            for i in range(2, 14):
                if side:
                    cv.put(cx + 15, y + i, bottom)
                else:
                    cv.put(cx + i, open_row, bottom)
        if flip:
            box = cv.img.crop((x, y, x + 48, y + 16)).transpose(Image.FLIP_TOP_BOTTOM)
            cv.img.paste(box, (x, y))

    tabs("TABTOP", 150, 54)
    tabs("TABBOTTOM", 198, 54, flip=True)
    tabs("TABLEFT", 21, 105, side=True)

    # Scroll arrows and slider grips (one state each).
    arrows = {
        "ARROWTOP": ["...x...", "..xxx..", ".xxxxx.", "xxxxxxx"],
        "ARROWBOTTOM": ARROW_DOWN,
        "ARROWLEFT": ["...x", "..xx", ".xxx", "xxxx", ".xxx", "..xx", "...x"],
        "ARROWRIGHT": ["x...", "xx..", "xxx.", "xxxx", "xxx.", "xx..", "x..."],
    }
    for (name, (x, y)) in zip(arrows, ((246, 54), (253, 54), (260, 54), (246, 61))):
        claim(name, x, y, 7, 7)
        rows = arrows[name]
        glyph_pixels(cv, x + (7 - len(rows[0])) // 2, y + (7 - len(rows)) // 2, rows, {"x": (226, 232, 246)})
    claim("GRIPH", 253, 61, 7, 7)
    for i in (1, 3, 5):
        for j in range(1, 6):
            cv.put(253 + i, 61 + j, (200, 210, 232))
    claim("GRIPV", 260, 61, 7, 7)
    for j in (1, 3, 5):
        for i in range(1, 6):
            cv.put(260 + i, 61 + j, (200, 210, 232))

    # Scroll bar track, status bar, status panel.
    bevel("SCROLLTRACK", 246, 68, 6, 6, (30, 34, 46), (70, 79, 103), (44, 50, 66))
    bevel("STATUSBAR", 252, 68, 6, 6, (118, 130, 160), (32, 37, 50), (70, 79, 103))
    bevel("STATUSPANEL", 258, 68, 6, 6, (40, 46, 60), (110, 122, 152), (70, 79, 103))

    # Horizontal grip of a splitter or bar, menu bar, dividers, track bar groove.
    claim("GRIPBAR", 150, 70, 8, 6)
    cv.fill(150, 70, 8, 6, SKIN)
    for i in range(1, 8, 2):
        cv.put(150 + i, 72, (180, 190, 214))
        cv.put(150 + i, 73, (30, 34, 46))
    claim("MENULINE", 158, 70, 6, 6)
    cv.vgrad(158, 70, 6, 6, [(0, (58, 66, 88)), (1, (44, 50, 66))])
    for i in range(6):
        cv.put(158 + i, 75, (24, 28, 38))
    claim("DIVIDER", 164, 70, 2, 8)
    for j in range(8):
        cv.put(164, 70 + j, (30, 34, 46))
        cv.put(165, 70 + j, (118, 130, 160))
    claim("DIVIDERV", 166, 70, 8, 2)
    for i in range(8):
        fade = 0.5 if i in (0, 7) else 0
        cv.put(166 + i, 70, mix((24, 28, 38), MENU_BG, fade))
        cv.put(166 + i, 71, mix((100, 112, 142), MENU_BG, fade))
    claim("TRACKGROOVE", 174, 70, 8, 6)
    cv.fill(174, 70, 8, 6, KEY)
    cv.fill(174, 71, 8, 4, (24, 28, 38))
    cv.fill(175, 72, 6, 2, (60, 70, 96))

    # Check boxes: unchecked, checked, grayed; each normal, hot, pressed (16 x 13 cells).
    def box_cell(x, y, state, mark, round_box=False):
        face_top = [(206, 214, 234), (222, 232, 252), (160, 172, 200)][state]
        face_bottom = [(150, 162, 192), (170, 190, 230), (200, 210, 232)][state]
        border = [(20, 24, 34), (28, 64, 130), (20, 24, 34)][state]
        cv.fill(x, y, 16, 13, KEY)
        if round_box:
            cuts = [4, 2, 1, 1]
        else:
            cuts = [1]
        cv.vgrad(x + 1, y, 13, 13, [(0, face_top), (1, face_bottom)])
        cv.frame(x + 1, y, 13, 13, border)
        if round_box:
            # a circle: outline follows the cut corners
            for j, n in enumerate(cuts):
                for i in range(n):
                    for (px, py) in ((x + 1 + i, y + j), (x + 13 - i, y + j), (x + 1 + i, y + 12 - j), (x + 13 - i, y + 12 - j)):
                        cv.put(px, py, KEY)
                for (px, py) in ((x + 1 + n, y + j), (x + 13 - n, y + j), (x + 1 + n, y + 12 - j), (x + 13 - n, y + 12 - j)):
                    cv.put(px, py, border)
        else:
            for (px, py) in ((x + 1, y), (x + 13, y), (x + 1, y + 12), (x + 13, y + 12)):
                cv.put(px, py, mix(border, face_top, 0.5))
        ink = (16, 40, 96) if state != 2 else (10, 26, 70)
        if mark == "tick":
            glyph_pixels(cv, x + 4, y + 3, TICK, {"x": ink})
        elif mark == "grey":
            cv.fill(x + 4, y + 3, 7, 7, (96, 110, 140))
        elif mark == "dot":
            glyph_pixels(cv, x + 5, y + 4, [".xxx.", "xxxxx", "xxxxx", "xxxxx", ".xxx."], {"x": ink})
        elif mark == "greydot":
            glyph_pixels(cv, x + 5, y + 4, [".xxx.", "xxxxx", "xxxxx", "xxxxx", ".xxx."], {"x": (110, 122, 150)})

    for (name, y, marks, rnd) in (("BOX", 78, ("tick", None, "grey"), False), ("RADIO", 91, ("dot", None, "greydot"), True)):
        for k, (suffix, mark) in enumerate(zip(("CHECKED", "UNCHECKED", "GRAYED"), marks)):
            x = 48 + k * 48
            claim(name + suffix, x, y, 48, 13)
            for s in range(3):
                box_cell(x + s * 16, y, s, mark, rnd)
            images.append(("GLOBALINFO", name + suffix, ref_glyph(x, y, 48, 13, 3, 0)))

    # Menu check mark: normal, highlighted.
    claim("CHECK", 192, 78, 26, 13)
    glyph_pixels(cv, 194, 81, TICK, {"x": TEXT})
    glyph_pixels(cv, 207, 81, TICK, {"x": DARK_TEXT})

    # Track bar thumb: normal, hot, pressed.
    claim("THUMB", 218, 78, 33, 18)
    for s, (top, bottom, border, shine) in enumerate(BUTTON_STATES):
        plate(cv, 218 + s * 11, 78, 11, 18, top, bottom, border, shine)
        for j in (7, 9, 11):
            for i in range(3, 8):
                cv.put(218 + s * 11 + i, 78 + j, mix(shine, bottom, 0.3))

    # Progress bar: sunken track and the glossy bar (horizontal and vertical).
    claim("PROGRESSTRACK", 251, 78, 10, 10)
    cv.vgrad(251, 78, 10, 10, [(0, (22, 26, 36)), (1, (52, 60, 80))])
    cv.frame(251, 78, 10, 10, INK)
    cv.round_corners(251, 78, 10, 10, [1])
    claim("PROGRESSBARH", 251, 88, 10, 10)
    cv.vgrad(251, 88, 10, 10, [(0, (170, 214, 255)), (0.45, (88, 150, 226)), (0.55, (50, 110, 196)), (1, (76, 150, 232))])
    cv.frame(251, 88, 10, 10, (18, 44, 92))
    claim("PROGRESSBARV", 192, 108, 10, 10)
    cv.hgrad(192, 108, 5, 10, (170, 214, 255), (88, 150, 226))
    cv.hgrad(197, 108, 5, 10, (50, 110, 196), (76, 150, 232))
    cv.frame(192, 108, 10, 10, (18, 44, 92))

    # Combo box arrow: normal, hot, pressed.
    claim("COMBOARROW", 202, 108, 27, 5)
    for s, colour in enumerate(((40, 48, 70), (24, 60, 130), (16, 30, 60))):
        glyph_pixels(cv, 203 + s * 9, 108, ARROW_DOWN, {"x": colour})

    # Group box: masked frame with 7-pixel borders; the caption sits on the top line.
    gx, gy = 0, 92
    claim("GROUPBOX", gx, gy, 21, 42)
    for j in range(21):
        for i in range(21):
            on_line = (i in (3, 17) and 3 <= j <= 17) or (j in (3, 17) and 3 <= i <= 17)
            on_light = (i in (4, 18) and 4 <= j <= 18) or (j in (4, 18) and 4 <= i <= 18)
            if on_line:
                c, m = (22, 26, 36), 40
            elif on_light:
                c, m = (150, 162, 194), 120
            else:
                c, m = (0, 0, 0), 255
            cv.put(gx + i, gy + j, c)
            cv.put(gx + i, gy + 21 + j, (m, m, m))
    # round the frame's corners
    for (i, j) in ((3, 3), (17, 3), (3, 17), (17, 17)):
        cv.put(gx + i, gy + 21 + j, (255, 255, 255))

    # Menu item highlight: masked, 3 states of 21 x 15 at (129, 119); nothing in
    # state 0; a light rim over the section's light gradient.
    mx, my = 129, 119
    claim("MENUITEM", mx, my, 63, 30)
    for s in range(3):
        rim = [(0, 0, 0), (70, 120, 200), (40, 80, 150)][s]
        for j in range(15):
            for i in range(21):
                edge = i in (0, 20) or j in (0, 14)
                inner = i in (1, 19) or j in (1, 13)
                if s == 0:
                    c, m = (0, 0, 0), 255
                elif edge:
                    c, m = rim, 30
                elif inner:
                    c, m = (255, 255, 255), 150
                else:
                    c, m = (0, 0, 0), 255
                cv.put(mx + s * 21 + i, my + j, c)
                cv.put(mx + s * 21 + i, my + 15 + j, (m, m, m))
        if s:
            for (i, j) in ((0, 0), (20, 0), (0, 14), (20, 14)):
                cv.put(mx + s * 21 + i, my + 15 + j, (255, 255, 255))
    images.append(("MENUITEM", "BORDERSMASK", ref_border(mx, my, 63, 30, (0, 0, 0, 0), 3, 1, 7)))

    return cv, R


def draw_button_huge():
    """A large glossy button with a soft mask: three states of 96 x 96 over their masks."""
    cv = Canvas(288, 192)
    faces = BUTTON_STATES
    for s, (top, bottom, border, shine) in enumerate(faces):
        x0 = s * 96
        for j in range(96):
            for i in range(96):
                # rounded square of radius 14: distance outside the rounding
                dx = max(14 - i, 0, i - 81)
                dy = max(14 - j, 0, j - 81)
                d = (dx * dx + dy * dy) ** 0.5 - 14 if dx and dy else max(dx, dy) - 14
                d = max(d, -99)
                t = j / 95
                face = mix(top, bottom, t if t < 0.5 else 0.5 + (t - 0.5) * 1.0)
                if j < 46:
                    face = mix(face, (255, 255, 255), 0.18 * (1 - j / 46))
                if -2.0 < d <= 0:
                    face = mix(face, border, 0.8)
                elif -3.5 < d <= -2.0:
                    face = mix(face, shine, 0.5)
                cover = 1.0 if d <= -0.5 else 0.0 if d >= 0.5 else 0.5 - d
                m = round(255 * (1 - cover))
                cv.put(x0 + i, j, face if cover > 0 else (0, 0, 0))
                cv.put(x0 + i, 96 + j, (m, m, m))
    return cv.img


def to_palettised(img):
    """8-bit picture whose palette keeps the key colour exact (index 255)."""
    w, h = img.size
    src = img.load()
    base = img.copy()
    bp = base.load()
    keyed = [(x, y) for y in range(h) for x in range(w) if src[x, y] == KEY]
    for (x, y) in keyed:
        bp[x, y] = (0, 0, 0)
    q = base.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = q.getpalette()[:255 * 3]
    pal += [0] * (255 * 3 - len(pal))
    pal += list(KEY)
    q.putpalette(pal)
    qp = q.load()
    for (x, y) in keyed:
        qp[x, y] = 255
    return q


def options_text(R):
    """The option text; sections in the skin's fixed order with their parents."""
    ref = {
        "BUTTON": R["BUTTON_REF"], "EDIT": R["EDIT_REF"], "CHECKHOVER": R["CHECKHOVER_REF"],
    }

    def border(name, borders, count=1, drawmode=0, masktype=0, width=0):
        x, y, w, h = R[name]
        return ref_border(x, y, w, h, borders, count, masktype, drawmode, width)

    def glyph(name, count=1, masktype=0):
        x, y, w, h = R[name]
        return ref_glyph(x, y, w, h, count, masktype)

    c = cref
    g = {k: v for (s, k, v) in images if s == "GLOBALINFO"}
    menu_hot = "16777215;16182233;50;0;0;16182233;15784633;4;0;0;15784633;15784633;44;0;0;15784633;15784633;0;0;0"
    title_grad = "0;8874591;97;0;0;8874591;8874591;0;0;0"
    form_grad = f"{c(FORM_TOP)};{c(FORM_BOTTOM)};100;0;0"
    plate_grad = f"{c((104, 116, 148))};{c((64, 73, 98))};100;0;0"

    S = []  # (section, [(key, value)])

    def sec(name, *pairs, parent=None):
        keys = ([("PARENTCLASS", parent)] if parent else []) + list(pairs)
        S.append((name, keys))

    sec("GLOBALINFO",
        ("VERSION", "6.4"), ("AUTHOR", ""), ("DESCRIPTION", ""), ("MASTERBITMAP", "MASTER.BMP"),
        ("COLOR", c(SKIN)), ("FONTCOLOR", c(TEXT)), ("HOTCOLOR", c((214, 224, 245))), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("BORDERWIDTH", 4), ("TITLEHEIGHT", 26), ("FORMOFFSET", 8), ("SHADOW1COLOR", 0), ("SHADOW1OFFSET", 0),
        ("SHADOW1BLUR", -1), ("SHADOW1TRANSPARENCY", 0), ("BISPACE", -1), ("BIVALIGN", 1), ("BILEFT", 2),
        ("BIRIGHT", 1), ("BIKEEPHUE", 2), ("BORDERCOLOR", c(INK)),
        ("BOXCHECKED", g["BOXCHECKED"]), ("BOXUNCHECKED", g["BOXUNCHECKED"]), ("BOXGRAYED", g["BOXGRAYED"]),
        ("RADIOCHECKED", g["RADIOCHECKED"]), ("RADIOUNCHECKED", g["RADIOUNCHECKED"]), ("RADIOGRAYED", g["RADIOGRAYED"]),
        ("SMALLCHECKED", g["BOXCHECKED"]), ("SMALLUNCHECKED", g["BOXUNCHECKED"]), ("SMALLGRAYED", g["BOXGRAYED"]),
        ("CHECK", glyph("CHECK", 2)), ("GRIPIMAGE", glyph("GRIPIMAGE")),
        ("BICONCLOSE", glyph("BICONCLOSE", 3)), ("BICONMAX", glyph("BICONMAX", 3)), ("BICONNORM", glyph("BICONNORM", 3)),
        ("BICONMIN", glyph("BICONMIN", 3)), ("BICONHELP", glyph("BICONHELP", 3)),
        ("SICONCLOSE", glyph("SICONCLOSE")), ("SICONMAX", glyph("SICONMAX")), ("SICONNORM", glyph("SICONNORM")),
        ("SICONMIN", glyph("SICONMIN")), ("SICONHELP", glyph("SICONHELP")),
        ("TITLEBUTTON", glyph("BUTTON", 3)))
    sec("TABSHEET", ("COLOR", c(FORM_BOTTOM)), ("FONTCOLOR", c(TEXT)), ("BORDERSMASK", border("PANEL_LOW", (1, 1, 1, 1))))
    sec("MENULINE", ("COLOR", c((50, 57, 76))), ("FONTCOLOR", c(TEXT)), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("HOTCOLOR", c((84, 104, 146))), ("BORDERSMASK", border("MENULINE", (0, 0, 0, 1), 1, 1)))
    sec("BUTTON_BIG", ("FONTCOLOR", -1), parent="BUTTON")
    sec("MENUITEM", ("COLOR", c(MENU_BG)), ("FONTCOLOR", c(TEXT)), ("TRANSPARENCY", 100),
        ("HOTCOLOR", 15784633), ("HOTFONTCOLOR", c((14, 22, 44))), ("HOTTRANSPARENCY", 50),
        ("HOTGRADIENTPERCENT", 100), ("HOTGRADIENTDATA", menu_hot),
        ("BORDERSMASK", next(v for (s, k, v) in images if s == "MENUITEM")))
    sec("SPLITTER", parent="SPEEDBUTTON_SMALL")
    sec("TABCONTROL", parent="PAGECONTROL")
    sec("TABCONTROLLEFT", parent="PAGECONTROLLEFT")
    sec("TABCONTROLRIGHT", parent="PAGECONTROLRIGHT")
    sec("TABCONTROLBOTTOM", parent="PAGECONTROLBOTTOM")
    sec("COMBOBOX", ("GLYPHMASK", glyph("COMBOARROW", 3)), parent="EDIT")
    sec("ALPHACOMBOBOX", ("GLYPHMASK", glyph("COMBOARROW", 3)), parent="ALPHAEDIT")
    sec("GAUGE", ("COLOR", c((36, 41, 55))), ("FONTCOLOR", c(TEXT)),
        ("BORDERSMASK", border("PROGRESSTRACK", (3, 3, 3, 3), 1, 5)),
        ("PROGRESS", border("PROGRESSBARH", (2, 2, 2, 2), 1, 5)))
    sec("GROUPBOX", ("TRANSPARENCY", 100), ("FONTCOLOR", c((176, 198, 240))), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("BORDERSMASK", border("GROUPBOX", (0, 0, 0, 0), 1, 0, 1, 7)))
    sec("TRACKBAR", ("TRANSPARENCY", 100), ("FONTCOLOR", c(TEXT)),
        ("BORDERSMASK", border("TRACKGROOVE", (3, 0, 3, 0), 1, 1)), ("GLYPHMASK", glyph("THUMB", 3)))
    sec("DIALOG", parent="FORM")
    sec("STATUSBAR", ("COLOR", c((70, 79, 103))), ("FONTCOLOR", c(TEXT)),
        ("BORDERSMASK", border("STATUSBAR", (1, 1, 1, 1), 1, 5)),
        ("STATUSPANELMASK", border("STATUSPANEL", (1, 1, 1, 1), 1, 5)))
    sec("RADIOBUTTON", ("TRANSPARENCY", 100), ("HOTTRANSPARENCY", 100), ("FONTCOLOR", c(TEXT)),
        ("HOTFONTCOLOR", c(WHITE_TEXT)), ("BORDERSMASK", ref["CHECKHOVER"]))
    sec("CHECKBOX", ("TRANSPARENCY", 100), ("HOTTRANSPARENCY", 100), ("FONTCOLOR", c(TEXT)),
        ("HOTFONTCOLOR", c(WHITE_TEXT)), ("BORDERSMASK", ref["CHECKHOVER"]))
    sec("EDIT", ("COLOR", 15454149), ("FONTCOLOR", c(DARK_TEXT)), ("HOTCOLOR", c((224, 232, 250))),
        ("HOTFONTCOLOR", c((8, 12, 24))), ("SHOWFOCUS", "FALSE"), ("BORDERSMASK", ref["EDIT"]))
    sec("DIVIDER", ("TRANSPARENCY", 100), ("BORDERSMASK", border("DIVIDER", (0, 1, 0, 1), 1, 1)))
    sec("WEBBUTTON", ("TRANSPARENCY", 100), ("FONTCOLOR", c(ACCENT)), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("BORDERSMASK", border("TOOLPLATE", (3, 3, 3, 3), 3, 7)))
    sec("MAINMENU", ("COLOR", c(MENU_BG)), ("FONTCOLOR", c(TEXT)),
        ("BORDERSMASK", border("MAINMENU", (0, 0, 0, 0), 1, 0, 0, 2)))
    sec("EXTRALINE", ("COLOR", c(DEEP)), ("FONTCOLOR", c(TEXT)), ("GRADIENTPERCENT", 100),
        ("GRADIENTDATA", f"{c((70, 80, 108))};{c(DEEP)};100;0;0"), ("BORDERSMASK", border("PANEL_LOW", (1, 1, 1, 1))))
    sec("HINT", ("COLOR", c(DEEP)), ("FONTCOLOR", c(TEXT)), ("BORDERSMASK", border("HINT", (2, 2, 2, 2), 1, 4)))
    sec("SPEEDBUTTON", ("TRANSPARENCY", 100), ("FONTCOLOR", c(TEXT)), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("FADINGENABLED", "TRUE"), ("FADINGITERATIONS", 5), ("FADINGINTERVALIN", 12), ("FADINGINTERVALOUT", 18),
        ("BORDERSMASK", border("TOOLPLATE", (3, 3, 3, 3), 3, 7)))
    sec("SPEEDBUTTON_SMALL", ("TRANSPARENCY", 100), ("FONTCOLOR", c(TEXT)), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("BORDERSMASK", border("TOOLPLATE", (3, 3, 3, 3), 3, 7)))
    sec("TOOLBUTTON", ("TRANSPARENCY", 100), ("FONTCOLOR", c(TEXT)), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("BORDERSMASK", border("TOOLPLATE", (3, 3, 3, 3), 3, 7)))
    sp = border("SCROLLPLATE", (3, 3, 3, 3), 3, 5)
    track = border("SCROLLTRACK", (1, 1, 1, 1), 1, 5)
    sec("SCROLLSLIDERH", ("BORDERSMASK", sp), ("GLYPHMASK", glyph("GRIPH")))
    sec("SCROLLBAR2H", ("COLOR", c((44, 50, 66))), ("BORDERSMASK", track))
    sec("SCROLLBAR1H", ("COLOR", c((44, 50, 66))), ("BORDERSMASK", track))
    sec("SCROLLBAR2V", ("COLOR", c((44, 50, 66))), ("BORDERSMASK", track))
    sec("SCROLLBAR1V", ("COLOR", c((44, 50, 66))), ("BORDERSMASK", track))
    sec("SCROLLBTNLEFT", ("BORDERSMASK", sp), ("GLYPHMASK", glyph("ARROWLEFT")))
    sec("SCROLLBTNRIGHT", ("BORDERSMASK", sp), ("GLYPHMASK", glyph("ARROWRIGHT")))
    sec("SCROLLSLIDERV", ("BORDERSMASK", sp), ("GLYPHMASK", glyph("GRIPV")))
    sec("SCROLLBTNTOP", ("BORDERSMASK", sp), ("GLYPHMASK", glyph("ARROWTOP")))
    sec("SCROLLBTNBOTTOM", ("BORDERSMASK", sp), ("GLYPHMASK", glyph("ARROWBOTTOM")))
    sec("FORMTITLE", ("COLOR", 0), ("FONTCOLOR", c((150, 158, 178))), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("TCBOTTOM", c((8, 9, 13))), ("HOTTCBOTTOM", c((8, 9, 13))),
        ("GRADIENTPERCENT", 100), ("GRADIENTDATA", title_grad),
        ("HOTCOLOR", 0), ("HOTGRADIENTPERCENT", 100), ("HOTGRADIENTDATA", title_grad),
        ("BORDERSMASK", next(v for (s, k, v) in images if s == "FORMTITLE")))
    sec("ALPHAEDIT", ("COLOR", 15454149), ("FONTCOLOR", c(DARK_TEXT)), ("HOTCOLOR", c((224, 232, 250))),
        ("HOTFONTCOLOR", c((8, 12, 24))), ("BORDERSMASK", ref["EDIT"]))
    sec("FORM", ("COLOR", c(FORM_BOTTOM)), ("HOTCOLOR", c(FORM_BOTTOM)), ("FONTCOLOR", c(TEXT)),
        ("HOTFONTCOLOR", c(TEXT)), ("GRADIENTPERCENT", 100), ("GRADIENTDATA", form_grad),
        ("HOTGRADIENTPERCENT", 100), ("HOTGRADIENTDATA", form_grad), ("SUID", "WMP11-FORM"),
        ("BORDERSMASK", next(v for (s, k, v) in images if s == "FORM")))
    sec("GRIPH", ("COLOR", c(SKIN)), ("BORDERSMASK", border("GRIPBAR", (3, 0, 3, 0), 1, 1)))
    sec("DRAGBAR", ("FONTCOLOR", c(WHITE_TEXT)), ("BORDERSMASK", border("DRAGBAR", (2, 0, 2, 0), 1, 5)), parent="PANEL")
    sec("ICOLINE", ("COLOR", c((58, 66, 88))), ("GRADIENTPERCENT", 100),
        ("GRADIENTDATA", f"{c((70, 80, 106))};{c((50, 57, 76))};100;1;0"), ("BORDERSMASK", "N/A"))
    sec("BUTTON_HUGE", ("BORDERSMASK", "!BUTTONHUGE24.BMP!3!1!0!0047!0047!0047!0047"), parent="BUTTON_BIG")
    sec("PAGECONTROL", ("COLOR", c((72, 82, 108))), ("BORDERSMASK", border("PAGECONTROL", (2, 2, 2, 2), 1, 0)),
        parent="PANEL")
    sec("TABTOP", ("COLOR", c((84, 95, 123))), ("FONTCOLOR", c(TEXT)), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("BORDERSMASK", border("TABTOP", (4, 4, 4, 2), 3, 5)))
    sec("PAGECONTROLBOTTOM", parent="PAGECONTROL")
    sec("PAGECONTROLLEFT", parent="PAGECONTROL")
    sec("PAGECONTROLRIGHT", parent="PAGECONTROL")
    sec("TABBOTTOM", ("BORDERSMASK", border("TABBOTTOM", (4, 2, 4, 4), 3, 5)), parent="TABTOP")
    sec("TABLEFT", ("COLOR", c((84, 95, 123))), ("FONTCOLOR", c(TEXT)), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("BORDERSMASK", border("TABLEFT", (4, 4, 2, 4), 3, 5)))
    sec("TABRIGHT", parent="TABLEFT")
    sec("BARTITLE", ("FONTCOLOR", c(WHITE_TEXT)), ("BORDERSMASK", border("BARTITLE", (1, 1, 1, 1), 1, 5)))
    sec("PANEL", ("COLOR", c(SKIN)), ("FONTCOLOR", c(TEXT)), ("BORDERSMASK", border("PANEL", (1, 1, 1, 1))))
    sec("PANEL_LOW", ("COLOR", c((70, 79, 103))), ("FONTCOLOR", c(TEXT)),
        ("BORDERSMASK", border("PANEL_LOW", (1, 1, 1, 1))))
    sec("BUTTON", ("COLOR", c((84, 95, 123))), ("FONTCOLOR", c((230, 235, 245))), ("HOTFONTCOLOR", c(WHITE_TEXT)),
        ("TCBOTTOM", c((24, 28, 38))), ("HOTTCBOTTOM", c((16, 30, 60))), ("SHOWFOCUS", "TRUE"),
        ("FADINGENABLED", "TRUE"), ("FADINGITERATIONS", 5), ("FADINGINTERVALIN", 12), ("FADINGINTERVALOUT", 18),
        ("SUID", "WMP11-BUTTON"), ("BORDERSMASK", ref["BUTTON"]))
    sec("TOOLBAR", ("COLOR", c((58, 66, 88))), ("FONTCOLOR", c(TEXT)), ("GRADIENTPERCENT", 100),
        ("GRADIENTDATA", plate_grad), ("BORDERSMASK", border("BARTITLE", (1, 1, 1, 1), 1, 1)), parent="PANEL")
    sec("BARPANEL", ("COLOR", c((64, 73, 98))), ("FONTCOLOR", c(TEXT)), ("BORDERSMASK", border("PANEL", (1, 1, 1, 1))))
    sec("BAR", ("COLOR", c((58, 66, 88))), ("FONTCOLOR", c(TEXT)), ("BORDERSMASK", border("PANEL_LOW", (1, 1, 1, 1))))
    sec("DIVIDERV", ("COLOR", c(MENU_BG)), ("TRANSPARENCY", 100),
        ("BORDERSMASK", border("DIVIDERV", (3, 1, 3, 1), 1, 1)))
    sec("PROGRESSV", ("COLOR", c((36, 41, 55))), ("BORDERSMASK", border("PROGRESSTRACK", (3, 3, 3, 3), 1, 5)),
        ("PROGRESS", border("PROGRESSBARV", (2, 2, 2, 2), 1, 5)))
    sec("PROGRESSH", ("COLOR", c((36, 41, 55))), ("BORDERSMASK", border("PROGRESSTRACK", (3, 3, 3, 3), 1, 5)),
        ("PROGRESS", border("PROGRESSBARH", (2, 2, 2, 2), 1, 5)))

    lines = ["; Wakespan embedded skin \"WMP11 (internal)\": dark blue-grey with light text.",
             "; Generated by resources/skin/draw_skin.py together with Master.bmp and ButtonHuge24.bmp.", ""]
    for name, keys in S:
        lines.append(f"[{name}]")
        lines += [f"{k}={v}" for k, v in keys]
        lines.append("")
    return "\r\n".join(lines)


def main():
    os.makedirs(OUT, exist_ok=True)
    cv, R = draw_master()
    to_palettised(cv.img).save(os.path.join(OUT, "Master.bmp"))
    draw_button_huge().save(os.path.join(OUT, "ButtonHuge24.bmp"))
    with open(os.path.join(OUT, "Options.dat"), "w", newline="") as f:
        f.write(options_text(R))


if __name__ == "__main__":
    main()
