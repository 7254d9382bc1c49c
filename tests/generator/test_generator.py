"""Checks the sample database generator, the shipped sample database and the
country list against their file layouts and against ISO 3166."""

import importlib.util
import json
import os
import re
import struct
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DATABASE = os.path.join(REPO, "data", "Database")
COUNTRIES = os.path.join(DATABASE, "Countries.sav")
TEXTS = os.path.join(REPO, "data", "trdata", "DatabaseEditor.txt")
PROPERTY_TABLE_SOURCE = os.path.join(REPO, "database", "CountryPropertyTable.cpp")
ISO_FOLDER = "/usr/share/iso-codes/json"


def load_generator():
    path = os.path.join(REPO, "scripts", "generate_database.py")
    module_spec = importlib.util.spec_from_file_location("generate_database", path)
    module = importlib.util.module_from_spec(module_spec)
    module_spec.loader.exec_module(module)
    return module


generator = load_generator()


def read_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    return data, data[3:].decode("utf-8").split("\r\n")


def run_generator(*args):
    return generator.main(list(args))


class SmallDatabaseTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory()
        run_generator("small", cls.temp.name)
        cls.names = sorted(os.listdir(cls.temp.name))

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def test_regenerated_files_equal_the_shipped_ones(self):
        shipped = sorted(n for n in os.listdir(DATABASE) if n != "Countries.sav" and not n.startswith("."))
        self.assertEqual(shipped, self.names)
        for name in self.names:
            with open(os.path.join(self.temp.name, name), "rb") as a, \
                    open(os.path.join(DATABASE, name), "rb") as b:
                self.assertTrue(a.read() == b.read(), "%s differs from the shipped file" % name)

    def test_every_country_file_and_the_world_files_are_written(self):
        expected = {"Country%d.sav" % i for i in range(1, 208)}
        expected |= {"Rules.sav", "Without.sav", "Assessment.sav", "LeagueMaster.dat", "Master.dat",
                     "TownDataUniques.txt"}
        self.assertEqual(expected, set(self.names))

    def test_text_files_survive_the_reader_unchanged(self):
        for name in self.names:
            if not name.endswith(".sav"):
                continue
            data, lines = read_lines(os.path.join(self.temp.name, name))
            self.assertTrue(data.startswith(b"\xef\xbb\xbf"), name)
            self.assertTrue(data.endswith(b"\r\n"), name)
            self.assertNotIn(b"\r\r", data, name)
            self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), name)
            text = data.decode("utf-8")
            for ch in generator.READ_FIXUP_CHARACTERS:
                self.assertNotIn(ch, text, name)
            for line in lines:
                if line.startswith(";"):
                    self.assertEqual(";", line, "%s: value line read as a comment" % name)
                if line.startswith("%"):
                    self.assertRegex(line, r"^%INDEX(END)?%[A-Z_]+[0-9]*$", name)

    def test_sections_nest_and_close(self):
        for name in self.names:
            if not name.startswith("Country"):
                continue
            _, lines = read_lines(os.path.join(self.temp.name, name))
            stack = []
            for line in lines:
                if line.startswith("%INDEXEND%"):
                    self.assertEqual(stack.pop(), line[len("%INDEXEND%"):], name)
                elif line.startswith("%INDEX%"):
                    stack.append(line[len("%INDEX%"):])
            self.assertEqual([], stack, name)

    def test_complete_countries_hold_clubs_squads_and_a_league(self):
        for country_id in generator.SMALL_COMPLETE:
            _, lines = read_lines(os.path.join(self.temp.name, "Country%d.sav" % country_id))
            clubs = int(lines[lines.index("%INDEX%CLUBS") + 1])
            self.assertTrue(12 <= clubs <= 16)
            self.assertIn("%INDEX%COMPETITIONPART", lines)
            self.assertEqual(1, lines.count("DB_LEAGUE"))
            self.assertEqual("1", lines[6], "completeness line")
            for number in range(1, clubs + 1):
                start = lines.index("%%INDEX%%CLUB%d" % number)
                end = lines.index("%%INDEXEND%%CLUB%d" % number)
                players = lines[start:end].count("%INDEX%PLAYER")
                staff = lines[start:end].count("%INDEX%STAFF")
                self.assertTrue(20 <= players <= 25, (country_id, number, players))
                self.assertTrue(3 <= staff <= 5, (country_id, number, staff))

    def test_person_ids_are_unique_and_never_zero(self):
        seen = set()
        for name in self.names:
            if not name.startswith("Country"):
                continue
            _, lines = read_lines(os.path.join(self.temp.name, name))
            clubs = lines[lines.index("%INDEX%CLUBS"):lines.index("%INDEXEND%CLUBS")]
            for i, line in enumerate(clubs):
                if line in ("%INDEX%PLAYER", "%INDEX%STAFF"):
                    person_id = int(clubs[i - 1])
                    self.assertNotIn(person_id, seen)
                    self.assertNotEqual(0, person_id)
                    seen.add(person_id)
        self.assertGreater(len(seen), 3 * 12 * 23)

    def test_assessment_matches_the_country_coefficients(self):
        _, rows = read_lines(os.path.join(self.temp.name, "Assessment.sav"))
        header = rows[0].split("\t")
        self.assertEqual(["Index", "[English]", "[French]", "[German]", "[Italian]", "[Spanish]", "[Polish]",
                          "Year -6", "Year -5", "Year -4", "Year -3", "Year -2", "Year -1"], header)
        ids = []
        for row in rows[1:-1]:
            fields = row.split("\t")
            self.assertEqual(len(header), len(fields))
            country_id = int(fields[0])
            ids.append(country_id)
            _, lines = read_lines(os.path.join(self.temp.name, "Country%d.sav" % country_id))
            start = lines.index("%INDEX%COUNTRY_MIST")
            manager = lines.index("%INDEX%MANAGER", start)
            coefficients = lines[manager - 9:manager - 3]
            self.assertEqual(["%d" % round(float(v) * 100) for v in fields[7:]], coefficients)
        self.assertEqual(list(range(1, 52)) + [205], ids)

    def test_league_master_records_the_league_calendars(self):
        with open(os.path.join(self.temp.name, "LeagueMaster.dat"), "rb") as f:
            data = f.read()
        self.assertEqual(b"LGMS", data[:4])
        self.assertLess(struct.unpack_from("<I", data, 4)[0], 2)
        position = 8
        with_table = []
        for country_id in range(208):
            flag = data[position]
            position += 1
            if flag:
                with_table.append(country_id)
                table = struct.unpack_from("<2944H", data, position)
                position += 5888
                self.assertNotEqual(0, table[(0 * 46 + 1) * 2])
        self.assertEqual(len(data), position)
        self.assertEqual(sorted(generator.SMALL_COMPLETE), with_table)


