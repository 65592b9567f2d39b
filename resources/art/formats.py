"""Writers for the Windows picture formats the program embeds.

BMP: BITMAPFILEHEADER + BITMAPINFOHEADER (40 bytes), BI_RGB, rows stored
bottom-up (positive height), each row padded to 4 bytes. 32-bit files hold
B, G, R, A with straight (not premultiplied) alpha; LoadImage with
LR_CREATEDIBSECTION keeps the alpha byte.

ICO: one BITMAPINFOHEADER image per size (height doubled for the AND mask),
32-bit BGRA straight alpha bottom-up, followed by the 1-bit AND mask, which
is set where alpha is 0 so that old renderers still see the silhouette.

PNG files are written by PIL, which stores no time stamps, so every run
gives identical bytes.
"""

import io
import struct

from PIL import Image


def _row_bytes(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def _pixels_bottom_up(img, bpp):
    px = img.load()
    w, h = img.size
    stride = _row_bytes(w, bpp)
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b, a = px[x, y]
            row += bytes((b, g, r, a)) if bpp == 32 else bytes((b, g, r))
        row += bytes(stride - len(row))
        out += row
    return bytes(out)


def _info_header(width, height, bpp, image_size):
    # biSize, biWidth, biHeight, biPlanes, biBitCount, biCompression (BI_RGB),
    # biSizeImage, biXPelsPerMeter, biYPelsPerMeter (96 dpi), biClrUsed, biClrImportant
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, image_size, 3780, 3780, 0, 0)


def bmp_bytes(img, bpp=32):
    img = img.convert("RGBA")
    data = _pixels_bottom_up(img, bpp)
    info = _info_header(img.width, img.height, bpp, len(data))
    offset = 14 + len(info)
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return head + info + data


def read_bmp(path):
    """Reads back the BMP files written above (32 or 24 bit, either row order)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(path + ": not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    _, w, h, _, bpp, comp = struct.unpack_from("<IiiHHI", data, 14)
    if comp != 0 or bpp not in (24, 32):
        raise ValueError(path + ": only BI_RGB 24/32-bit is supported")
    stride = _row_bytes(w, bpp)
    rows = abs(h)
    if offset + stride * rows > len(data):
        raise ValueError(path + ": truncated pixel data")
    img = Image.new("RGBA", (w, rows))
    px = img.load()
    step = bpp // 8
    for r in range(rows):
        y = rows - 1 - r if h > 0 else r
        base = offset + r * stride
        for x in range(w):
            p = base + x * step
            b, g, red = data[p], data[p + 1], data[p + 2]
            a = data[p + 3] if bpp == 32 else 255
            px[x, y] = (red, g, b, a)
    return img


def _and_mask(img):
    w, h = img.size
    stride = _row_bytes(w, 1)
    px = img.load()
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if px[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def ico_bytes(images):
    """images: RGBA pictures, largest first, each at most 255 x 255."""
    blobs = []
    for img in images:
        img = img.convert("RGBA")
        xor = _pixels_bottom_up(img, 32)
        mask = _and_mask(img)
        blobs.append(_info_header(img.width, img.height * 2, 32, len(xor) + len(mask)) + xor + mask)
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", img.width, img.height, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def png_bytes(img):
    buf = io.BytesIO()
    img.save(buf, format="PNG", optimize=False)
    return buf.getvalue()


def flatten_on_key(img, key=(255, 0, 255), threshold=128):
    """24-bit version of an alpha picture: pixels at least half covered keep
    their colour at full strength, all others become the key colour, so a
    colour-keyed blit shows the same silhouette without coloured fringes."""
    out = Image.new("RGBA", img.size)
    src, dst = img.load(), out.load()
    for y in range(img.height):
        for x in range(img.width):
            r, g, b, a = src[x, y]
            dst[x, y] = (r, g, b, 255) if a >= threshold else key + (255,)
    return out
