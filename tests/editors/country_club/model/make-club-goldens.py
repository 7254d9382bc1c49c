#!/usr/bin/env python3
"""Writes the club editor's golden files from the rules themselves, for the
model tests to compare with what the C++ code gives:

- random_kit_candidates.txt: the palette entries the random kit may draw
  from, for every entry of the team-colour list, for every colour token and
  for every generated-badge name made of two tokens;
- year_lists.txt: 10,000 seeded random texts with the year list the history
  page makes of each.

Usage: make-club-goldens.py <TeamColour.txt> <output folder>
"""
import os
import random
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

# Colour names of generated badges, tried in this order by prefix.
TOKENS = [
    ("bl", 0x0C3E95), ("ge", 0xFFFF00), ("gr", 0x009900), ("ro", 0xB50000), ("sw", 0x000000),
    ("ws", 0xFFFFFF), ("dro", 0x750C07), ("hbl", 0x64C5DC), ("li", 0x9900CC), ("or", 0xF96611),
]

ALIKE = 92
BADGE_PREFIX = "Color\\Badge%d\\"


def distance(a, b):
    return sum(abs(((a >> s) & 0xFF) - ((b >> s) & 0xFF)) for s in (16, 8, 0))


def candidates(references):
    return [i for i, colour in enumerate(PALETTE) if any(distance(colour, r) < ALIKE for r in references)]


def token_colour(token):
    for name, colour in TOKENS:
        if token.lower().startswith(name):
            return colour
    return None


def badge_colours(path):
    if not path.lower().startswith(BADGE_PREFIX.lower()):
        return []
    parts = path[len(BADGE_PREFIX):].split("_")
    tokens = [parts[0], parts[1] if len(parts) > 1 else ""]
    return [c for c in (token_colour(t) for t in tokens) if c is not None]


def team_colours(path):
    """Both colours of each entry of a reference list file: a count, then an
    id line and a "text,colour|colour" line per entry."""
    with open(path, encoding="utf-8-sig") as file:
        lines = file.read().splitlines()
    count = int(lines[0])
    entries = []
    for i in range(count):
        line = lines[2 + 2 * i]
        colours = line.split(",", 1)[1].split("|")
        entries.append([int(c) & 0xFFFFFF for c in colours[:2]])
    return entries


def write_candidates(team_colour_file, folder):
    out = []
    for index, colours in enumerate(team_colours(team_colour_file)):
        out.append("entry %d: %s" % (index, " ".join(map(str, candidates(colours)))))
    for name, colour in TOKENS:
        out.append("token %s: %s" % (name, " ".join(map(str, candidates([colour])))))
    for first, _ in TOKENS:
        for second, _ in TOKENS:
            path = BADGE_PREFIX + first + "_" + second + ".tga"
            out.append("badge %s: %s" % (path, " ".join(map(str, candidates(badge_colours(path))))))
    with open(os.path.join(folder, "random_kit_candidates.txt"), "w", encoding="utf-8", newline="\n") as file:
        file.write("\n".join(out) + "\n")


# What the history page makes of a year list.
LIMIT = 511


def normalise_years(text):
    text = text[:LIMIT]
    years = []
    for piece in text.split(","):
        piece = piece.lstrip(" \t")
        digits = ""
        for c in piece:
            if c not in "0123456789":
                break
            digits += c
        if not digits:
            continue
        value = int(digits)
        if value < 100:
            value += 2000 if value < 9 else 1900
        if 1700 <= value <= 2008 and value not in years:
            years.append(value)
    return ", ".join(str(y) for y in sorted(years))


ALPHABET = "0123456789" * 4 + ",,,,,    \t\tab-+.x\u00e9\uff13"


def random_text(rng):
    kind = rng.random()
    if kind < 0.4:
        # Lists much like a user's: years and two-digit years.
        pieces = []
        for _ in range(rng.randint(0, 8)):
            year = rng.choice([rng.randint(1650, 2050), rng.randint(0, 99), rng.randint(0, 9)])
            form = rng.choice(["%d", "%02d", " %d", "\t%d", "%d ", "%dabc", "x%d"])
            pieces.append(form % year)
        return rng.choice([",", ", ", " ,"]).join(pieces)
    if kind < 0.99:
        return "".join(rng.choice(ALPHABET) for _ in range(rng.randint(0, 40)))
    # Beyond the limit, with a year across it.
    head = "".join(rng.choice(" ,") for _ in range(rng.randint(LIMIT - 6, LIMIT - 1)))
    return head + "1999, 2001"


def write_year_lists(folder):
    rng = random.Random(2007)
    with open(os.path.join(folder, "year_lists.txt"), "w", encoding="utf-8", newline="\n") as file:
        for _ in range(10000):
            text = random_text(rng)
            file.write("%s|%s\n" % (text, normalise_years(text)))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    write_candidates(sys.argv[1], sys.argv[2])
    write_year_lists(sys.argv[2])


if __name__ == "__main__":
    main()
