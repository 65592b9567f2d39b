#!/usr/bin/python3
"""Regenerates every picture the program embeds, into resources/.

    /usr/bin/python3 resources/art/draw_art.py

Needs Python 3 with PIL (Debian: python3-pil). The output is deterministic:
running it again gives byte-identical files.
"""

import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import formats  # noqa: E402
import motifs  # noqa: E402
import power  # noqa: E402
import shadows  # noqa: E402

RES = os.path.dirname(HERE)
ICON_SIZES = (48, 32, 24, 16)


def strip(entries):
    pictures = [motifs.render(func) for _, func, _ in entries]
    out = Image.new("RGBA", (16 * len(pictures), 16), (0, 0, 0, 0))
    for i, p in enumerate(pictures):
        out.paste(p, (16 * i, 0))
    return out


def main():
    def path(name):
        return os.path.join(RES, name)

    formats.write_ico(path("wakespan.ico"), [power.power_button(s) for s in ICON_SIZES])
    formats.write_bmp(path("power64.bmp"), power.power_button(64))
    formats.write_bmp(path("power48.bmp"), power.power_button(48))
    formats.write_bmp(path("stop_hand24.bmp"), power.stop_hand(24))
    formats.write_bmp(path("imagelist1.bmp"), strip(motifs.IMAGELIST1))
    formats.write_bmp(path("imagelist2.bmp"), strip(motifs.IMAGELIST2))
    # The control-panel item's own picture is 24-bit: no alpha, magenta key.
    panel = motifs.render(motifs.monitor_control_panel)
    formats.write_bmp(path("menu_control_panel.bmp"), formats.flatten_on_key(panel), bpp=24)
    formats.write_bmp(path("menu_admin_tools.bmp"), motifs.render(motifs.gears_window_check))
    formats.write_png(path("shadow_active.png"), shadows.window_shadow("active"))
    formats.write_png(path("shadow_inactive.png"), shadows.window_shadow("inactive"))
    print("pictures written to " + RES)


if __name__ == "__main__":
    main()
