#!/usr/bin/python3
"""Pillow's side of the FSH image tests.

make FOLDER   writes BMP and TGA fixtures into FOLDER, each with NAME.rgba
              (Pillow's own RGBA pixels of the file) and a list in
              fixtures.txt: one "NAME ALPHA" line, ALPHA 1 when the file's
              alpha is meant to be compared.
read FILE...  writes FILE.rgba with Pillow's RGBA pixels of each FILE.
"""
import os
import struct
import sys

from PIL import Image


def colours(w, h, alpha):
    return [((x * 53 + y * 17) % 256, (x * 7 + y * 91) % 256, (x * x + y * 3) % 256,
             (x * 40 + y * 60) % 256 if alpha else 255) for y in range(h) for x in range(w)]


def rgba_of(path):
    with Image.open(path) as im:
        return im.convert("RGBA").tobytes()


def top_down(bmp):
    """A bottom-up 24-bit BMP turned into its top-down form."""
    offset, = struct.unpack_from("<I", bmp, 10)
    width, height = struct.unpack_from("<ii", bmp, 18)
    stride = (width * 3 + 3) // 4 * 4
    rows = [bmp[offset + i * stride: offset + (i + 1) * stride] for i in range(height)]
    return bmp[:22] + struct.pack("<i", -height) + bmp[26:offset] + b"".join(reversed(rows))


def make(folder):
    rgb = Image.new("RGB", (7, 5))
    rgb.putdata([c[:3] for c in colours(7, 5, False)])
    rgba = Image.new("RGBA", (6, 4))
    rgba.putdata(colours(6, 4, True))
    mono = Image.new("1", (13, 3))
    mono.putdata([(x + y) % 3 == 0 for y in range(3) for x in range(13)])
    grey = Image.new("L", (9, 4))
    grey.putdata([(x * 29 + y * 7) % 256 for y in range(4) for x in range(9)])
    three = Image.new("P", (3, 2))
    three.putpalette([255, 0, 0, 0, 128, 0, 10, 20, 250])
    three.putdata([0, 1, 2, 2, 1, 0])
    many = rgb.quantize(20)

    fixtures = [("bmp1.bmp", mono, {}, 0), ("bmp8grey.bmp", grey, {}, 0), ("bmp8three.bmp", three, {}, 0),
                ("bmp24.bmp", rgb, {}, 0), ("bmp32.bmp", rgba, {}, 0),
                ("tga24.tga", rgb, {}, 1), ("tga24top.tga", rgb, {"orientation": 1}, 1),
                ("tga32.tga", rgba, {}, 1), ("tga32top.tga", rgba, {"orientation": 1}, 1),
                ("tgamap.tga", many, {}, 1)]
    lines = []
    for name, image, options, alpha in fixtures:
        path = os.path.join(folder, name)
        image.save(path, **options)
        lines.append(f"{name} {alpha}")
    with open(os.path.join(folder, "bmp24.bmp"), "rb") as f:
        flipped = top_down(f.read())
    with open(os.path.join(folder, "bmp24top.bmp"), "wb") as f:
        f.write(flipped)
    lines.append("bmp24top.bmp 0")
    for line in lines:
        name = line.split()[0]
        with open(os.path.join(folder, name + ".rgba"), "wb") as f:
            f.write(rgba_of(os.path.join(folder, name)))
    with open(os.path.join(folder, "fixtures.txt"), "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    if sys.argv[1] == "make":
        make(sys.argv[2])
    else:
        for path in sys.argv[2:]:
            with open(path + ".rgba", "wb") as f:
                f.write(rgba_of(path))


if __name__ == "__main__":
    main()