class ScriptFolderTest(unittest.TestCase):
    def test_shipped_script_files_are_the_generated_ones(self):
        with tempfile.TemporaryDirectory() as folder:
            run_generator("scripts", folder)
            names = sorted(os.listdir(folder))
            self.assertEqual(40, len(names))
            shipped = [n for n in os.listdir(os.path.join(REPO, "data", "Script")) if not n.startswith(".")]
            self.assertEqual(sorted(shipped), names)
            for name in names:
                with open(os.path.join(folder, name), "rb") as a, \
                        open(os.path.join(REPO, "data", "Script", name), "rb") as b:
                    self.assertEqual(a.read(), b.read(), name)

    def test_counts_follow_the_comment_line(self):
        _, lines = read_lines(os.path.join(REPO, "data", "Script", "CupAlloc.txt"))
        values = [l for l in lines if l and not l.startswith(";")]
        self.assertEqual(["1"], values)


class GeneratorTest(unittest.TestCase):
    def test_same_seed_same_files_other_seed_other_files(self):
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            run_generator("fixtures", a, "--seed", "5")
            run_generator("fixtures", b, "--seed", "5")
            for name in os.listdir(a):
                with open(os.path.join(a, name), "rb") as fa, open(os.path.join(b, name), "rb") as fb:
                    self.assertEqual(fa.read(), fb.read(), name)
            run_generator("fixtures", b, "--seed", "6")
            with open(os.path.join(a, "Country21_2007-26.sav"), "rb") as fa, \
                    open(os.path.join(b, "Country21_2007-26.sav"), "rb") as fb:
                self.assertNotEqual(fa.read(), fb.read())

    def test_fixtures_carry_their_versions(self):
        with tempfile.TemporaryDirectory() as folder:
            run_generator("fixtures", folder)
            for label, version in generator.FIXTURE_VERSIONS:
                _, lines = read_lines(os.path.join(folder, "Country21_%s.sav" % label))
                versions = [int(lines[i + 1]) for i, l in enumerate(lines) if l == "%INDEX%VERSION"]
                if version == 1:
                    self.assertEqual([], versions)
                else:
                    self.assertEqual(10 + 1, len(versions), label)  # country and its ten clubs
                    self.assertEqual({version}, set(versions), label)

    def test_old_layouts_drop_the_later_country_lines(self):
        with tempfile.TemporaryDirectory() as folder:
            run_generator("fixtures", folder)
            sizes = {label: self.settings_length(folder, label) for label, _ in generator.FIXTURE_VERSIONS}
        # 16 level rows of 4 lines from 2007-19 on, 5 rows before; ranking lines from 2007-14 on.
        self.assertEqual(sizes["2007-19"] - sizes["2007-18"], 11 * 4)
        self.assertEqual(sizes["2007-14"] - sizes["2007-13"], 2)
        self.assertEqual(sizes["2007-04"] - sizes["2007-03"], 1 + 3)
        self.assertEqual(sizes["2007-00"] - sizes["2006"], 5)

    @staticmethod
    def settings_length(folder, label):
        _, lines = read_lines(os.path.join(folder, "Country21_%s.sav" % label))
        return lines.index("%INDEXEND%COUNTRY_MIST") - lines.index("%INDEX%COUNTRY_MIST")

    def test_round_robin_meets_every_pair_once_per_round(self):
        for teams in (8, 12, 16, 22):
            rows = generator.round_robin(teams, 2)
            self.assertEqual(generator.matchday_count(teams, 2), len(rows))
            pairs = [pair for row in rows for pair in row]
            self.assertEqual(teams * (teams - 1), len(set(pairs)))
            for row in rows:
                places = [p for pair in row for p in pair]
                self.assertEqual(sorted(places), list(range(1, teams + 1)))

    def test_layout_gates_treat_older_majors_as_complete(self):
        self.assertTrue(generator.Layout(generator.make_version(0x2006, 16)).at_least(0x2006, 40))
        self.assertFalse(generator.Layout(generator.make_version(0x2006, 16)).at_least(0x2007, 0))
        self.assertFalse(generator.Layout(1).at_least(0x2005, 0))
        self.assertTrue(generator.Layout(generator.make_version(0x2007, 19)).at_least(0x2007, 19))
        self.assertFalse(generator.Layout(generator.make_version(0x2007, 18)).at_least(0x2007, 19))

    def test_values_that_would_be_misread_are_refused(self):
        out = generator.TextOut()
        for bad in (";comment", "%INDEX%X"):
            with self.assertRaises(ValueError):
                out.line(bad)
        for bad in ("it\u00b4s", "a\u2013b", "two\nlines"):
            with self.assertRaises(ValueError):
                out.line(bad)
        with self.assertRaises(ValueError):
            out.quoted(['say "hi"', "", "", "", "", ""])


