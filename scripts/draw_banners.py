#!/usr/bin/python3
"""Draws the main window's six banners, one per text language.

Each banner shows the program's name as the localisation file gives it for
that language ("Dialog.Main.Caption"): the name "Trellan" large and bold,
the rest of the name in a smaller type on the line before or after it, in
reading order. The pictures are 24-bit BMPs written to OUTDIR (default
resources/pictures) as Banner<Language>.bmp; the build takes them as they
are, so run this again after changing the caption and check in the result.

Needs Pillow (python3-pil) and the DejaVu fonts (fonts-dejavu-core). The
output depends only on the localisation file and those two packages.
"""

import argparse
import os
import re
import sys

from PIL import Image, ImageDraw, ImageFont

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
TEXTS = os.path.join(REPO, "data", "trdata", "DatabaseEditor.txt")
PICTURES = os.path.join(REPO, "resources", "pictures")
CAPTION_KEY = "Dialog.Main.Caption"
# The localisation file's column order.
LANGUAGES = ["English", "French", "German", "Italian", "Spanish", "Polish"]

FONTS = "/usr/share/fonts/truetype/dejavu"
WIDTH, HEIGHT = 204, 42
MARGIN = 10
BRAND_FONT = ("DejaVuSans-Bold.ttf", 20)
BRAND_COLOUR = (255, 255, 255)
REST_FONT = ("DejaVuSans.ttf", 11)
REST_COLOUR = (220, 240, 220)
# Pen positions (x, y) of the two lines: the brand on top, or below.
BRAND_FIRST = {"brand": (MARGIN, 3), "rest": (MARGIN + 2, 26)}
BRAND_LAST = {"rest": (MARGIN + 2, 5), "brand": (MARGIN, 16)}

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
    return ImageFont.truetype(os.path.join(FONTS, name), size)


def draw_line(draw, position, text, face, colour, caption):
    typeface = font(face)
    right = draw.textbbox(position, text, font=typeface)[2]
    if right > WIDTH - MARGIN:
        raise ValueError(f'"{text}" of "{caption}" runs to pixel {right} of the {WIDTH}-pixel banner')
    draw.text(position, text, font=typeface, fill=colour)


def draw_banner(caption):
    brand, rest, brand_first = split_name(caption)
    picture = Image.new("RGB", (WIDTH, HEIGHT))
    draw = ImageDraw.Draw(picture)
    for y in range(HEIGHT):
        draw.line([(0, y), (WIDTH - 1, y)], fill=(24, 96 + y, 52 + y // 2))
    places = BRAND_FIRST if brand_first else BRAND_LAST
    draw_line(draw, places["brand"], brand, BRAND_FONT, BRAND_COLOUR, caption)
    draw_line(draw, places["rest"], rest, REST_FONT, REST_COLOUR, caption)
    return picture


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("outdir", nargs="?", default=PICTURES)
    parser.add_argument("--texts", default=TEXTS, help="the localisation file")
    args = parser.parse_args(argv)
    # All six are drawn before any is written, so a name that does not fit
    # leaves the checked-in pictures as they were.
    banners = [draw_banner(caption) for caption in read_captions(args.texts)]
    os.makedirs(args.outdir, exist_ok=True)
    for language, banner in zip(LANGUAGES, banners):
        banner.save(os.path.join(args.outdir, f"Banner{language}.bmp"), "BMP")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except ValueError as error:
        sys.exit(f"draw_banners: {error}")
