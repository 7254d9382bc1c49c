"""The working folder that scripts/run starts the editor in keeps what a user
saved there from one start to the next."""
import filecmp
import os
import shutil
import subprocess
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(ROOT, "scripts", "lay-out-working-folder")
DATA = os.path.join(ROOT, "data")


def lay_out(work, script=SCRIPT):
    return subprocess.run([script, work], check=True, stdout=subprocess.PIPE, text=True).stdout


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def same_tree(left, right):
    comparison = filecmp.dircmp(left, right)
    if comparison.left_only or comparison.right_only or comparison.funny_files:
        return False
    _, mismatch, errors = filecmp.cmpfiles(left, right, comparison.common_files, shallow=False)
    if mismatch or errors:
        return False
    return all(same_tree(os.path.join(left, d), os.path.join(right, d)) for d in comparison.common_dirs)


class WorkingFolderTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp()
        self.work = os.path.join(self.scratch, "run")

    def tearDown(self):
        shutil.rmtree(self.scratch)

    def path(self, *parts):
        return os.path.join(self.work, *parts)

    def test_a_new_folder_holds_the_sample_and_the_program_files(self):
        lay_out(self.work)
        for folder in ("Database", "Script", "trdata"):
            self.assertTrue(same_tree(os.path.join(DATA, folder), self.path(folder)), folder)
        self.assertTrue(os.path.isdir(self.path("Badges")))

    def test_a_later_start_keeps_everything_the_user_and_the_program_saved(self):
        lay_out(self.work)
        saved = {
            ("Database", "Country1.sav"): b"capacity 71000\r\n",
            ("Database", "Master.dat"): b"HVDB exported by the user",
            ("Database", "Country999.sav"): b"a file of the user's own",
            ("Script", "Lg14.txt"): b"a league script the user changed",
            ("trdata", "Restore.big"): b"BIGF the program's backup",
            ("trdata", "ReportTemplate.html"): b"<%HEAD%>the user's own report<%/HEAD%>",
            ("trdata", "GUIColors.txt"): b"colours the user chose",
            ("trdata", "eng", "StadiumList.txt"): b"stadiums the user added",
            ("Badges", "14", "Badge32", "1.tga"): b"a badge",
        }
        for parts, data in saved.items():
            write(self.path(*parts), data)
        lay_out(self.work)
        for parts, data in saved.items():
            self.assertEqual(read(self.path(*parts)), data, os.path.join(*parts))

    def test_the_program_files_in_trdata_follow_the_program(self):
        lay_out(self.work)
        followers = (("trdata", "DatabaseEditor.txt"), ("trdata", "ger", "Tool-EULA.rtf"))
        for parts in followers:
            write(self.path(*parts), b"an older text\r\n")
        said = lay_out(self.work)
        for parts in followers:
            self.assertEqual(read(self.path(*parts)), read(os.path.join(DATA, *parts)), os.path.join(*parts))
            self.assertIn("/".join(parts) + " replaced", said)
        self.assertNotIn("replaced", lay_out(self.work), "nothing to say when they match")
        shipped = os.listdir(os.path.join(DATA, "trdata", "ger"))
        self.assertEqual(sorted(os.listdir(self.path("trdata", "ger"))), sorted(shipped + ["Tool-EULA.rtf.~1~"]),
                         "the replaced text beside the renewed one, and no other file")

    def test_an_edited_localisation_file_is_kept_beside_the_renewed_one_at_every_replacement(self):
        lay_out(self.work)
        localisation = self.path("trdata", "DatabaseEditor.txt")
        for edit in (1, 2):
            write(localisation, b"\"Edit%d\" \"the user's own text\"\r\n" % edit)
            kept = "%s.~%d~" % (localisation, edit)
            self.assertIn("the replaced one is kept as " + kept + "\n", lay_out(self.work))
            self.assertEqual(read(localisation), read(os.path.join(DATA, "trdata", "DatabaseEditor.txt")))
        for edit in (1, 2):
            self.assertEqual(read("%s.~%d~" % (localisation, edit)), b"\"Edit%d\" \"the user's own text\"\r\n" % edit)

    def test_a_shipped_file_the_folder_lacks_is_laid_out_again(self):
        lay_out(self.work)
        os.remove(self.path("trdata", "ReportTemplate.html"))
        lay_out(self.work)
        self.assertEqual(read(self.path("trdata", "ReportTemplate.html")),
                         read(os.path.join(DATA, "trdata", "ReportTemplate.html")))

    def test_every_shipped_badge_the_folder_lacks_is_copied_and_the_users_are_kept(self):
        root = os.path.join(self.scratch, "root")
        os.makedirs(os.path.join(root, "scripts"))
        script = shutil.copy(SCRIPT, os.path.join(root, "scripts"))
        for folder in ("Database", "Script", "trdata"):
            shutil.copytree(os.path.join(DATA, folder), os.path.join(root, "data", folder))
        shipped = {
            ("England", "Badge32", "1.tga"): b"shipped small badge",
            ("England", "Badge256", "1.tga"): b"shipped large badge",
            ("Deutschland", "Badge64", "7.tga"): b"another country's badge",
        }
        for parts, data in shipped.items():
            write(os.path.join(root, "data", "Badges", *parts), data)
        edited = self.path("Badges", "England", "Badge32", "1.tga")
        write(edited, b"the user's own badge")
        lay_out(self.work, script)
        self.assertEqual(read(edited), b"the user's own badge")
        for parts, data in list(shipped.items())[1:]:
            self.assertEqual(read(self.path("Badges", *parts)), data, os.path.join(*parts))

    def test_a_removed_database_starts_again_from_the_sample(self):
        lay_out(self.work)
        write(self.path("Database", "Country1.sav"), b"changed")
        shutil.rmtree(self.path("Database"))
        lay_out(self.work)
        self.assertTrue(same_tree(os.path.join(DATA, "Database"), self.path("Database")))


if __name__ == "__main__":
    unittest.main()
