"""Building blocks shared by the 16 x 16 menu pictures.

One style for all of them: light from above (vertical gradients, light on
top), a one-pixel outline in a dark shade of the object's own colour, a soft
white gloss on round objects, and shapes placed on whole pixels.
"""

import math

from canvas import gear_points, mix, vgrad

WHITE = (255, 255, 255)


class Pal:
    def __init__(self, hi, lo, edge):
        self.hi, self.lo, self.edge = hi, lo, edge

    def grad(self, y0, y1):
        return vgrad(y0, y1, self.hi, self.lo)


BLUE = Pal((132, 190, 250), (28, 94, 200), (16, 54, 126))
RED = Pal((255, 120, 100), (200, 26, 18), (112, 8, 4))
GREEN = Pal((150, 228, 112), (38, 150, 38), (18, 86, 20))
YELLOW = Pal((255, 238, 130), (238, 174, 24), (148, 94, 0))
ORANGE = Pal((255, 196, 96), (236, 110, 10), (146, 60, 0))
STEEL = Pal((246, 248, 250), (166, 174, 186), (78, 86, 100))
DARK = Pal((128, 136, 150), (58, 64, 76), (28, 32, 40))
PAPER = Pal((255, 255, 255), (226, 230, 238), (112, 120, 136))
SCREEN = Pal((104, 176, 244), (24, 72, 176), (20, 40, 90))
CARTON = Pal((236, 204, 148), (200, 152, 86), (120, 82, 32))
OCEAN = Pal((120, 196, 252), (22, 92, 196), (14, 52, 120))
LAND = Pal((150, 220, 90), (48, 150, 40), (30, 100, 30))


def gloss(c, shape, box, strength=150):
    """White sheen over the upper part of a round shape."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    sheen = c.clip(c.ellipse((x0 + w * 0.16, y0 + h * 0.06, x1 - w * 0.16, y0 + h * 0.56)), shape)
    c.fill(sheen, vgrad(y0, y0 + h * 0.56, (255, 255, 255, strength), (255, 255, 255, 0)))


def ball(c, box, pal, shine=True):
    """Glossy disc with an outline; returns the inner (fill) mask."""
    shape = c.ellipse(box)
    c.outlined(shape, pal.edge, pal.grad(box[1], box[3]))
    inner = c.grow(shape, -1)
    if shine:
        gloss(c, inner, box)
    return inner


def plate(c, box, pal, radius=1.5):
    """Rounded rectangle with outline and vertical light; returns inner mask."""
    shape = c.round_rect(box, radius)
    c.outlined(shape, pal.edge, pal.grad(box[1], box[3]))
    return c.grow(shape, -1)


# ---- glyphs on discs ---------------------------------------------------------

def glyph_i(c, cx, top, colour=WHITE):
    """Letter i two pixels wide: dot, gap, stem. cx is the stem's left edge + 1."""
    c.fill(c.rect((cx - 1, top, cx + 1, top + 2)), colour)
    c.fill(c.rect((cx - 1, top + 3, cx + 1, top + 9)), colour)


def glyph_question(c, colour=WHITE):
    pts = [(8 + 2.5 * math.cos(math.radians(a)), 5.6 + 2.5 * math.sin(math.radians(a))) for a in range(180, 421, 15)]
    pts += [(8, 8.6), (8, 9.4)]
    c.fill(c.line(pts, 2, cap=False), colour)
    c.fill(c.rect((7, 11, 9, 13)), colour)


def glyph_cross(c, x0, y0, x1, y1, colour, width=2.2, edge=None):
    arms = c.union(c.line([(x0, y0), (x1, y1)], width, cap=False), c.line([(x1, y0), (x0, y1)], width, cap=False))
    if edge:
        c.fill(c.grow(arms, 0.9), edge)
    c.fill(arms, colour)


# ---- badges ------------------------------------------------------------------

def check(c, x=9, y=8):
    """Green check mark in the 7 x 7 square at (x, y), dark-edged with a white halo."""
    pts = [(x + 1.2, y + 3.6), (x + 2.9, y + 5.3), (x + 5.6, y + 1.6)]
    c.fill(c.line(pts, 3.4), (255, 255, 255, 235))
    c.fill(c.line(pts, 2.7), GREEN.edge)
    c.fill(c.line(pts, 1.3), vgrad(y, y + 7, (130, 236, 100), (30, 160, 30)))


def clock(c, box):
    x0, y0, x1, y1 = box
    face = c.ellipse(box)
    c.outlined(face, DARK.edge, vgrad(y0, y1, WHITE, (214, 222, 234)))
    cx, cy = math.floor((x0 + x1) / 2), math.floor((y0 + y1) / 2)
    # Hands on whole pixels: up to twelve and across to three.
    c.fill(c.rect((cx, y0 + 2, cx + 1, cy + 1)), DARK.edge)
    c.fill(c.rect((cx, cy, x1 - 2.5, cy + 1)), (200, 30, 20))


