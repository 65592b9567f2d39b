#!/usr/bin/python3
"""Contact sheets of the generated pictures, for review and screenshots.

Reads the committed files (so it shows exactly what the program embeds),
enlarges every pixel to a square block and lays each picture out on a light
and on a dark background, with its index below.

    /usr/bin/python3 resources/art/contact_sheet.py [OUTDIR]   (default /tmp)

Writes OUTDIR/imagelist1_sheet.png, imagelist2_sheet.png, power_sheet.png
and actual_size.png (everything at 1:1 and 2:1 on menu-like colours).
"""

import os
import sys

sys.dont_write_bytecode = True

from PIL import Image, ImageDraw  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from formats import read_bmp  # noqa: E402

RES = os.path.dirname(HERE)
LIGHT = (240, 240, 240, 255)
DARK = (44, 48, 58, 255)


def load(name):
    path = os.path.join(RES, name)
    if name.endswith(".bmp"):
        return read_bmp(path)
    if name.endswith(".ico"):
        ico = Image.open(path)
        return [ico.ico.getimage(size).convert("RGBA") for size in sorted(ico.ico.sizes(), reverse=True)]
    return Image.open(path).convert("RGBA")


def split_strip(strip, cell):
    return [strip.crop((i * cell, 0, i * cell + cell, cell)) for i in range(strip.width // cell)]


def tile(img, scale, bg):
    base = Image.new("RGBA", img.size, bg)
    base.alpha_composite(img)
    return base.resize((img.width * scale, img.height * scale), Image.NEAREST)


def sheet(pictures, scale, columns, labels=True):
    cell_w = max(p.width for p in pictures) * scale
    cell_h = max(p.height for p in pictures) * scale
    pad, label_h = 6, 14 if labels else 0
    rows = (len(pictures) + columns - 1) // columns
    W = columns * (2 * cell_w + 3 * pad)
    H = rows * (cell_h + label_h + 2 * pad)
    out = Image.new("RGBA", (W, H), (255, 255, 255, 255))
    d = ImageDraw.Draw(out)
    for i, p in enumerate(pictures):
        col, row = i % columns, i // columns
        x = col * (2 * cell_w + 3 * pad) + pad
        y = row * (cell_h + label_h + 2 * pad) + pad
        out.paste(tile(p, scale, LIGHT), (x, y))
        out.paste(tile(p, scale, DARK), (x + cell_w + pad, y))
        if labels:
            d.text((x, y + cell_h + 1), str(i), fill=(0, 0, 0, 255))
    return out


def actual_size(groups):
    """Every picture at 1:1 and 2:1 on a menu-like light and a dark strip."""
    rows = []
    for pics in groups:
        for scale in (1, 2):
            for bg in (LIGHT, DARK, (255, 255, 255, 255)):
                w = sum(p.width * scale + 4 for p in pics) + 4
                h = max(p.height for p in pics) * scale + 8
                row = Image.new("RGBA", (w, h), bg)
                x = 4
                for p in pics:
                    big = p.resize((p.width * scale, p.height * scale), Image.NEAREST)
                    row.alpha_composite(big, (x, 4))
                    x += big.width + 4
                rows.append(row)
    out = Image.new("RGBA", (max(r.width for r in rows), sum(r.height for r in rows)), (255, 255, 255, 255))
    y = 0
    for r in rows:
        out.paste(r, (0, y))
        y += r.height
    return out


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else "/tmp"
    il1 = split_strip(load("imagelist1.bmp"), 16)
    il2 = split_strip(load("imagelist2.bmp"), 16)
    own = [load("menu_control_panel.bmp"), load("menu_admin_tools.bmp")]
    power = load("wakespan.ico") + [load("power48.bmp"), load("power64.bmp"), load("stop_hand24.bmp")]
    shadows = [load("shadow_active.png"), load("shadow_inactive.png")]
    sheet(il1, 8, 8).save(os.path.join(outdir, "imagelist1_sheet.png"))
    sheet(il2 + own, 8, 7).save(os.path.join(outdir, "imagelist2_sheet.png"))
    sheet(power, 4, 4).save(os.path.join(outdir, "power_sheet.png"))
    sheet(shadows, 3, 2).save(os.path.join(outdir, "shadow_sheet.png"))
    actual_size([il1, il2 + own, power]).save(os.path.join(outdir, "actual_size.png"))
    print("contact sheets written to " + outdir)


if __name__ == "__main__":
    main()
