#!/usr/bin/python3
"""Draws the pictures that show the program's name, one per text language.

Each shows the program's name as the localisation file gives it for that
language ("Dialog.Main.Caption"): the name "Trellan" large and bold, the
rest of the name in a smaller type on the line before or after it, in
reading order. The main window's banner (Banner<Language>.bmp) sets the
name on a green band; the splash (Splash<Language>.bmp) on a football pitch.
The pictures are 24-bit BMPs written to OUTDIR (default resources/pictures);
the build takes them as they are, so run this again after changing the
caption and check in the result.

Needs Pillow (python3-pil) and the DejaVu fonts (fonts-dejavu-core). The
output depends only on the localisation file and those two packages.
"""

import argparse
import os
import re
import sys
from collections import namedtuple

from PIL import Image, ImageDraw, ImageFont

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
TEXTS = os.path.join(REPO, "data", "trdata", "DatabaseEditor.txt")
PICTURES = os.path.join(REPO, "resources", "pictures")
CAPTION_KEY = "Dialog.Main.Caption"
# The localisation file's column order.
LANGUAGES = ["English", "French", "German", "Italian", "Spanish", "Polish"]
FONTS = "/usr/share/fonts/truetype/dejavu"
OVERSAMPLING = 4

# The pitch of the splash.
PITCH_SIZE = (420, 240)
BOARD = (72, 82, 347, 158)
BOARD_COLOUR = (16, 58, 34)
LINE_COLOUR = (230, 240, 230)
LINE_WIDTH = 2
PITCH_INSET = 4
CENTRE_RADIUS = 62
# Depth and height of the penalty areas and of the goal areas.
PENALTY_AREA = (56, 120)
GOAL_AREA = (20, 56)

# The hyphen of a compound such as "Trellan-Datenbankeditor" stays with the
# brand, the way the compound would break at the line end.
NAME_PARTS = re.compile(r"(?P<before>.*?)\s*(?P<brand>Trellan-?)\s*(?P<after>.*)")


