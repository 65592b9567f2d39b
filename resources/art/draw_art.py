#!/usr/bin/python3
"""Regenerates every picture the program embeds, into resources/.

    /usr/bin/python3 resources/art/draw_art.py          write the files
    /usr/bin/python3 resources/art/draw_art.py --check  only compare them

Needs Python 3 with PIL (Debian: python3-pil). The output is deterministic:
running it again gives byte-identical files, so --check fails (exit 1) only
when a committed picture no longer matches its source.
"""

import os
import sys

sys.dont_write_bytecode = True

from PIL import Image  # noqa: E402

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


def build():
    """File name -> file contents for every generated picture."""
    panel = motifs.render(motifs.monitor_control_panel)
    return {
        "wakespan.ico": formats.ico_bytes([power.power_button(s) for s in ICON_SIZES]),
        "power64.bmp": formats.bmp_bytes(power.power_button(64)),
        "power48.bmp": formats.bmp_bytes(power.power_button(48)),
        "stop_hand24.bmp": formats.bmp_bytes(power.stop_hand(24)),
        "imagelist1.bmp": formats.bmp_bytes(strip(motifs.IMAGELIST1)),
        "imagelist2.bmp": formats.bmp_bytes(strip(motifs.IMAGELIST2)),
        # The control-panel item's own picture is 24-bit: no alpha, magenta key.
        "menu_control_panel.bmp": formats.bmp_bytes(formats.flatten_on_key(panel), bpp=24),
        "menu_admin_tools.bmp": formats.bmp_bytes(motifs.render(motifs.gears_window_check)),
        "shadow_active.png": formats.png_bytes(shadows.window_shadow("active")),
        "shadow_inactive.png": formats.png_bytes(shadows.window_shadow("inactive")),
    }


def main():
    check = "--check" in sys.argv[1:]
    stale = []
    for name, data in build().items():
        path = os.path.join(RES, name)
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                stale.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if stale:
        print("out of date: " + ", ".join(stale))
        return 1
    print(("pictures match their sources in " if check else "pictures written to ") + RES)
    return 0


if __name__ == "__main__":
    sys.exit(main())
