"""The power-button motif (application icon, running-time and about
pictures) and the stop-sign glyph of the countdown Cancel button."""

from canvas import Canvas, vgrad

BODY_TOP = (196, 34, 30)
BODY_BOTTOM = (92, 6, 6)
BODY_EDGE = (58, 0, 0)
DISC_TOP = (255, 96, 72)
DISC_BOTTOM = (206, 20, 14)
WHITE = (255, 255, 255)

# Per canvas size: body box, corner radius, drop-shadow offset, disc
# radius (outer edge of the white ring), ring width, bar width and height.
# Centres fall on .5 for odd disc and bar widths so edges hit pixel lines.
POWER_LAYOUT = {
    64: dict(body=(2, 4, 57, 59), radius=11, shadow=(2, 1), disc=20.5, ring=3, bar=5, bar_h=19),
    48: dict(body=(2, 3, 43, 44), radius=8, shadow=(1, 1), disc=15.5, ring=2, bar=3, bar_h=15),
    32: dict(body=(1, 1, 30, 30), radius=6, shadow=(1, 1), disc=10.5, ring=2, bar=3, bar_h=9),
    24: dict(body=(0, 0, 23, 23), radius=4.5, shadow=(1, 1), disc=8.5, ring=1.5, bar=3, bar_h=7),
    16: dict(body=(0, 0, 16, 16), radius=3, shadow=None, disc=6, ring=1, bar=2, bar_h=6),
}


def power_button(size):
    p = POWER_LAYOUT[size]
    c = Canvas(size)
    x0, y0, x1, y1 = p["body"]
    body = c.round_rect(p["body"], p["radius"])
    if p["shadow"]:
        dx, dy = p["shadow"]
        c.fill(c.shift(body, dx, dy), (0, 0, 0), opacity=0.35)
    # Dark rim, then the body with light falling from the top.
    c.outlined(body, BODY_EDGE, vgrad(y0, y1, BODY_TOP, BODY_BOTTOM), width=1)
    # Gloss: a soft white sheen over the upper half of the body.
    inner = c.grow(body, -1)
    h = y1 - y0
    sheen = c.clip(c.ellipse((x0 - h * 0.3, y0 - h * 0.55, x1 + h * 0.3, y0 + h * 0.5)), inner)
    c.fill(sheen, vgrad(y0, y0 + h * 0.5, (255, 255, 255, 120), (255, 255, 255, 18)))

    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    r = p["disc"]
    ring_w = p["ring"]
    # Faint dark halo lifts the white ring off the body at large sizes.
    if size >= 32:
        c.fill(c.disc(cx, cy + 0.5, r + 1), (40, 0, 0), opacity=0.45)
    c.fill(c.disc(cx, cy, r), vgrad(cy - r, cy + r, WHITE, (226, 226, 230)))
    ri = r - ring_w
    c.fill(c.disc(cx, cy, ri), vgrad(cy - ri, cy + ri, DISC_TOP, DISC_BOTTOM))
    if size >= 24:
        gloss = c.clip(c.ellipse((cx - ri * 0.75, cy - ri * 0.95, cx + ri * 0.75, cy + ri * 0.1)), c.disc(cx, cy, ri))
        c.fill(gloss, vgrad(cy - ri, cy, (255, 255, 255, 110), (255, 255, 255, 0)))
    # The switch bar, short and centred in the disc.
    bw, bh = p["bar"], p["bar_h"]
    bar_box = (cx - bw / 2, cy - bh / 2, cx + bw / 2, cy + bh / 2)
    if size >= 32:
        c.fill(c.shift(c.round_rect(bar_box, bw / 2), 0, 1), (90, 0, 0), opacity=0.5)
        c.fill(c.round_rect(bar_box, bw / 2), WHITE)
    else:
        c.fill(c.rect(bar_box), WHITE)
    return c.result()


STOP_RED_TOP = (236, 52, 40)
STOP_RED_BOTTOM = (170, 12, 8)
STOP_EDGE = (110, 0, 0)


def octagon(c, x0, y0, x1, y1, cut):
    return c.poly([
        (x0 + cut, y0), (x1 - cut, y0), (x1, y0 + cut), (x1, y1 - cut),
        (x1 - cut, y1), (x0 + cut, y1), (x0, y1 - cut), (x0, y0 + cut),
    ])


def stop_hand(size=24):
    """Red octagon with a white rim and a white raised hand (24 x 24)."""
    c = Canvas(size)
    s = size / 24.0
    outer = octagon(c, 0, 0, 24 * s, 24 * s, 7 * s)
    c.fill(outer, STOP_EDGE)
    c.fill(c.grow(outer, -1), WHITE)
    red = c.grow(outer, -2)
    c.fill(red, vgrad(2, 22 * s, STOP_RED_TOP, STOP_RED_BOTTOM))
    sheen = c.clip(c.ellipse((1 * s, -6 * s, 23 * s, 11 * s)), red)
    c.fill(sheen, vgrad(2, 11 * s, (255, 255, 255, 80), (255, 255, 255, 0)))

    # Hand: four fingers two pixels wide with one-pixel gaps, palm, thumb.
    fingers = [(7, 5.6), (10, 4.0), (13, 4.4), (16, 6.0)]
    parts = [c.line([((x + 1) * s, (top + 1) * s), ((x + 1) * s, 13 * s)], 2 * s) for x, top in fingers]
    parts.append(c.round_rect((7 * s, 11.5 * s, 18 * s, 17.5 * s), 2.5 * s))
    parts.append(c.rect((9 * s, 15 * s, 16 * s, 19.5 * s)))
    parts.append(c.line([(5.4 * s, 10.6 * s), (7.8 * s, 15.4 * s)], 2.2 * s))
    hand = c.clip(Canvas.union(*parts), c.grow(outer, -2.0))
    # A soft dark shadow one pixel down keeps the hand readable on the red.
    c.fill(c.shift(hand, 0, 1), (90, 0, 0), opacity=0.4)
    c.fill(hand, vgrad(4, 21, WHITE, (222, 224, 230)))
    return c.result()
