#!/usr/bin/env python3
"""The key check must pass on a sound file and fail on each kind of fault."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_text_keys  # noqa: E402

SOUND_LINES = [
    "# Messages",
    "Dialog.FileNotFound|File _FILE_NAME missing|Fichier _FILE_NAME absent|Datei _FILE_NAME fehlt"
    "|File _FILE_NAME mancante|Falta _FILE_NAME|Brak _FILE_NAME",
    "Database.Folder|eng|fre|ger|ita|spa|pol",
    "Database.Division.01|One|Un|Eins|Uno|Uno|Jeden",
    "Internal.Number.Thousand|,|.|.|.|.|.",
    "Internal.Number.Decimal|.|,|,|,|,|,",
    "Internal.Number.PercentFormat|_VALUE%|_VALUE %|_VALUE %|_VALUE%|_VALUE %|_VALUE%",
    "Internal.Chrono.Date.NumericLong|_DAY/_MONTH/_YEAR4|_DAY/_MONTH/_YEAR4|_DAY._MONTH._YEAR4"
    "|_DAY/_MONTH/_YEAR4|_DAY/_MONTH/_YEAR4|_DAY._MONTH._YEAR4",
    "Internal.Chrono.Time.Long|_HOUR:_MINUTE2|_HOUR:_MINUTE2|_HOUR:_MINUTE2|_HOUR:_MINUTE2|_HOUR:_MINUTE2"
    "|_HOUR:_MINUTE2",
    "Internal.Currency.Decimals|2|2|2|2|2|2",
    "Internal.Currency.EuroMultiplier|1|1|1|1|1|1.5",
]
SOURCE = 'const char16_t* a = GetText(u"Dialog.FileNotFound"_tk);\n'


class KeyCheckTest(unittest.TestCase):
    def run_check(self, lines, source=SOURCE, families="Database.Division.%02d 1 1\n", raw=None, rc=None):
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "core"))
            with open(os.path.join(root, "core", "Use.cpp"), "w", encoding="utf-8") as f:
                f.write(source)
            if rc is not None:
                os.makedirs(os.path.join(root, "resources"))
                with open(os.path.join(root, "resources", "Test.rc"), "w", encoding="utf-8") as f:
                    f.write(rc)
            file_path = os.path.join(root, "Texts.txt")
            with open(file_path, "wb") as f:
                f.write(raw if raw is not None else b"\xef\xbb\xbf" + "".join(l + "\r\n" for l in lines).encode())
            families_path = os.path.join(root, "families.txt")
            with open(families_path, "w", encoding="utf-8") as f:
                f.write(families)
            return check_text_keys.run(root, file_path, families_path, True)

    def assertFault(self, problems, words):
        self.assertTrue(any(words in p for p in problems), "no %r in %s" % (words, problems))

    def test_sound_file_passes(self):
        self.assertEqual(self.run_check(SOUND_LINES), [])

    def test_hash_matches_the_store(self):
        self.assertEqual(check_text_keys.hash_key("Dialog.FileNotFound"), 0x7F14F1D1)
        self.assertEqual(check_text_keys.hash_key("AB"), 0x00411041)

    def test_missing_language(self):
        self.assertFault(self.run_check(SOUND_LINES + ["Short|a|b|c|d|e"]), "6 fields instead of 7")

    def test_empty_text(self):
        self.assertFault(self.run_check(SOUND_LINES + ["Empty|a||c|d|e|f"]), "Empty has no FRE text")

    def test_colliding_pair(self):
        problems = self.run_check(SOUND_LINES + ["bbb.|a|b|c|d|e|f", "AaAm|a|b|c|d|e|f"])
        self.assertFault(problems, "keys bbb. and AaAm share the hash 0x003FF0CC")

    def test_token_mismatch(self):
        self.assertFault(self.run_check(SOUND_LINES + ["Msg|_COUNT x|_COUNT y|_CONUT z|_COUNT|_COUNT|_COUNT"]),
                         "GER tokens")

    def test_used_key_missing(self):
        self.assertFault(self.run_check(SOUND_LINES, source=SOURCE + 'GetText(u"No.Such"_tk);\n'),
                         "key No.Such is missing")
        self.assertFault(self.run_check(SOUND_LINES, families="Database.Division.%02d 1 2\n"),
                         "key Database.Division.02 is missing")

    def test_template_texts_need_keys(self):
        template = ('// Key prefix: Database\nIDD_X DIALOGEX 0, 0, 10, 10\nCAPTION "Folder"\nFONT 8, "MS Shell Dlg"\n'
                    'BEGIN\n    LTEXT "%s", -1, 0, 0, 5, 5\n    CONTROL "", 1, "SysListView32", 0, 0, 0, 5, 5\nEND\n'
                    'IDM_X MENU\nBEGIN\n    MENUITEM "Dialog.FileNotFound", 2\nEND\n')
        self.assertEqual(self.run_check(SOUND_LINES, rc=template % "Database.Division.01"), [])
        self.assertFault(self.run_check(SOUND_LINES, rc=template % "Division.02"),
                         "resources/Test.rc:6: template text Division.02 names no key")
        # The prefix belongs to the template below it only.
        self.assertFault(self.run_check(SOUND_LINES, rc=template.replace('"Dialog.FileNotFound"', '"Folder"')),
                         "template text Folder names no key")

    def test_plain_literal_lookup(self):
        self.assertFault(self.run_check(SOUND_LINES, source=SOURCE + 'm->GetText(u"Database.Folder");\n'),
                         "key literal without _tk")
        self.assertEqual(self.run_check(SOUND_LINES, source=SOURCE + 'm->GetText(key.c_str());\n'), [])

    def test_repeated_key_blanks_and_line_ends(self):
        self.assertFault(self.run_check(SOUND_LINES + ["Database.Folder|a|b|c|d|e|f"]), "repeats")
        self.assertFault(self.run_check(SOUND_LINES + ["Pad|a |b|c|d|e|f"]), "leading or trailing blanks")
        text = "".join(l + "\r\n" for l in SOUND_LINES) + "Lf|a|b|c|d|e|f\n"
        self.assertFault(self.run_check(None, raw=b"\xef\xbb\xbf" + text.encode()), "CR LF")
        self.assertFault(self.run_check(None, raw="".join(l + "\r\n" for l in SOUND_LINES).encode()),
                         "byte-order mark")

    def test_malformed_locale_texts(self):
        def replaced(key, line):
            return [line if l.startswith(key + "|") else l for l in SOUND_LINES]
        cases = [
            ("Internal.Number.PercentFormat", "Internal.Number.PercentFormat|%|_VALUE %|_VALUE_VALUE|_VALUE%|_VALUE %"
             "|_VALUE%", "exactly one _VALUE"),
            ("Internal.Chrono.Date.NumericLong", "Internal.Chrono.Date.NumericLong|_DAY|_DAY|_DAY|_DAY|_DAY|_WEEK",
             "unknown date tokens"),
            ("Internal.Chrono.Time.Long", "Internal.Chrono.Time.Long|_HOUR|_HOUR|_HOUR|_HOUR|_HOUR|_HOURS",
             "unknown time tokens"),
            ("Internal.Number.Decimal", "Internal.Number.Decimal|,|,|,|,|,|,", "thousands separator equals"),
            ("Internal.Currency.Decimals", "Internal.Currency.Decimals|2|2|two|2|2|2", "one digit"),
            ("Internal.Currency.EuroMultiplier", "Internal.Currency.EuroMultiplier|1|1|1|1|1|x", "positive number"),
            ("Database.Folder", "Database.Folder|eng|..|ger|ita|spa|pol", "plain folder name"),
            ("Database.Folder", "Database.Folder|eng|a\\b|ger|ita|spa|pol", "plain folder name"),
        ]
        for key, line, words in cases:
            with self.subTest(words=words, line=line):
                self.assertFault(self.run_check(replaced(key, line)), words)


if __name__ == "__main__":
    unittest.main()
