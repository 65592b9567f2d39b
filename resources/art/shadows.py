"""Window-shadow templates: a soft black shadow around an empty centre.

Each picture is SIZE x SIZE; the window rectangle it was drawn around is
the centre square [MARGIN, SIZE - MARGIN) on both axes, so a user slices it
nine ways at MARGIN pixels and stretches the edges along the window. The
centre itself is fully transparent (the window covers it).
"""

from canvas import Canvas

MARGIN = 14
SIZE = 2 * MARGIN + 12

# Active windows cast a deeper, softer shadow than inactive ones.
SHADOWS = {
    "active": dict(blur=4.5, drop=2, strength=0.55),
    "inactive": dict(blur=3.0, drop=1, strength=0.30),
}


def window_shadow(kind):
    p = SHADOWS[kind]
    c = Canvas(SIZE)
    win = (MARGIN, MARGIN, SIZE - MARGIN, SIZE - MARGIN)
    body = c.round_rect((win[0] - 1, win[1] - 1 + p["drop"], win[2] + 1, win[3] + 1 + p["drop"]), 2)
    c.fill(c.blur(body, p["blur"]), (0, 0, 0), opacity=p["strength"])
    c.erase(c.rect(win))
    return c.result()
