#!/usr/bin/env python3
"""Writes the hostile skins the e2e check plants, one directory each:
python3 hostile_skins.py OUT_DIR, then OUT_DIR/<name>/Options.dat (+ images)."""
import os
import struct
import sys

EMBEDDED = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "skin", "WMP11")


def bmp(width, height, claimed=None, cut=None):
    """A 24-bit BMP; `claimed` lies about the size in the header, `cut` ends the data early."""
    row = (width * 3 + 3) & ~3
    pixels = bytes([0x40, 0x80, 0xC0]) * width
    data = b"".join(pixels + bytes(row - width * 3) for _ in range(height))
    w, h = claimed or (width, height)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    whole = header + info + data
    return whole[:cut] if cut else whole


def embedded_options():
    with open(os.path.join(EMBEDDED, "Options.dat"), encoding="latin-1") as f:
        return f.read()


def with_master(text, name="M.BMP"):
    lines = []
    for line in text.splitlines():
        lines.append("MASTERBITMAP=" + name if line.upper().startswith("MASTERBITMAP=") else line)
    return "\n".join(lines) + "\n"


def first(sections, text):
    """The hostile sections ahead of the skin's own: of sections of one name
    the loader reads only the first."""
    return sections.lstrip("\n") + "\n" + text


def skins():
    base = with_master(embedded_options())
    master = bmp(300, 200)
    yield "images-outside", first("\n[BUTTON]\nBORDERSMASK=^0900^0900^1000^1000^0004^0004^0004^0004^3^0^0^0\n",
                                  base.replace("BICONCLOSE=@0000@0000@0129@0020@3@0",
                                               "BICONCLOSE=@5000@5000@9129@9020@3@0")), {"M.BMP": master}
    yield "borders-wider", first("\n[FORM]\nBORDERSMASK=^0000^0000^0010^0010^0900^0900^0900^0900^2^0^0^0\n"
                                 "\n[EDIT]\nBORDERSMASK=^0000^0000^0006^0006^2000^0001^2000^0001^1^0^0^0\n", base), \
        {"M.BMP": master}
    yield "lying-header", base, {"M.BMP": bmp(300, 200, claimed=(30000, 20000), cut=5000)}
    yield "negative-header", base, {"M.BMP": bmp(300, 200, claimed=(-300, -2147483647))}
    yield "no-master", base, {}
    yield "parent-loop", first("\n[FORM]\nPARENTCLASS=FORMTITLE\n\n[FORMTITLE]\nPARENTCLASS=FORM\n"
                               "\n[BUTTON]\nPARENTCLASS=BUTTON\n\n[MENUITEM]\nPARENTCLASS=MAINMENU\n"
                               "\n[MAINMENU]\nPARENTCLASS=MENUITEM\n", base), {"M.BMP": master}
    yield "garbage-numbers", first("\n[BUTTON]\nCOLOR=99999999999999999999\nTRANSPARENCY=-300\n"
                                   "GRADIENTPERCENT=250\nGRADIENTDATA=1;2;3\nIMAGEPERCENT=-50\nFONTCOLOR=-7\n"
                                   "\n[FORM]\nGRADIENTPERCENT=100\nGRADIENTDATA=16777215;0;9999;7;0;0;0;-40;0;0\n",
                                   base), {"M.BMP": master}
    yield "files-outside", first("\n[BUTTON]\nBORDERSMASK=!..\\..\\..\\windows\\win.ini.BMP!1!0!0\n"
                                 "\n[EDIT]\nBORDERSMASK=!C:\\windows\\system32\\user32.dll.BMP!3!1!0\n"
                                 "\n[GROUPBOX]\nBORDERSMASK=!NOTANIMAGE.BMP!1!0!0\n", base), \
        {"M.BMP": master, "NOTANIMAGE.BMP": b"plain text\n" * 50}
    # Beyond the loader's limits, and just within them: 4000 sections in one
    # long parent chain ending at BUTTON, and a value of a megabyte.
    yield "huge-text", base + "".join(f"\n[SECTION{i}]\nCOLOR={i}\nPARENTCLASS=SECTION{i + 1}\n" for i in range(40000)), \
        {"M.BMP": master}
    yield "long-chain", first("\n[EDIT]\nPARENTCLASS=SECTION0\nDESCRIPTION=" + "x" * (1 << 20) + "\n", base) + \
        "".join(f"\n[SECTION{i}]\nPARENTCLASS=SECTION{i + 1}\n" for i in range(3800)) + \
        "\n[SECTION3800]\nPARENTCLASS=BUTTON\n", {"M.BMP": master}
    yield "empty-text", "", {"M.BMP": master}
    yield "binary-garbage", os.urandom(20000).decode("latin-1"), {"M.BMP": os.urandom(3000)}


def main():
    out = sys.argv[1]
    for name, text, files in skins():
        folder = os.path.join(out, name)
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "Options.dat"), "w", encoding="latin-1", newline="\r\n") as f:
            f.write(text)
        for file, data in files.items():
            with open(os.path.join(folder, file), "wb") as f:
                f.write(data)
        print(name)


if __name__ == "__main__":
    main()