def read_captions(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        for line in f.read().split("\r\n"):
            fields = line.split("|")
            if fields[0] == CAPTION_KEY:
                if len(fields) != 1 + len(LANGUAGES):
                    raise ValueError(f"{CAPTION_KEY} holds {len(fields) - 1} texts, not {len(LANGUAGES)}")
                return fields[1:]
    raise ValueError(f"{path} holds no {CAPTION_KEY}")


def split_name(caption):
    """The brand and the rest of the name, and whether the brand comes first."""
    parts = NAME_PARTS.fullmatch(caption)
    if parts is None or bool(parts["before"]) == bool(parts["after"]):
        raise ValueError(f'"{caption}" must begin or end with the name Trellan')
    return parts["brand"], parts["before"] or parts["after"], not parts["before"]


def font(face):
    name, size = face
    # The basic layout, which every Pillow has: with libraqm's shaping the
    # letters would stand where the installed HarfBuzz puts them.
    return ImageFont.truetype(os.path.join(FONTS, name), size * OVERSAMPLING, layout_engine=ImageFont.Layout.BASIC)


def draw_line(picture, layout, position, text, style, caption):
    """Sets the text in a mask OVERSAMPLING times the picture's size and
    lays the colour through its average: at that size the font's hinting
    moves a stem or a letter by a fraction of a pixel only, so other
    FreeType versions draw nearly the same picture."""
    face, colour = style
    typeface = font(face)
    width, height = picture.size
    mask = Image.new("L", (width * OVERSAMPLING, height * OVERSAMPLING))
    draw = ImageDraw.Draw(mask)
    x, y = position
    if x is None:
        x = (width - draw.textlength(text, font=typeface) / OVERSAMPLING) // 2
    pen = (x * OVERSAMPLING, y * OVERSAMPLING)
    left, _, right, _ = (edge / OVERSAMPLING for edge in draw.textbbox(pen, text, font=typeface))
    if left < layout.margin or right > width - layout.margin:
        raise ValueError(f'"{text}" of "{caption}" runs from pixel {left:.0f} to {right:.0f} '
                         f"of the {width}-pixel picture")
    draw.text(pen, text, font=typeface, fill=255)
    picture.paste(colour, (0, 0, width, height), mask.resize(picture.size, Image.BOX))


def draw_name(picture, layout, caption):
    brand, rest, brand_first = split_name(caption)
    places = layout.brand_first if brand_first else layout.brand_last
    draw_line(picture, layout, places["brand"], brand, layout.brand, caption)
    draw_line(picture, layout, places["rest"], rest, layout.rest, caption)
    return picture


def draw_band(size, colour_of_row):
    picture = Image.new("RGB", size)
    draw = ImageDraw.Draw(picture)
    width, height = size
    for y in range(height):
        draw.line([(0, y), (width - 1, y)], fill=colour_of_row(y))
    return picture


def draw_banner_band():
    return draw_band((204, 42), lambda y: (24, 96 + y, 52 + y // 2))


def draw_pitch():
    """The pitch, seen from above: touch lines, halfway line, centre circle,
    penalty and goal areas, and the board that carries the name. No pixel
    is pure black, since the splash window takes black as transparent."""
    width, height = PITCH_SIZE
    picture = draw_band(PITCH_SIZE, lambda y: (20, 70 + y // 3, 40 + y // 5))
    draw = ImageDraw.Draw(picture)
    inset = PITCH_INSET
    draw.rectangle([inset, inset, width - 1 - inset, height - 1 - inset], outline=LINE_COLOUR, width=LINE_WIDTH)
    centre_x, centre_y = width // 2, height // 2
    draw.line([(centre_x, inset), (centre_x, height - 1 - inset)], fill=LINE_COLOUR, width=LINE_WIDTH)
    draw.ellipse([centre_x - CENTRE_RADIUS, centre_y - CENTRE_RADIUS, centre_x + CENTRE_RADIUS,
                  centre_y + CENTRE_RADIUS], outline=LINE_COLOUR, width=LINE_WIDTH)
    for depth, area_height in (PENALTY_AREA, GOAL_AREA):
        top, bottom = centre_y - area_height // 2, centre_y + area_height // 2
        draw.rectangle([inset, top, inset + depth, bottom], outline=LINE_COLOUR, width=LINE_WIDTH)
        draw.rectangle([width - 1 - inset - depth, top, width - 1 - inset, bottom], outline=LINE_COLOUR,
                       width=LINE_WIDTH)
    draw.rectangle(BOARD, fill=BOARD_COLOUR, outline=LINE_COLOUR, width=LINE_WIDTH)
    return picture


# background: draws the picture without the name, in its size; margin: the
# room kept free at the left and right edges; brand, rest: font and colour
# of the two lines; brand_first, brand_last: the lines' pen positions
# (x, y), x None for a line centred across the picture.
Layout = namedtuple("Layout", "background margin brand rest brand_first brand_last")

# The main window's banner; the splash's name stands on a board across the
# pitch's centre circle.
PICTURE_KINDS = {
    "Banner": Layout(background=draw_banner_band, margin=10,
                     brand=(("DejaVuSans-Bold.ttf", 20), (255, 255, 255)),
                     rest=(("DejaVuSans.ttf", 11), (220, 240, 220)),
                     brand_first={"brand": (10, 3), "rest": (12, 26)},
                     brand_last={"rest": (12, 5), "brand": (10, 16)}),
    "Splash": Layout(background=draw_pitch, margin=80,
                     brand=(("DejaVuSans-Bold.ttf", 36), (255, 255, 255)),
                     rest=(("DejaVuSans.ttf", 15), (220, 240, 220)),
                     brand_first={"brand": (None, 88), "rest": (None, 133)},
                     brand_last={"rest": (None, 91), "brand": (None, 110)}),
}


def draw_picture(kind, caption):
    layout = PICTURE_KINDS[kind]
    return draw_name(layout.background(), layout, caption)


def draw_pictures(captions):
    """Every picture by its file name."""
    return {f"{kind}{language}.bmp": draw_picture(kind, caption)
            for kind in PICTURE_KINDS
            for language, caption in zip(LANGUAGES, captions)}


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("outdir", nargs="?", default=PICTURES)
    parser.add_argument("--texts", default=TEXTS, help="the localisation file")
    args = parser.parse_args(argv)
    # All are drawn before any is written, so a name that does not fit
    # leaves the checked-in pictures as they were.
    pictures = draw_pictures(read_captions(args.texts))
    os.makedirs(args.outdir, exist_ok=True)
    for name, picture in pictures.items():
        picture.save(os.path.join(args.outdir, name), "BMP")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except ValueError as error:
        sys.exit(f"draw_name_pictures: {error}")
