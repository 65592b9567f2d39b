"""The 16 x 16 menu pictures, one function per motif.

Each function draws on a fresh 16 x 16 canvas. IMAGELIST1 and IMAGELIST2
give the order of the pictures in the two image-list strips.
"""

import math

from canvas import Canvas, vgrad
from parts import (BLUE, CARTON, DARK, GREEN, ORANGE, PAPER, RED, STEEL, WHITE, YELLOW,
                   ball, check, clock, cube, folder, gear, globe, glyph_cross, glyph_i,
                   glyph_question, gloss, monitor, page, plate, screen_shine, window)

FULL = (0, 0, 16, 16)


def info_disc(c):
    ball(c, FULL, BLUE)
    glyph_i(c, 8, 3)


def help_disc(c):
    ball(c, FULL, BLUE)
    glyph_question(c)


def green_disc(c):
    ball(c, FULL, GREEN)


def red_cross_disc(c):
    ball(c, FULL, RED)
    glyph_cross(c, 5, 5, 11, 11, WHITE)


def yellow_cross_disc(c):
    ball(c, FULL, BLUE)
    glyph_cross(c, 4.5, 4.5, 11.5, 11.5, (255, 220, 40), width=2.4, edge=(120, 80, 0))


def red_cross_square(c):
    inner = plate(c, (1, 1, 15, 15), RED, radius=2.5)
    gloss(c, inner, (1, 1, 15, 15), strength=110)
    glyph_cross(c, 5, 5, 11, 11, WHITE)


def _box_with_disc(c, pal, front_art):
    # Carton seen from the front-left: front face, lid and right side.
    front = c.poly([(0, 5), (10, 5), (10, 15), (0, 15)])
    lid = c.poly([(0, 5), (3, 1), (14, 1), (10, 5)])
    side = c.poly([(10, 5), (14, 1), (14, 11), (10, 15)])
    whole = c.union(front, lid, side)
    c.fill(whole, pal.edge)
    inner = c.grow(whole, -1)
    c.fill(c.clip(lid, inner), pal.hi)
    c.fill(c.clip(front, inner), pal.grad(5, 15))
    c.fill(c.clip(side, inner), pal.lo)
    c.fill(c.clip(c.rect((10, 5, 11, 15)), whole), pal.edge)
    c.fill(c.clip(c.union(c.rect((0, 5, 11, 6)), c.line([(10.5, 5.5), (14, 2)], 1, cap=False)), whole), pal.edge)
    front_art(c)
    # A compact disc leaning against the front.
    cd_box = (7, 7, 16, 16)
    cd = c.ellipse(cd_box)
    c.outlined(cd, (84, 92, 108), vgrad(7, 16, (252, 253, 255), (176, 188, 208)))
    inner_cd = c.grow(cd, -1)
    c.fill(c.clip(c.poly([(11.5, 11.5), (8, 7), (11, 7)]), inner_cd), (120, 180, 255), opacity=0.8)
    c.fill(c.clip(c.poly([(11.5, 11.5), (16, 10), (16, 13)]), inner_cd), (255, 140, 200), opacity=0.7)
    c.fill(c.clip(c.poly([(11.5, 11.5), (13, 16), (10, 16)]), inner_cd), (255, 220, 90), opacity=0.7)
    c.fill(c.disc(11.5, 11.5, 1.5), (84, 92, 108))
    c.fill(c.disc(11.5, 11.5, 0.7), (240, 242, 246))


def software_box(c):
    def art(cc):
        cc.fill(cc.rect((1, 7, 10, 9)), BLUE.grad(7, 9))
        cc.fill(cc.rect((2, 10, 6, 11)), (200, 40, 30))
    _box_with_disc(c, CARTON, art)


def grey_carton(c):
    _box_with_disc(c, STEEL, lambda cc: None)


def calculator(c):
    plate(c, (2, 0, 14, 16), DARK, radius=1.5)
    c.fill(c.rect((4, 2, 12, 5)), (40, 60, 40))
    c.fill(c.rect((5, 3, 11, 4)), (190, 230, 170))
    c.fill(c.rect((9, 3, 10, 4)), (40, 60, 40))
    for row, y in enumerate((7, 10, 13)):
        for col, x in enumerate((4, 7, 10)):
            colour = (255, 150, 40) if (row, col) == (2, 2) else (236, 240, 246)
            c.fill(c.rect((x, y, x + 2, y + 2)), colour)


