#!/usr/bin/env python3
"""Reads the colour picker's screenshot with ImageMagick and checks the
centre of each of its 64 cells against the kit palette.

Usage: probe-picker-cells.py <picture.bmp> <client-origin.txt>
The origin file holds "x y", where the client area begins in the picture.
"""
import re
import subprocess
import sys

# The 64 kit colours, rows of eight, RRGGBB.
PALETTE = [
    0xFF5555, 0x0EB102, 0x01BADC, 0xFFF000, 0xAC7928, 0x98CED8, 0xDC0191, 0xFFFFFF,
    0xFF0000, 0x0B9201, 0x019DB9, 0xFFD200, 0x896020, 0x779DA4, 0xDC01B5, 0xE6E3E3,
    0xE30404, 0x087400, 0x00758B, 0xFFC000, 0x62420F, 0x5D7B80, 0xDC01D4, 0xC9C9C9,
    0xC90000, 0x02B165, 0x009CFF, 0xFFA200, 0xB96D35, 0x90CA88, 0xCA01DC, 0xAAA7A7,
    0xB00202, 0x00602B, 0x0060FF, 0xFF8A00, 0x995B2E, 0x678E62, 0xB001DC, 0x808080,
    0x950000, 0x79940D, 0x0223CC, 0xFF7200, 0x77441E, 0x486444, 0x9601DC, 0x5F5F5F,
    0x790000, 0x516500, 0x4200FF, 0xFF5400, 0xAC8B28, 0xFFEC94, 0x8201DC, 0x383838,
    0x5C0000, 0x2E3D00, 0x3205B4, 0xFF2400, 0x7B631B, 0xC9BA73, 0x5C009C, 0x000000,
]

# Cells of 24 x 20 pixels at a pitch of 26 x 22, 4 pixels in from the corner.
MARGIN, PITCH_X, PITCH_Y, WIDTH, HEIGHT = 4, 26, 22, 24, 20


def pixels(picture):
    """Every pixel of the picture as ImageMagick reads it: {(x, y): RRGGBB}."""
    text = subprocess.run(["convert", picture, "-depth", "8", "txt:-"], check=True, capture_output=True, text=True).stdout
    found = {}
    for line in text.splitlines():
        match = re.match(r"(\d+),(\d+): .*?#([0-9A-Fa-f]{6})", line)
        if match:
            found[(int(match.group(1)), int(match.group(2)))] = int(match.group(3), 16)
    return found


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2]) as file:
        left, top = (int(v) for v in file.read().split())
    seen = pixels(sys.argv[1])
    wrong = []
    for index, colour in enumerate(PALETTE):
        column, row = index % 8, index // 8
        x = left + MARGIN + column * PITCH_X + WIDTH // 2
        y = top + MARGIN + row * PITCH_Y + HEIGHT // 2
        got = seen.get((x, y))
        if got != colour:
            wrong.append("cell %d at (%d, %d): %s, not %06X" % (index, x, y, "none" if got is None else "%06X" % got, colour))
    for line in wrong:
        print(line)
    if wrong:
        sys.exit(1)
    print("64 cells match the palette")


if __name__ == "__main__":
    main()
