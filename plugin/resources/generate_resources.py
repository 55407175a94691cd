#!/usr/bin/env python3
"""Draws the module's pictures and compiles the resource image that Linux builds carry.

Writes device.ico (16 x 16), logo.bmp (128 x 147) and device.bmp (128 x 189), all 8 bits per
pixel with a 256-colour palette, then compiles TSFQYPB15100101.rc with the Windows resource
compiler and writes its output as resource_image.inc. Run it after changing a picture or the
.rc file; the build itself does not run it.
"""

import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCE_COMPILER = os.environ.get("WINDRES", "i686-w64-mingw32-windres")

# Palette: the colours the pictures use first, then a 6x6x6 colour cube and a grey ramp.
NAMED = {
    "white": (255, 255, 255),
    "black": (0, 0, 0),
    "brand": (0, 84, 159),
    "brand_dark": (0, 48, 97),
    "brand_light": (120, 170, 220),
    "steel": (176, 184, 192),
    "steel_dark": (112, 120, 128),
    "steel_light": (220, 226, 232),
    "glass": (200, 226, 210),
    "sky": (236, 242, 248),
}
PALETTE = list(NAMED.values())
for r in range(6):
    for g in range(6):
        for b in range(6):
            PALETTE.append((r * 51, g * 51, b * 51))
while len(PALETTE) < 256:
    level = (len(PALETTE) - 226) * 8 + 8
    PALETTE.append((level, level, level))
COLOUR = {name: index for index, name in enumerate(NAMED)}

# 5 x 7 glyphs, one string of five bits per row.
FONT = {
    " ": ["00000"] * 7,
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
}


class Canvas:
    """Palette indices, row 0 at the top."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[COLOUR[background]] * width for _ in range(height)]

    def point(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = COLOUR[colour]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.point(x, y, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        for y in range(cy - ry, cy + ry + 1):
            for x in range(cx - rx, cx + rx + 1):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    self.point(x, y, colour)

    def text(self, x, y, text, colour, scale=1):
        for char in text:
            for row, bits in enumerate(FONT[char]):
                for column, bit in enumerate(bits):
                    if bit == "1":
                        self.rect(x + column * scale, y + row * scale,
                                  x + (column + 1) * scale, y + (row + 1) * scale, colour)
            x += 6 * scale

    def centred_text(self, y, text, colour, scale=1):
        width = (len(text) * 6 - 1) * scale
        self.text((self.width - width) // 2, y, text, colour, scale)


def mark(canvas, cx, cy, radius):
    """The maker's mark: a ring with a tail, a stylised Q."""
    canvas.ellipse(cx, cy, radius, radius, "brand")
    canvas.ellipse(cx, cy, radius * 5 // 8, radius * 5 // 8, "white")
    canvas.ellipse(cx, cy, radius * 3 // 8, radius * 3 // 8, "brand_light")
    tail = max(1, radius // 4)
    for step in range(radius // 2 + 1):
        canvas.rect(cx + step, cy + step, cx + step + tail, cy + step + tail, "brand_dark")


def logo():
    canvas = Canvas(128, 147, "white")
    mark(canvas, 64, 52, 40)
    canvas.centred_text(104, "QUENNERBY", "brand_dark", 2)
    canvas.rect(14, 124, 114, 126, "brand")
    canvas.centred_text(132, "FLOW MEASUREMENT", "steel_dark")
    return canvas


def device():
    canvas = Canvas(128, 189, "sky")
    # Transmitter head with its display window.
    canvas.ellipse(64, 44, 38, 34, "steel_dark")
    canvas.ellipse(64, 44, 35, 31, "steel")
    canvas.ellipse(64, 44, 22, 19, "steel_dark")
    canvas.ellipse(64, 44, 19, 16, "glass")
    canvas.rect(52, 40, 76, 48, "brand_dark")
    # Neck down to the meter body.
    canvas.rect(56, 78, 72, 124, "steel_dark")
    canvas.rect(58, 78, 70, 124, "steel")
    # Meter body between two flanges, the pipe running across.
    canvas.rect(10, 124, 24, 178, "steel_dark")
    canvas.rect(104, 124, 118, 178, "steel_dark")
    canvas.rect(24, 132, 104, 170, "steel")
    canvas.rect(24, 146, 104, 156, "steel_light")
    for bolt in (130, 172):
        canvas.ellipse(17, bolt, 3, 3, "black")
        canvas.ellipse(111, bolt, 3, 3, "black")
    # The caption across the picture.
    canvas.rect(0, 90, 128, 112, "brand")
    canvas.centred_text(94, "KELVANE 40", "white", 2)
    return canvas


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, image_size, 2835, 2835, 256, 0)


def index_rows(canvas):
    """Bottom-up rows of palette indices, each padded to four bytes."""
    stride = (canvas.width + 3) & ~3
    return b"".join(bytes(row) + bytes(stride - canvas.width) for row in reversed(canvas.pixels))


def bitmap_file(canvas):
    pixels = index_rows(canvas)
    body = info_header(canvas.width, canvas.height, len(pixels)) + palette_bytes() + pixels
    offset = 14 + 40 + 1024
    return struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, offset) + body


def icon_file(canvas, transparent):
    colours = index_rows(canvas)
    mask = b""
    for row in reversed(transparent):
        bits = 0
        for x, clear in enumerate(row):
            if clear:
                bits |= 0x80000000 >> x
        mask += struct.pack(">I", bits)
    image = (info_header(canvas.width, canvas.height * 2, len(colours) + len(mask)) +
             palette_bytes() + colours + mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", canvas.width, canvas.height, 0, 0, 1, 8, len(image), 22)
    return directory + entry + image


def icon():
    canvas = Canvas(16, 16, "white")
    mark(canvas, 7, 7, 7)
    transparent = [[((x - 7.5) ** 2 + (y - 7.5) ** 2) > 8.2 ** 2 for x in range(16)]
                   for y in range(16)]
    return icon_file(canvas, transparent)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


def compile_image():
    with tempfile.TemporaryDirectory() as work:
        output = os.path.join(work, "image.res")
        subprocess.run([RESOURCE_COMPILER, "-I", HERE, "-O", "res", "-i",
                        os.path.join(HERE, "TSFQYPB15100101.rc"), "-o", output], check=True)
        with open(output, "rb") as image:
            return image.read()


def include_file(image):
    lines = ["// Generated by generate_resources.py from TSFQYPB15100101.rc; do not edit.\n"]
    for start in range(0, len(image), 16):
        lines.append(",".join(str(byte) for byte in image[start:start + 16]) + ",\n")
    return "".join(lines).encode("ascii")


def main():
    write("device.ico", icon())
    write("logo.bmp", bitmap_file(logo()))
    write("device.bmp", bitmap_file(device()))
    write("resource_image.inc", include_file(compile_image()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