CONTINENT_RUNS = [(1, 51, 0), (52, 61, 1), (62, 96, 2), (97, 148, 3), (149, 193, 4), (194, 204, 5),
                  (205, 205, 0), (206, 206, 2)]


class CountriesFileTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data, cls.lines = read_lines(COUNTRIES)

    def test_header_encoding_and_line_count(self):
        self.assertTrue(self.data.startswith(b"\xef\xbb\xbfCountries Version: 3\r\n"))
        self.assertEqual(self.data.count(b"\n"), self.data.count(b"\r\n"))
        self.assertEqual(1 + 207 * 7 + 1, len(self.lines))
        self.assertEqual("", self.lines[-1])

    def blocks(self):
        for index in range(207):
            yield index + 1, self.lines[1 + 7 * index: 8 + 7 * index]

    def test_every_country_has_seven_valid_lines(self):
        for country_id, block in self.blocks():
            names = block[0].split(",")
            self.assertEqual(6, len(names), country_id)
            for name in names:
                self.assertTrue(0 < len(name) <= 29 and name == name.strip() and '"' not in name, name)
                self.assertFalse(generator.READ_FIXUP_CHARACTERS.intersection(name), name)
            abbreviations = block[1].split(",")
            self.assertEqual(6, len(abbreviations))
            for abbreviation in abbreviations:
                self.assertRegex(abbreviation, r"^[A-Z]{3}$")
            self.assertEqual("0,0,0,0,0,0", block[2])
            first, second = int(block[4]), int(block[5])
            self.assertTrue(1 <= first <= 62, country_id)
            self.assertTrue(0 <= second <= 62 and second != first, country_id)
            self.assertEqual("0", block[6])

    def test_continents_follow_the_id_runs(self):
        continents = {country_id: int(block[3]) for country_id, block in self.blocks()}
        for first, last, continent in CONTINENT_RUNS:
            for country_id in range(first, last + 1):
                self.assertEqual(continent, continents[country_id], country_id)
        self.assertIn(continents[207], range(6))

    def test_names_are_unique_per_language(self):
        for language in range(6):
            names = [block[0].split(",")[language] for _, block in self.blocks()]
            self.assertEqual(len(names), len(set(names)), language)

    def test_british_associations(self):
        english = {country_id: block[0].split(",")[1] for country_id, block in self.blocks()}
        self.assertEqual("England", english[14])
        self.assertEqual("Northern Ireland", english[35])
        self.assertEqual("Scotland", english[42])
        self.assertEqual("Wales", english[50])

    def test_every_language_has_a_text_in_six_languages(self):
        with open(TEXTS, "rb") as f:
            texts = f.read().decode("utf-8-sig").split("\r\n")
        keys = {}
        for line in texts:
            if line.startswith("Country.Language."):
                fields = line.split("|")
                self.assertEqual(7, len(fields), line)
                self.assertTrue(all(fields[1:]), line)
                keys[fields[0]] = fields
        self.assertEqual({"Country.Language.%02d" % n for n in range(63)}, set(keys))
        used = {int(block[4]) for _, block in self.blocks()} | {int(block[5]) for _, block in self.blocks()}
        self.assertEqual(set(range(63)), used | {0})


