"""The banners and splash pictures in resources/pictures show what
scripts/draw_name_pictures.py draws from the localisation file's program
names. Another Pillow or FreeType sets the letters a little differently, so
the pictures are compared as a reader would: no pixel may differ from the
other picture's by more than a letter's edge moved by hinting would make it
differ, and the name must cover the same box, give or take a pixel or two."""

import importlib.util
import os
import subprocess
import sys
import tempfile
import unittest

from PIL import Image, ImageChops

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(REPO, "scripts", "draw_name_pictures.py")
PICTURES = os.path.join(REPO, "resources", "pictures")

module_source = importlib.util.spec_from_file_location("draw_name_pictures", SCRIPT)
script = importlib.util.module_from_spec(module_source)
module_source.loader.exec_module(script)

# Hinting moves a letter's edge by less than half a pixel, so a pixel
# changes by less than half the contrast around it (the brightness range of
# its 3x3 neighbourhood in either picture); a wrong letter or a lost accent
# inks a pixel the other leaves bare, by most of that contrast. Where the
# background is all there is around a pixel, the contrast counts as INK: a
# pixel of the name lies further than INK outside the bare background.
EDGE_SHIFT = 0.5
INK = 64
# The pixels the name's box may move: a whole word or a wrong language lies
# well beyond.
BOX_SHIFT = 2


def draw(outdir, *args, env=None):
    return subprocess.run([sys.executable, "-B", SCRIPT, outdir, *args], capture_output=True, text=True, env=env)


def neighbourhood(picture, pick):
    result = picture
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            result = pick(result, ImageChops.offset(picture, dx, dy))
    return result


def strays(picture, other):
    """How far each pixel of the picture (grey) lies outside the brightness
    range of the other's 3x3 neighbourhood: 0 where the other shows it."""
    above = ImageChops.subtract(picture, neighbourhood(other, ImageChops.lighter))
    below = ImageChops.subtract(neighbourhood(other, ImageChops.darker), picture)
    return ImageChops.lighter(above, below)


def contrast(picture):
    return ImageChops.subtract(neighbourhood(picture, ImageChops.lighter), neighbourhood(picture, ImageChops.darker))


def differences(picture, drawing, kind):
    """Why the picture is not the drawing, or nothing."""
    grey = [picture.convert("L"), drawing.convert("L")]
    around = ImageChops.lighter(contrast(grey[0]), contrast(grey[1]))
    changes = zip(ImageChops.difference(*grey).getdata(), around.getdata())
    inked = sum(1 for change, edge in changes if change > EDGE_SHIFT * max(edge, INK))
    found = []
    if inked:
        found.append(f"{inked} pixels differ by more than a hinted edge would")
    background = script.PICTURE_KINDS[kind].background().convert("L")
    boxes = [strays(one, background).point(lambda value: 255 if value > INK else 0).getbbox() for one in grey]
    if max(abs(edge - other) for edge, other in zip(*boxes)) > BOX_SHIFT:
        found.append(f"the name covers {boxes[0]}, not {boxes[1]}")
    return found


def load(path):
    with Image.open(path) as picture:
        return picture.convert("RGB")


class NamePictures(unittest.TestCase):
    def assert_pictures_are_drawings(self, folder, drawings):
        for name in sorted(os.listdir(drawings)):
            with self.subTest(name):
                found = differences(load(os.path.join(folder, name)), load(os.path.join(drawings, name)), name[:6])
                self.assertEqual(found, [], f"{name} is not the script's drawing: run "
                                 "scripts/draw_name_pictures.py and check in its pictures")

    def test_checked_in_pictures_are_the_scripts_drawing_of_each_name(self):
        with tempfile.TemporaryDirectory() as outdir:
            run = draw(outdir)
            self.assertEqual(run.returncode, 0, run.stderr)
            expected = [f"{kind}{language}.bmp" for kind in ("Banner", "Splash") for language in script.LANGUAGES]
            self.assertEqual(sorted(os.listdir(outdir)), sorted(expected))
            self.assert_pictures_are_drawings(PICTURES, outdir)

    def test_the_pictures_pass_when_freetype_hints_the_old_way(self):
        # FreeType's hinting before 2.7 widens stems and moves letters: the
        # largest change between FreeType versions so far.
        with tempfile.TemporaryDirectory() as outdir:
            run = draw(outdir, env=dict(os.environ, FREETYPE_PROPERTIES="truetype:interpreter-version=35"))
            self.assertEqual(run.returncode, 0, run.stderr)
            self.assert_pictures_are_drawings(PICTURES, outdir)

    def test_a_picture_of_another_language_or_an_old_name_is_told(self):
        captions = script.read_captions(script.TEXTS)
        for kind in script.PICTURE_KINDS:
            drawings = [script.draw_picture(kind, caption) for caption in captions]
            for shown, drawing in ((shown, drawing) for shown in range(6) for drawing in range(6) if shown != drawing):
                with self.subTest(kind=kind, shown=captions[shown], drawn=captions[drawing]):
                    self.assertNotEqual(differences(drawings[shown], drawings[drawing], kind), [])
            with self.subTest(kind=kind, shown="an old name"):
                old = script.draw_picture(kind, "Trellan Data Editor")
                self.assertNotEqual(differences(old, drawings[0], kind), [])

    def test_a_picture_of_a_name_with_a_wrong_letter_or_a_lost_accent_is_told(self):
        captions = script.read_captions(script.TEXTS)
        near_misses = (
            (0, "Trellan Database Editar"),
            (0, "Trellan Database Edltor"),
            (1, "Editeur de base de donnees Trellan"),
            (1, "Éditeur de base de donnees Trellan"),
            (2, "Trellan-Datenbankeditar"),
            (3, "Editor dei database di Trellan"),
            (4, "Editor de la dase de datos de Trellan"),
            (5, "Edytor dazy danych Trellan"),
        )
        for kind in script.PICTURE_KINDS:
            for language, near_miss in near_misses:
                with self.subTest(kind=kind, shown=near_miss):
                    drawing = script.draw_picture(kind, captions[language])
                    self.assertNotEqual(differences(script.draw_picture(kind, near_miss), drawing, kind), [])

    def test_a_name_too_long_for_the_banner_is_named_and_nothing_is_written(self):
        long_name = "Editor de la base de datos de la liga profesional de Trellan"
        captions = ["Trellan Database Editor"] * 4 + [long_name, "Edytor bazy danych Trellan"]
        with tempfile.TemporaryDirectory() as folder:
            texts = os.path.join(folder, "DatabaseEditor.txt")
            with open(texts, "wb") as f:
                f.write(("\ufeff# Main window\r\nDialog.Main.Caption|" + "|".join(captions) + "\r\n").encode("utf-8"))
            outdir = os.path.join(folder, "pictures")
            run = draw(outdir, "--texts", texts)
            self.assertNotEqual(run.returncode, 0)
            self.assertIn('"Editor de la base de datos de la liga profesional de" of', run.stderr)
            self.assertFalse(os.path.exists(outdir))


if __name__ == "__main__":
    unittest.main()