def window(c, box, body=WHITE):
    """Small application window: outline, blue title bar, white body."""
    x0, y0, x1, y1 = box
    c.fill(c.rect(box), (46, 70, 118))
    c.fill(c.rect((x0 + 1, y0 + 1, x1 - 1, y0 + 3)), vgrad(y0 + 1, y0 + 3, (96, 160, 240), (36, 92, 200)))
    c.fill(c.rect((x0 + 1, y0 + 3, x1 - 1, y1 - 1)), body)


def monitor(c, box=(0, 1, 16, 12), stand=True, screen=SCREEN):
    """Flat monitor with a stand; returns the screen box (x0, y0, x1, y1)."""
    x0, y0, x1, y1 = box
    if stand:
        cx = (x0 + x1) / 2
        c.fill(c.rect((cx - 2, y1 - 1, cx + 2, y1 + 1)), DARK.lo)
        plate(c, (cx - 5, y1 + 1, cx + 5, y1 + 3.4), STEEL, radius=1)
    plate(c, box, STEEL, radius=1.5)
    scr = (x0 + 2, y0 + 2, x1 - 2, y1 - 2)
    c.fill(c.rect((scr[0] - 1, scr[1] - 1, scr[2] + 1, scr[3] + 1)), DARK.lo)
    c.fill(c.rect(scr), screen.grad(scr[1], scr[3]))
    return scr


def screen_shine(c, scr):
    """Diagonal reflection across a screen."""
    x0, y0, x1, y1 = scr
    band = c.clip(c.poly([(x0, y0), (x0 + (x1 - x0) * 0.6, y0), (x0, y1)]), c.rect(scr))
    c.fill(band, (255, 255, 255), opacity=0.22)


def globe(c, box):
    x0, y0, x1, y1 = box
    inner = ball(c, box, OCEAN, shine=False)
    w, h = x1 - x0, y1 - y0

    def at(u, v):
        return (x0 + u * w, y0 + v * h)

    land = c.union(
        c.poly([at(.22, .14), at(.48, .10), at(.52, .30), at(.40, .44), at(.44, .62), at(.30, .60), at(.14, .40)]),
        c.poly([at(.60, .22), at(.86, .26), at(.94, .48), at(.80, .56), at(.72, .88), at(.58, .70), at(.62, .48)]),
        c.poly([at(.30, .72), at(.44, .74), at(.40, .92), at(.28, .86)]),
    )
    c.fill(c.clip(land, inner), LAND.grad(y0, y1))
    gloss(c, inner, box, strength=130)
    return inner


def gear(c, cx, cy, r_out, r_in, teeth, hole, pal=STEEL, phase=0.0):
    shape = c.poly(gear_points(cx, cy, r_out, r_in, teeth, phase=phase))
    c.outlined(shape, pal.edge, pal.grad(cy - r_out, cy + r_out))
    c.fill(c.disc(cx, cy, hole + 1), pal.edge)
    c.erase(c.disc(cx, cy, hole))


def folder(c, box):
    x0, y0, x1, y1 = box
    back = c.union(c.round_rect((x0, y0 + 1, x1, y1), 1), c.round_rect((x0, y0, x0 + (x1 - x0) * 0.45, y0 + 3), 1))
    c.outlined(back, YELLOW.edge, vgrad(y0, y1, (240, 196, 70), (200, 140, 20)))
    front = c.poly([(x0, y0 + 4), (x1, y0 + 4), (x1, y1), (x0, y1)])
    c.outlined(front, YELLOW.edge, YELLOW.grad(y0 + 4, y1))


def page(c, box, fold=3):
    x0, y0, x1, y1 = box
    shape = c.poly([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    c.outlined(shape, PAPER.edge, PAPER.grad(y0, y1))
    corner = c.poly([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)])
    c.fill(corner, PAPER.edge)
    c.fill(c.poly([(x1 - fold + 1, y0 + 1.5), (x1 - fold + 1, y0 + fold - 0), (x1 - 1.5, y0 + fold)]), (214, 220, 230))
    return c.grow(shape, -1)


def cube(c, x, y, s, pal, d=2):
    """Cube in oblique view in an s x s box at (x, y): front square, lid
    slanting back by d pixels and the right side; light top, dark side."""
    f = s - d
    front = c.rect((x, y + d, x + f, y + s))
    top = c.poly([(x, y + d), (x + d, y), (x + s, y), (x + f, y + d)])
    side = c.poly([(x + f, y + d), (x + s, y), (x + s, y + f), (x + f, y + s)])
    whole = c.union(front, top, side)
    c.fill(whole, pal.edge)
    inner = c.grow(whole, -1)
    c.fill(c.clip(top, inner), mix(pal.hi, WHITE, 0.35))
    c.fill(c.clip(front, inner), pal.grad(y + d, y + s))
    c.fill(c.clip(side, inner), mix(pal.lo, pal.edge, 0.35))
    # Edges between the faces, on whole pixels.
    c.fill(c.rect((x, y + d, x + f, y + d + 1)), pal.edge)
    c.fill(c.rect((x + f - 1, y + d, x + f, y + s)), pal.edge)