def iso_countries():
    with open(os.path.join(ISO_FOLDER, "iso_3166-1.json"), encoding="utf-8") as f:
        current = {c["alpha_3"]: (c["alpha_2"], int(c["numeric"])) for c in json.load(f)["3166-1"]}
    with open(os.path.join(ISO_FOLDER, "iso_3166-3.json"), encoding="utf-8") as f:
        withdrawn = {c["alpha_3"]: (c.get("alpha_2", c["alpha_4"][:2]), int(c["numeric"])) for c in json.load(f)["3166-3"]
                     if "numeric" in c}
    return current, withdrawn


class CountryPropertyTableTest(unittest.TestCase):
    ROW = re.compile(r'\{\s*(\d+)\s*,\s*u"([A-Z]{2})"\s*,\s*u"([A-Z]{3})"\s*,\s*(\d+)\s*\}')

    def setUp(self):
        if not os.path.exists(PROPERTY_TABLE_SOURCE):
            self.skipTest("database/CountryPropertyTable.cpp is not there yet")
        if not os.path.exists(os.path.join(ISO_FOLDER, "iso_3166-1.json")):
            self.skipTest("the iso-codes package is not installed")
        with open(PROPERTY_TABLE_SOURCE, encoding="utf-8") as f:
            self.rows = [(int(i), a2, a3, int(n)) for i, a2, a3, n in self.ROW.findall(f.read())]

    def test_rows_and_ids(self):
        self.assertEqual(206, len(self.rows))
        ids = [row[0] for row in self.rows]
        self.assertEqual(205, len(set(ids)))
        self.assertEqual(2, ids.count(126))
        self.assertEqual(set(range(1, 207)) - {149}, set(ids))
        twice = [row for row in self.rows if row[0] == 126]
        self.assertEqual(twice[0], twice[1])

    def test_codes_are_those_of_iso_3166(self):
        current, withdrawn = iso_countries()
        from_part_3 = set()
        for country_id, alpha2, alpha3, numeric in self.rows:
            if alpha3 in current:
                self.assertEqual(current[alpha3], (alpha2, numeric), country_id)
            else:
                self.assertIn(alpha3, withdrawn, country_id)
                self.assertEqual(withdrawn[alpha3], (alpha2, numeric), country_id)
                from_part_3.add(alpha3)
        self.assertEqual({"SCG", "ANT"}, from_part_3)

    def test_british_associations_share_the_united_kingdom(self):
        gbr = sorted(row[0] for row in self.rows if row[2] == "GBR")
        self.assertEqual([14, 35, 42, 50], gbr)


if __name__ == "__main__":
    unittest.main()
