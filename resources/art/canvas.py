"""Supersampled drawing surface for the program's pictures.

Coordinates are given in output pixels (floats). A box (x0, y0, x1, y1)
covers x0 <= x < x1, so integer boxes land exactly on the pixel grid and
stay crisp after downsampling; a line of odd width is centred on .5.

Every shape is first rendered as a coverage mask at SS times the output
size, then composited with Porter-Duff "over" in the paint's colour.
The final picture is the box average of each SS x SS block, taken in
premultiplied form so that edge pixels keep their true colour.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SS = 8  # supersampling factor per axis


def mix(c0, c1, t):
    """Linear blend of two RGB(A) colours, t = 0 gives c0."""
    return tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))


class Linear:
    """Linear gradient between two points, with colour stops (t, rgba)."""

    def __init__(self, p0, p1, *stops):
        self.p0, self.p1 = p0, p1
        self.stops = [(t, tuple(c) + (255,) * (4 - len(c))) for t, c in stops]

    def colour_at(self, t):
        stops = self.stops
        if t <= stops[0][0]:
            return stops[0][1]
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
        return stops[-1][1]


def vgrad(y0, y1, top, bottom, *middle):
    """Vertical gradient from top colour at y0 to bottom colour at y1."""
    stops = [(0.0, top)] + list(middle) + [(1.0, bottom)]
    return Linear((0, y0), (0, y1), *stops)


class Canvas:
    def __init__(self, width, height=None):
        self.w = width
        self.h = height if height is not None else width
        self.img = Image.new("RGBA", (self.w * SS, self.h * SS), (0, 0, 0, 0))

    # ---- masks -------------------------------------------------------
    def _new_mask(self):
        return Image.new("L", self.img.size, 0)

    @staticmethod
    def _box(box):
        x0, y0, x1, y1 = box
        return (round(x0 * SS), round(y0 * SS), round(x1 * SS) - 1, round(y1 * SS) - 1)

    def rect(self, box):
        m = self._new_mask()
        ImageDraw.Draw(m).rectangle(self._box(box), fill=255)
        return m

    def round_rect(self, box, radius):
        m = self._new_mask()
        ImageDraw.Draw(m).rounded_rectangle(self._box(box), radius=max(0, round(radius * SS)), fill=255)
        return m

    def ellipse(self, box):
        m = self._new_mask()
        ImageDraw.Draw(m).ellipse(self._box(box), fill=255)
        return m

    def disc(self, cx, cy, r):
        return self.ellipse((cx - r, cy - r, cx + r, cy + r))

    def poly(self, points):
        m = self._new_mask()
        ImageDraw.Draw(m).polygon([(x * SS, y * SS) for x, y in points], fill=255)
        return m

    def line(self, points, width, cap=True):
        """Polyline of the given width with round joints (and round caps)."""
        m = self._new_mask()
        d = ImageDraw.Draw(m)
        # PIL centres wide lines half a sample late; shift so that a line of
        # width w around x covers exactly [x - w/2, x + w/2).
        pts = [(x * SS - 0.5, y * SS - 0.5) for x, y in points]
        d.line(pts, fill=255, width=max(1, round(width * SS)), joint="curve")
        if cap:
            r = width * SS / 2
            for x, y in (pts[0], pts[-1]):
                d.ellipse((x - r + 0.5, y - r + 0.5, x + r - 0.5, y + r - 0.5), fill=255)
        return m

    def arc(self, box, start, end, width):
        """Arc along the ellipse inscribed in box, angles in degrees clockwise from 3 o'clock."""
        m = self._new_mask()
        ImageDraw.Draw(m).arc(self._box(box), start, end, fill=255, width=max(1, round(width * SS)))
        return m

    # ---- mask algebra --------------------------------------------------
    @staticmethod
    def union(*masks):
        out = masks[0]
        for m in masks[1:]:
            out = ImageChops.lighter(out, m)
        return out

    @staticmethod
    def cut(mask, *holes):
        for h in holes:
            mask = ImageChops.subtract(mask, h)
        return mask

    @staticmethod
    def clip(mask, region):
        return ImageChops.multiply(mask, region)

    @staticmethod
    def shift(mask, dx, dy):
        return ImageChops.offset(mask, round(dx * SS), round(dy * SS))

    def grow(self, mask, px):
        """Dilate (px > 0) or erode (px < 0) a mask by px output pixels."""
        n = round(abs(px) * SS)
        if n == 0:
            return mask
        size = 2 * n + 1
        f = ImageFilter.MaxFilter(size) if px > 0 else ImageFilter.MinFilter(size)
        # Pad with empty space so shapes touching the edge erode from it too.
        padded = Image.new("L", (mask.width + 2 * n, mask.height + 2 * n), 0)
        padded.paste(mask, (n, n))
        return padded.filter(f).crop((n, n, n + mask.width, n + mask.height))

    def blur(self, mask, px):
        return mask.filter(ImageFilter.GaussianBlur(px * SS))

    # ---- painting ----------------------------------------------------------
    def _paint_image(self, paint):
        if isinstance(paint, Linear):
            return self._linear_image(paint)
        c = tuple(paint) + (255,) * (4 - len(paint))
        return Image.new("RGBA", self.img.size, c)

    def _linear_image(self, g):
        (x0, y0), (x1, y1) = g.p0, g.p1
        dx, dy = (x1 - x0), (y1 - y0)
        length2 = dx * dx + dy * dy
        W, H = self.img.size
        if dx == 0 or dy == 0:
            # Axis-aligned: render one line of colours and stretch it.
            vertical = dx == 0
            n = H if vertical else W
            strip = Image.new("RGBA", (1, n) if vertical else (n, 1))
            px = strip.load()
            for i in range(n):
                pos = (i + 0.5) / SS
                t = (pos - (y0 if vertical else x0)) / ((dy if vertical else dx))
                c = g.colour_at(t)
                if vertical:
                    px[0, i] = c
                else:
                    px[i, 0] = c
            return strip.resize((W, H), Image.NEAREST)
        out = Image.new("RGBA", (W, H))
        px = out.load()
        for j in range(H):
            for i in range(W):
                x, y = (i + 0.5) / SS, (j + 0.5) / SS
                px[i, j] = g.colour_at(((x - x0) * dx + (y - y0) * dy) / length2)
        return out

    def fill(self, mask, paint, opacity=1.0):
        layer = self._paint_image(paint)
        alpha = ImageChops.multiply(layer.getchannel("A"), mask)
        if opacity < 1.0:
            alpha = alpha.point(lambda v: round(v * opacity))
        layer.putalpha(alpha)
        self.img = Image.alpha_composite(self.img, layer)

    def erase(self, mask):
        """Make the covered area transparent again (punches holes)."""
        a = ImageChops.subtract(self.img.getchannel("A"), mask)
        self.img.putalpha(a)

    def outlined(self, mask, outline, paint, width=1.0):
        """The icon look: the shape in its outline colour with the fill inset by width."""
        self.fill(mask, outline)
        self.fill(self.grow(mask, -width), paint)

    # ---- output -----------------------------------------------------------
    def result(self):
        """Box-average every SS x SS block (premultiplied), straight RGBA out."""
        src = self.img.load()
        out = Image.new("RGBA", (self.w, self.h))
        dst = out.load()
        n = SS * SS
        for oy in range(self.h):
            for ox in range(self.w):
                sr = sg = sb = sa = 0
                for j in range(oy * SS, oy * SS + SS):
                    for i in range(ox * SS, ox * SS + SS):
                        r, g, b, a = src[i, j]
                        sr += r * a
                        sg += g * a
                        sb += b * a
                        sa += a
                if sa == 0:
                    dst[ox, oy] = (0, 0, 0, 0)
                else:
                    dst[ox, oy] = (
                        min(255, (sr + sa // 2) // sa),
                        min(255, (sg + sa // 2) // sa),
                        min(255, (sb + sa // 2) // sa),
                        (sa + n // 2) // n,
                    )
        return out


def gear_points(cx, cy, r_out, r_in, teeth, tooth_frac=0.5, phase=0.0):
    """Outline of a gear wheel: teeth with flat tops, as one polygon."""
    pts = []
    step = 2 * math.pi / teeth
    half_top = step * tooth_frac / 2
    half_base = half_top * 1.5
    for k in range(teeth):
        a = phase + k * step
        for ang, r in ((a - half_base, r_in), (a - half_top, r_out), (a + half_top, r_out), (a + half_base, r_in)):
            pts.append((cx + r * math.cos(ang), cy + r * math.sin(ang)))
    return pts