def monitor_control_panel(c):
    scr = monitor(c)
    window(c, (scr[0] + 1, scr[1], scr[2] - 1, scr[3]))
    for x, colour in ((4, (230, 60, 40)), (7, (60, 170, 60)), (10, (250, 190, 30))):
        c.fill(c.rect((x, 7, x + 2, 9)), colour)


def gears_window_check(c):
    gear(c, 12.5, 4, 3.5, 2.4, 6, 0.8, phase=0.25)
    gear(c, 6, 6, 6, 4.3, 8, 1.2)
    window(c, (6, 8, 15, 16))
    check(c, 8.5, 9)


def calendar_clock(c):
    plate(c, (1, 1, 14, 15), PAPER, radius=1)
    c.fill(c.rect((2, 2, 13, 5)), RED.grad(2, 5))
    for x in (4, 10):
        c.fill(c.rect((x, 0, x + 1, 3)), DARK.edge)
    for y in (6, 8, 10, 12):
        for x in (3, 5, 7, 9, 11):
            c.fill(c.rect((x, y, x + 1, y + 1)), (150, 160, 178))
    clock(c, (7, 7, 16, 16))


def monitor_paint(c):
    scr = monitor(c, screen=BLUE)
    c.fill(c.disc(5, 4.5, 1.5), (255, 226, 60))
    hill = c.clip(c.ellipse((1, 6.5, 15, 16)), c.rect(scr))
    c.fill(hill, GREEN.grad(7, 10))
    # Brush lying across the lower right corner, tip on the screen.
    handle, ferrule, hair = [(15.4, 15.4), (11.6, 11.6)], [(11.6, 11.6), (9.8, 9.8)], [(9.8, 9.8), (7.4, 7.4)]
    brush = c.union(c.line(handle, 2.2), c.line(ferrule, 2.6), c.line(hair, 2.6))
    c.fill(c.grow(brush, 0.7), (50, 26, 8))
    c.fill(c.line(handle, 2.2), vgrad(11, 16, (236, 170, 90), (170, 90, 30)))
    c.fill(c.line(ferrule, 2.6), STEEL.grad(9, 12))
    c.fill(c.line(hair, 2.6), (226, 40, 30))


def monitor_arrow(c):
    scr = monitor(c)
    screen_shine(c, scr)
    arrow = c.poly([(3, 5.5), (8, 5.5), (8, 3.5), (12, 6.5), (8, 9.5), (8, 7.5), (3, 7.5)])
    c.fill(c.grow(arrow, 0.6), GREEN.edge)
    c.fill(arrow, GREEN.grad(3, 10))


def folder_window_check(c):
    folder(c, (0, 2, 14, 14))
    window(c, (5, 5, 13, 12))
    check(c, 8.5, 9)


def globe_window_check(c):
    globe(c, (0, 0, 12, 12))
    window(c, (5, 6, 14, 14))
    check(c, 8.5, 9)


def keyboard(c):
    body = c.round_rect((0, 4, 16, 13), 1.5)
    c.outlined(body, STEEL.edge, vgrad(4, 13, (250, 251, 252), (176, 184, 196)))
    c.fill(c.rect((1, 11, 15, 12)), (150, 158, 172))
    key = (92, 100, 116)
    for y, xs in ((6, range(2, 14, 2)), (8, range(3, 14, 2))):
        for x in xs:
            c.fill(c.rect((x, y, x + 1, y + 1)), key)
    c.fill(c.rect((4, 10, 12, 11)), key)


def globe_clock(c):
    globe(c, (0, 0, 13, 13))
    clock(c, (7, 7, 16, 16))


def mouse(c):
    cord = c.line([(8, 3), (8.5, 1.2), (10.5, 0.6), (13, 1)], 1.1)
    c.fill(cord, DARK.lo)
    body = c.ellipse((3, 2, 13, 16))
    c.outlined(body, STEEL.edge, vgrad(2, 16, (252, 253, 254), (172, 180, 194)))
    c.fill(c.clip(c.rect((7.5, 2, 8.5, 8)), body), STEEL.edge)
    c.fill(c.clip(c.rect((3, 7.5, 13, 8.5)), body), STEEL.edge)
    c.fill(c.clip(c.rect((4, 3, 7.5, 7.5)), c.grow(body, -1)), (255, 255, 255), opacity=0.6)


def monitor_window_check(c):
    scr = monitor(c)
    window(c, (scr[0] + 1, scr[1], scr[2] - 2, scr[3]))
    check(c, 8.5, 8)


