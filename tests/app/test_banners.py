"""The main window's banners in resources/pictures are what
scripts/draw_banners.py draws from the localisation file's program names."""

import os
import subprocess
import sys
import tempfile
import unittest

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(REPO, "scripts", "draw_banners.py")
PICTURES = os.path.join(REPO, "resources", "pictures")
LANGUAGES = ["English", "French", "German", "Italian", "Spanish", "Polish"]


def draw(outdir, *args):
    return subprocess.run([sys.executable, "-B", SCRIPT, outdir, *args], capture_output=True, text=True)


def read(path):
    with open(path, "rb") as f:
        return f.read()


class Banners(unittest.TestCase):
    def test_checked_in_banners_are_the_scripts_drawing_of_each_name(self):
        with tempfile.TemporaryDirectory() as outdir:
            run = draw(outdir)
            self.assertEqual(run.returncode, 0, run.stderr)
            self.assertEqual(sorted(os.listdir(outdir)), sorted(f"Banner{name}.bmp" for name in LANGUAGES))
            for name in LANGUAGES:
                with self.subTest(name):
                    drawn = read(os.path.join(outdir, f"Banner{name}.bmp"))
                    checked_in = read(os.path.join(PICTURES, f"Banner{name}.bmp"))
                    self.assertTrue(drawn == checked_in, f"Banner{name}.bmp differs from the script's drawing: "
                                    "run scripts/draw_banners.py and check in its pictures")

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
