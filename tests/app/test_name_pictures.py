"""The banners and splash pictures in resources/pictures show what
scripts/draw_name_pictures.py draws from the localisation file's program
names. Another Pillow or FreeType sets the letters a little differently, so
the pictures are compared as a reader would: each picture's pixels must be
shown in the other within a pixel's reach, and the name must cover the same
box, give or take a pixel or two."""

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

# How far a pixel may lie outside the brightness range of the other
# picture's 3x3 neighbourhood and still count as shown there; a pixel of the
# name lies further than INK outside the range of the bare background.
TOLERANCE = 80
INK = 64
# Share of the name's pixels that may go unshown, and the pixels the name's
# box may move: a whole word or a wrong language lies well beyond both.
UNSHOWN_SHARE = 0.025
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


def count_over(strayed, limit):
    return sum(strayed.histogram()[limit + 1:])


def differences(picture, drawing, kind):
    """Why the picture is not the drawing, or nothing."""
    grey = [picture.convert("L"), drawing.convert("L")]
    background = script.PICTURE_KINDS[kind].background().convert("L")
    names = [strays(one, background) for one in grey]
    unshown = max(count_over(strays(grey[0], grey[1]), TOLERANCE), count_over(strays(grey[1], grey[0]), TOLERANCE))
    share = unshown / max(count_over(name, INK) for name in names)
    found = []
    if share > UNSHOWN_SHARE:
        found.append(f"{share:.1%} of the name's pixels differ")
    boxes = [name.point(lambda value: 255 if value > INK else 0).getbbox() for name in names]
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