def console(c):
    window(c, (0, 1, 16, 15), body=(18, 20, 28))
    # The ">" as a two-pixel staircase, then the cursor bar.
    for y, x in ((6, 2), (7, 3), (8, 4), (9, 3), (10, 2)):
        c.fill(c.rect((x, y, x + 2, y + 1)), (230, 236, 244))
    c.fill(c.rect((7, 10, 10, 11)), (230, 236, 244))


def monitor_info(c):
    scr = monitor(c)
    screen_shine(c, scr)
    ball(c, (7, 7, 16, 16), BLUE)
    c.fill(c.rect((11, 9, 12, 10)), WHITE)
    c.fill(c.rect((11, 11, 12, 14)), WHITE)


def notepad(c):
    plate(c, (2, 1, 14, 16), PAPER, radius=1)
    c.fill(c.rect((3, 2, 13, 4)), BLUE.grad(2, 4))
    for y in (6, 8, 10, 12):
        c.fill(c.rect((4, y, 12, y + 1)), (150, 186, 226))
    for x in (4, 7, 10):
        c.fill(c.rect((x, 0, x + 2, 3)), DARK.edge)
        c.fill(c.rect((x, 1, x + 1, 2)), (200, 206, 216))


def battery_plug(c):
    c.fill(c.rect((3, 1, 6, 3)), STEEL.edge)
    c.fill(c.rect((4, 2, 5, 3)), STEEL.hi)
    body = c.round_rect((1, 2, 8, 16), 1)
    c.fill(body, GREEN.edge)
    inner = c.grow(body, -1)
    c.fill(inner, vgrad(3, 15, (210, 216, 226), (150, 158, 172)))
    c.fill(c.clip(c.rect((2, 7, 7, 15)), inner), GREEN.grad(7, 15))
    c.fill(c.clip(c.rect((2, 7, 4, 15)), inner), WHITE, opacity=0.35)
    # Plug with two prongs and its cord.
    for x in (10, 13):
        c.fill(c.rect((x, 2, x + 1, 6)), (140, 148, 160))
    plate(c, (9, 5, 15, 11), DARK, radius=1)
    c.fill(c.line([(12, 11), (12, 13.5), (10.5, 15.5)], 1.2), DARK.edge)


def stacked_cubes(c):
    cube(c, 0, 7, 9, BLUE)
    cube(c, 7, 7, 9, GREEN)
    cube(c, 3, 0, 9, ORANGE)


def gear_wheel(c):
    gear(c, 8, 8, 7.5, 5.5, 8, 2.0)


def loudspeaker(c):
    cone = c.poly([(1, 5), (4, 5), (8, 1.5), (8, 14.5), (4, 11), (1, 11)])
    c.outlined(cone, DARK.edge, vgrad(1, 15, (190, 198, 212), (84, 92, 108)))
    c.fill(c.rect((4, 6, 5, 10)), DARK.edge, opacity=0.7)
    # Sound waves as pixel-fitted brackets: a straight run with stepped ends.
    for x, y0, y1 in ((10, 6, 10), (12, 4, 12), (14, 3, 13)):
        wave = c.union(c.rect((x, y0, x + 1, y1)), c.rect((x - 1, y0 - 1, x, y0)), c.rect((x - 1, y1, x, y1 + 1)))
        c.fill(wave, BLUE.lo)


def globe_orbit(c):
    globe(c, (1, 4, 13, 16))
    # An arrow circling over the globe, clockwise, head at the right.
    cx, cy, r = 7.5, 9.5, 7
    path = c.arc((cx - r, cy - r, cx + r, cy + r), 175, 305, 1.6)
    end = math.radians(310)
    tip = (cx + r * math.cos(end), cy + r * math.sin(end))
    head = c.poly([(tip[0] - 2.6, tip[1] - 1.6), (tip[0] + 2.6, tip[1] - 2.4), (tip[0] + 1.4, tip[1] + 2.6)])
    arrow = c.union(path, head)
    c.fill(c.grow(arrow, 0.6), ORANGE.edge)
    c.fill(arrow, ORANGE.grad(1, 10))


def computer_check(c):
    plate(c, (11, 2, 16, 16), STEEL, radius=1)
    c.fill(c.rect((12, 4, 15, 5)), DARK.lo)
    c.fill(c.rect((13, 13, 14, 14)), (60, 200, 60))
    monitor(c, (0, 1, 12, 11), screen=PAPER)
    check(c, 3, 2)


