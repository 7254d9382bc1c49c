#!/usr/bin/python3
"""Writes TGA pictures with Pillow and their reference conversions.

For each case NAME the folder gets NAME.tga, NAME.bmp (ImageMagick's
24-bit BMP of it) and, for pictures with alpha, NAME.alpha (Pillow's alpha
channel, top row first). A file cases.txt lists one "NAME kind" per line,
kind being "exact", "rgb555" (compare the top five bits of each channel)
or "alpha".
"""
import struct
import subprocess
import sys
from pathlib import Path

import numpy
from PIL import Image


def picture(width, height, mode, seed):
    generator = numpy.random.default_rng(seed)
    channels = len(mode)
    pixels = generator.integers(0, 256, (height, width, channels), dtype=numpy.uint8)
    # Runs of equal pixels so that run-length packets of every kind appear.
    pixels[height // 3, :] = pixels[height // 3, 0]
    pixels[: height // 2, width // 2 : width // 2 + 5] = 77
    return Image.fromarray(pixels, mode)


def reference_bmp(tga, bmp):
    subprocess.run(
        ["convert", str(tga), "-auto-orient", "-alpha", "off", "-type", "TrueColor", "BMP3:" + str(bmp)],
        check=True,
    )


def write_rgb555(path, image):
    """Pillow cannot write 16-bit TGA: lay it out by hand, bottom-up."""
    width, height = image.size
    rows = []
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = image.getpixel((x, y))
            rows.append(struct.pack("<H", (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3)))
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, width, height, 16, 1)
    path.write_bytes(header + b"".join(rows))


def main(folder):
    folder = Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    cases = []
    sizes = [(37, 23), (256, 256), (1, 1), (130, 3)]
    for mode in ("RGB", "RGBA"):
        for rle in (False, True):
            for orientation in (-1, 1):
                for index, (width, height) in enumerate(sizes):
                    name = f"{mode}_{'rle' if rle else 'raw'}_{'top' if orientation > 0 else 'bottom'}_{width}x{height}"
                    image = picture(width, height, mode, index)
                    tga = folder / f"{name}.tga"
                    options = {"orientation": orientation}
                    if rle:
                        options["compression"] = "tga_rle"
                    image.save(tga, **options)
                    reference_bmp(tga, folder / f"{name}.bmp")
                    cases.append(f"{name} exact")
                    if mode == "RGBA":
                        (folder / f"{name}.alpha").write_bytes(image.getchannel("A").tobytes())
                        cases.append(f"{name} alpha")
    for index, (width, height) in enumerate(sizes):
        name = f"RGB555_{width}x{height}"
        write_rgb555(folder / f"{name}.tga", picture(width, height, "RGB", 10 + index))
        reference_bmp(folder / f"{name}.tga", folder / f"{name}.bmp")
        cases.append(f"{name} rgb555")
    (folder / "cases.txt").write_text("\n".join(cases) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