def monitor_graph(c):
    scr = monitor(c, screen=DARK)
    c.fill(c.rect(scr), (10, 22, 14))
    for x in (5, 9):
        c.fill(c.rect((x, scr[1], x + 1, scr[3])), (30, 70, 40))
    c.fill(c.rect((scr[0], 6, scr[2], 7)), (30, 70, 40))
    line = c.line([(2.5, 8.5), (5, 6), (7, 7.5), (9.5, 4), (11.5, 5.5), (13.5, 3.5)], 1.1, cap=False)
    c.fill(c.clip(line, c.rect(scr)), (90, 255, 90))


def _wave(x):
    return 0.9 * math.sin((x - 1) / 14 * math.pi * 1.6)


def waving_flag(c):
    panes = (
        (1, 8, 2, 7.5, RED),
        (8.5, 15, 1, 6.5, GREEN),
        (1, 8, 8, 13.5, BLUE),
        (8.5, 15, 7, 12.5, YELLOW),
    )
    for x0, x1, y0, y1, pal in panes:
        xs = [x0 + (x1 - x0) * k / 8 for k in range(9)]
        top = [(x, y0 + _wave(x)) for x in xs]
        bottom = [(x, y1 + _wave(x)) for x in reversed(xs)]
        shape = c.poly(top + bottom)
        c.outlined(shape, pal.edge, pal.grad(y0 - 1, y1 + 1))


def document_a(c):
    page(c, (2, 0, 14, 16))
    letter = (28, 60, 160)
    c.fill(c.line([(4.6, 14), (8, 3.6), (11.4, 14)], 2.0, cap=False), letter)
    c.fill(c.rect((6, 10, 10, 11.5)), letter)


IMAGELIST1 = [
    ("info", info_disc, "blue disc with a white i"),
    ("software_box", software_box, "software box with a disc"),
    ("grey_carton", grey_carton, "grey carton with a disc"),
    ("calculator", calculator, "calculator"),
    ("monitor_control_panel", monitor_control_panel, "monitor showing a control-panel window"),
    ("gears_window_check", gears_window_check, "gear wheels behind a window with a check mark"),
    ("calendar_clock", calendar_clock, "calendar page with a clock"),
    ("monitor_paint", monitor_paint, "monitor with a picture and a paint brush"),
    ("monitor_arrow", monitor_arrow, "monitor with a green arrow"),
    ("green_disc", green_disc, "green disc"),
    ("yellow_cross_disc", yellow_cross_disc, "yellow cross on a blue disc"),
    ("exit_square", red_cross_square, "red square with a white cross"),
    ("folder_window_check", folder_window_check, "folder with a window and a check mark"),
    ("bug_disc", red_cross_disc, "red disc with a white cross"),
    ("help", help_disc, "blue disc with a white question mark"),
    ("globe_window_check", globe_window_check, "globe with a window and a check mark"),
    ("keyboard", keyboard, "keyboard"),
    ("globe_clock", globe_clock, "globe with a clock"),
    ("mouse", mouse, "mouse"),
    ("monitor_window_check", monitor_window_check, "monitor showing a window with a check mark"),
    ("console", console, "console window with a prompt"),
    ("monitor_info", monitor_info, "monitor with an information sign"),
    ("notepad", notepad, "note pad"),
    ("battery_plug", battery_plug, "battery with a power plug"),
    ("stacked_cubes", stacked_cubes, "stacked cubes"),
    ("gear", gear_wheel, "gear wheel"),
    ("loudspeaker", loudspeaker, "loudspeaker"),
    ("globe_orbit", globe_orbit, "globe with an orbiting arrow"),
    ("computer_check", computer_check, "computer with a check mark on its screen"),
    ("monitor_graph", monitor_graph, "monitor with a green graph line"),
    ("waving_flag", waving_flag, "four-coloured waving window flag"),
    ("document_a", document_a, "document with a large letter A"),
]

IMAGELIST2 = [
    ("info", info_disc, "blue disc with a white i"),
    ("exit_square", red_cross_square, "red square with a white cross"),
    ("help", help_disc, "blue disc with a white question mark"),
    ("globe_orbit", globe_orbit, "globe with an orbiting arrow"),
    ("bug_disc", red_cross_disc, "red disc with a white cross"),
]


def render(func, size=16):
    c = Canvas(size)
    func(c)
    return c.result()
