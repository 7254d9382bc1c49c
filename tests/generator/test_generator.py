"""Checks what the byte-for-byte round trips of the native tests do not show:
that the generator reproduces the shipped files, the contents and shapes of
the sample database, and the country list."""

import importlib.util
import os
import struct
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DATABASE = os.path.join(REPO, "data", "Database")
COUNTRIES = os.path.join(DATABASE, "Countries.sav")
TEXTS = os.path.join(REPO, "data", "trdata", "DatabaseEditor.txt")


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
        shipped = sorted(n for n in os.listdir(DATABASE)
                         if n not in ("Countries.sav", "Master.dat") and not n.startswith("."))
        self.assertEqual(shipped, self.names)
        for name in self.names:
            with open(os.path.join(self.temp.name, name), "rb") as a, \
                    open(os.path.join(DATABASE, name), "rb") as b:
                self.assertTrue(a.read() == b.read(), "%s differs from the shipped file" % name)

    def test_persons_show_every_state_long_notes_running_loans_and_the_values_kept_when_set(self):
        _, world, free_agents = generator.build_small(generator.read_countries(COUNTRIES), 2007)
        players = [p for c in world for club in c["clubs"] for _, p in club["players"]]
        staff = [s for c in world for club in c["clubs"] for _, s in club["staff"]]
        states = {p["state"] for p in players}
        for bit in range(6):
            self.assertTrue(any(state & (1 << bit) for state in states), "state bit %d" % bit)
        # Only a running injury may stand beside another state.
        self.assertTrue(all(bin(state & ~1).count("1") <= 1 for state in states))
        self.assertIn(1 | 8, states)
        for p in players:
            if p["state"] & 1:
                self.assertNotEqual(0, p["injury_kind"])
            else:
                self.assertEqual(0, p["injury_kind"])
        self.assertTrue(any(p["notes"].count("\t") == 2 for p in players + free_agents))
        self.assertTrue(any(e["flags"] == 3 for p in players for e in p["history"]))
        self.assertTrue(any(e["flags"] == 1 for p in players for e in p["history"]))
        self.assertTrue(any(p.get("disliked_club") for p in players))
        self.assertTrue(any(p.get("favourite_country") for p in free_agents))
        linked = [s for s in staff if s.get("linked")]
        self.assertTrue(linked and all(s["favourite_club"] and s["disliked_club"] for s in linked))

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


# The first and last year each title list of the club history can hold:
# championship, cup, super cup, league cup, champions cup, IT cup, club
# world cup, intercontinental cup.
TITLE_YEARS = ((1963, 2006), (1900, 2006), (1980, 2006), (1960, 2006),
               (1956, 2006), (1995, 2006), (2000, 2006), (1960, 2004))


class SampleConsistencyTest(unittest.TestCase):
    """The sample as a user reads it: nothing in it contradicts its rules or
    itself."""

    @classmethod
    def setUpClass(cls):
        cls.countries = generator.read_countries(COUNTRIES)
        _, cls.world, cls.free_agents = generator.build_small(cls.countries, 2007)
        cls.complete = [c for c in cls.world if c["clubs"]]

    def test_every_level_sorts_equal_points_by_a_rule_the_league_data_offers(self):
        for country in self.world:
            rules = {level[0] for level in country["levels"]}
            self.assertLessEqual(rules, {0, 4, 8}, country["info"].id)
        self.assertEqual({0, 4, 8}, {level[0] for c in self.complete for level in c["levels"]})

    def test_a_player_joined_his_club_when_his_stay_there_began(self):
        for country in self.complete:
            for club in country["clubs"]:
                for _, p in club["players"]:
                    # The club holding his contract: the one that lends him
                    # when he is loaned in, else his own. His stay there
                    # began with the first of its spells after the last
                    # spell elsewhere that was no loan.
                    owner = p["transfer_club"] if p["state"] & 8 else club["unique_id"]
                    first = None
                    for index in range(len(p["history"]) - 1, -1, -1):
                        spell = p["history"][index]
                        if not spell["flags"] & 1:
                            if spell["club"] != owner:
                                break
                            first = index
                    self.assertIsNotNone(first, p["last"])
                    arrival = p["history"][first]["start"]
                    self.assertEqual(arrival[2], p["joined"], p["last"])
                    if first:
                        self.assertEqual(generator.day_before(arrival), p["history"][first - 1]["end"], p["last"])

    def test_records_and_league_figures_agree_with_themselves(self):
        for country in self.complete:
            names = {club["names"][0] for club in country["clubs"]}
            for club in country["clubs"]:
                for kind, record in enumerate(club["records"]):
                    if not record["year"]:
                        continue
                    self.assertIn(record["text"], {generator.cut(n, 22) for n in names - {club["names"][0]}})
                    self.assertTrue(club["founded"] < record["year"] <= 2006)
                    if kind == 4:
                        self.assertTrue(0 < record["value"] <= club["capacity"])
                        continue
                    own, other = record["a"], record["b"]
                    self.assertTrue(own > other if kind in (0, 2) else own < other, (kind, own, other))
                for text in club["history_texts"]:
                    self.assertTrue(all(club["founded"] < int(y) <= 2006 for y in text.split(",") if y))
                stats = club["league_stats"]
                for league in range(2):
                    points, wins, draws, lost, goals, against, on_top = stats[league::2]
                    self.assertEqual(3 * wins + draws, points)
                    self.assertGreaterEqual(goals, wins)
                    self.assertGreaterEqual(against, lost)
                    self.assertLessEqual(on_top, (wins + draws + lost) // 34)

    def persons(self):
        """Every player of the sample with the club that holds him, the
        players without club with none."""
        for country in self.complete:
            for club in country["clubs"]:
                for _, p in club["players"]:
                    yield p, club["unique_id"]
        for p in self.free_agents:
            yield p, 0

    def spells(self):
        for p, own in self.persons():
            for spell in p["history"]:
                yield p, own, spell

    def test_spells_score_no_more_goals_than_matches_and_goalkeepers_hardly_any(self):
        for p, _, spell in self.spells():
            self.assertLessEqual(spell["goals"], spell["matches"], p["last"])
            self.assertLessEqual(spell["reserve_goals"], spell["reserve_matches"], p["last"])
            if generator.POSITION_GROUPS[p["positions"][0]] == 1:
                self.assertLessEqual(spell["goals"] + spell["reserve_goals"], 1, p["last"])

    def test_a_spell_at_no_club_holds_no_matches_fee_or_loan(self):
        for p, _, spell in self.spells():
            if spell["club"] == 0:
                self.assertEqual((0, 0, 0, 0, 0, 0), tuple(spell[k] for k in (
                    "matches", "reserve_matches", "goals", "reserve_goals", "fee", "flags")), p["last"])

    def test_national_matches_fit_ten_a_year_since_seventeen(self):
        for p, _ in self.persons():
            years = max(0, generator.age_on_reference_day(p["birth"]) - 17)
            self.assertLessEqual(p["national_apps"], 10 * years, (p["last"], p["birth"]))
        self.assertTrue(any(p["national_apps"] >= 40 for p, _ in self.persons()))

    def test_careers_begin_at_fifteen(self):
        for p, _, spell in self.spells():
            (day, month, year), (start_day, start_month, start_year) = p["birth"], spell["start"]
            age = start_year - year - ((start_month, start_day) < (month, day))
            self.assertGreaterEqual(age, 15, (p["last"], p["birth"], spell["start"]))

    def test_a_running_spell_is_at_the_players_club_a_loan_there_when_he_is_loaned_in(self):
        for p, own, spell in self.spells():
            if spell["flags"] & generator.RUNNING_ENTRY:
                loan = bool(spell["flags"] & generator.LOAN_ENTRY)
                self.assertTrue(spell["club"] == own != 0, (p["last"], spell))
                self.assertEqual(bool(p["state"] & 8), loan, (p["last"], spell))

    def test_league_seasons_fit_the_years_since_founding_and_goals_lean_with_the_results(self):
        for country in self.complete:
            for club in country["clubs"]:
                stats = club["league_stats"]
                matches = sum(stats[2 + league] + stats[4 + league] + stats[6 + league] for league in range(2))
                self.assertLessEqual(matches / 34, 2006 - club["founded"], club["names"][0])
                # The history page has room for three digits in each of them.
                self.assertLess(max(stats[2:8]), 1000, club["names"][0])
                for league in range(2):
                    wins, lost, goals, against = stats[2 + league], stats[6 + league], stats[8 + league], stats[10 + league]
                    self.assertEqual((wins > lost) - (wins < lost), (goals > against) - (goals < against),
                                     (club["names"][0], league))

    def test_a_title_goes_to_one_club_a_year_while_it_was_played(self):
        international = {kind: [] for kind in range(4, 8)}
        for country in self.complete:
            national = {kind: [] for kind in range(4)}
            for club in country["clubs"]:
                titles = [[int(y) for y in text.split(",") if y] for text in club["history_texts"]]
                # Seasons on top of the first league are the championships.
                self.assertEqual(len(titles[0]), club["league_stats"][12], club["names"][0])
                for kind, years in enumerate(titles):
                    first, last = TITLE_YEARS[kind]
                    self.assertTrue(all(first <= y <= last for y in years), (club["names"][0], kind, years))
                    (national if kind in national else international)[kind].extend(years)
                if any(titles[4:]):
                    self.assertTrue(titles[0], "%s: an international cup but never champion" % club["names"][0])
                # Only the champion and the cup winner of the season before
                # play the super cup, only the champion the champions cup,
                # only that year's champions cup winner the world's cups.
                for kind, qualifying, later in ((2, titles[0] + titles[1], 1), (4, titles[0], 1),
                                                (6, titles[4], 0), (7, titles[4], 0)):
                    for year in titles[kind]:
                        self.assertIn(year - later, qualifying, (club["names"][0], kind))
            for kind, years in national.items():
                self.assertEqual(len(years), len(set(years)), (country["info"].id, kind))
        for kind, years in international.items():
            self.assertEqual(len(years), len(set(years)), kind)
        holders = sum(1 for c in self.complete for club in c["clubs"] if any(club["history_texts"][4:]))
        self.assertLessEqual(holders, len(self.complete))

    def test_rivals_are_named_once_and_fill_the_first_slots(self):
        for country in self.complete:
            for club in country["clubs"]:
                named = [r for r in club["rivals"] if r]
                self.assertEqual(len(named), len(set(named)), club["names"][0])
                self.assertEqual(named, club["rivals"][:len(named)], club["names"][0])

    def test_fan_names_and_mascots_hold_the_whole_town(self):
        # Per language the forms longest first, and the field's capacity:
        # a club takes the first form that fits whole.
        forms = {"en": ((["The {town} fans", "{town} fans"], 20), (["{town} the Lion", "Leo the Lion"], 19)),
                 "de": ((["Fanclub {town}", "Fans {town}"], 20), (["Leo der Löwe"], 19)),
                 "es": ((["Peña {town}", "Peña"], 20), (["Leoncio"], 19))}
        for country in self.complete:
            language = generator.LANGUAGE_NAME_SETS[country["info"].first_language]
            for club in country["clubs"]:
                town = club["towns"][0]
                for field, (texts, capacity) in zip(("fan1", "mascot"), forms[language]):
                    fitting = [t.format(town=town) for t in texts if len(t.format(town=town)) < capacity]
                    self.assertIn(club[field], ["", fitting[0]], (club["names"][0], field))
        fans = [club["fan1"] for c in self.complete for club in c["clubs"]]
        self.assertIn("Northbridge fans", fans)

    def test_additional_managers_are_at_least_thirty(self):
        for country in self.world:
            for manager in country["managers"]:
                self.assertGreaterEqual(generator.age_on_reference_day(manager["birth"]), 30, manager["last"])

    def test_french_and_italian_elide_exactly_before_a_vowel(self):
        # Per language the article and the phrase choices that elide (l', d',
        # de l', dall') and those whose form elides before a vowel.
        eliding = {2: (({3}, {1, 2}), ({2, 4}, {0, 1, 3})), 4: (({3}, {1, 2, 4}), ({0}, {1, 3, 5}))}
        named = [(club["names"][0], club["articles"], club["phrase"]) for c in self.complete for club in c["clubs"]]
        with open(os.path.join(DATABASE, "TownDataUniques.txt"), "rb") as f:
            for line in f.read().decode("utf-8-sig").split("\r\n")[:-1]:
                fields = line.split("|")
                named.append((fields[4], [[int(d) for d in fields[8]]], [int(d) for d in fields[9]]))
        self.assertTrue(any(name[0] in "AEIOU" for name, _, _ in named))
        for name, articles, phrases in named:
            vowel = name[0].lower() in "aeiou"
            for language, (article_choices, phrase_choices) in eliding.items():
                choices = [(form[language], article_choices) for form in articles] + [(phrases[language], phrase_choices)]
                for choice, (elided, full) in choices:
                    self.assertNotIn(choice, full if vowel else elided, (name, language))

    def test_addresses_and_notes_are_in_the_country_language(self):
        foreign = {"de": ("Calle", "Street", "Road", "Scouted", "Founded", "Stadium"),
                   "en": ("straße", "Calle", "Aus der", "Gegründet", "Estadio"),
                   "es": ("straße", "Street", "Road", "Scouted", "Founded", "Stadium")}
        for country in self.complete:
            language = generator.LANGUAGE_NAME_SETS[country["info"].first_language]
            texts = [country["notes"], country["long_text"]] + [s["text1"] for s in country["sponsors"]]
            for club in country["clubs"]:
                texts += [club["address"], club["fan1"], club["mascot"], club["stadium_names"][0]]
                texts += [p["notes"] for _, p in club["players"]]
            for word in foreign[language]:
                self.assertEqual([], [t for t in texts if word in t], (language, word))
            self.assertIn(generator.LOCAL_WORDS[language]["country_notes"], texts)


class LeagueCalendarTest(unittest.TestCase):
    def test_league_days_keep_clear_of_the_continents_match_days(self):
        countries = generator.read_countries(COUNTRIES)
        _, world, _ = generator.build_small(countries, 2007)
        leagues = 0
        for country in world:
            busy = generator.continental_days(country["info"].continent)
            for league in country["leagues"]:
                leagues += 1
                for season, days in enumerate(league["days"]):
                    self.assertEqual(generator.matchday_count(league["team_count"], league["rounds"]), len(days))
                    self.assertEqual(sorted(set(days)), days)
                    near = [d for d in days if busy[season] & {d - 1, d, d + 1}]
                    self.assertEqual([], near, (country["info"].id, season))
        self.assertEqual(len(generator.SMALL_COMPLETE), leagues)
        self.assertTrue(generator.continental_days(0)[0], "Europe plays")


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



class BadgeFolderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory()
        run_generator("badges", cls.temp.name)
        cls.files = sorted(os.path.relpath(os.path.join(folder, name), cls.temp.name)
                           for folder, _, names in os.walk(cls.temp.name) for name in names)

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def test_shipped_badges_are_the_generated_ones_of_every_club_in_four_sizes(self):
        shipped = os.path.join(REPO, "data", "Badges")
        self.assertEqual(self.files, sorted(os.path.relpath(os.path.join(folder, name), shipped)
                                            for folder, _, names in os.walk(shipped) for name in names))
        _, world, _ = generator.build_small(generator.read_countries(COUNTRIES), 2007)
        clubs = [(generator.BADGE_COUNTRY_CODES[c["info"].id], club["names"][0])
                 for c in world for club in c["clubs"]]
        self.assertEqual(42, len(clubs))
        self.assertEqual(4 * len(clubs), len(self.files))
        for code, name in clubs:
            for size in (32, 64, 128, 256):
                path = os.path.join(code, "Badge%d" % size, name + ".tga")
                self.assertIn(path, self.files)
                with open(os.path.join(self.temp.name, path), "rb") as a, open(os.path.join(shipped, path), "rb") as b:
                    self.assertEqual(a.read(), b.read(), path)
        total = sum(os.path.getsize(os.path.join(shipped, path)) for path in self.files)
        self.assertLess(total, 700 * 1024)

    @unittest.skipUnless(importlib.util.find_spec("PIL"), "Pillow is not installed")
    def test_pillow_reads_a_shield_on_a_clear_ground(self):
        from PIL import Image
        for path in self.files:
            with Image.open(os.path.join(self.temp.name, path)) as image:
                size = int(path.split(os.sep)[1][len("Badge"):])
                self.assertEqual((size, size), image.size, path)
                self.assertEqual("RGBA", image.mode, path)
                self.assertEqual(0, image.getpixel((0, 0))[3], path)
                self.assertEqual(255, image.getpixel((size // 2, size // 2))[3], path)


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


if __name__ == "__main__":
    unittest.main()


class NameFilesTest(unittest.TestCase):
    """The shipped name files, read with Python's own Windows-1252 codec."""
    FILES = (("MaleNames.txt", 50, 15), ("FemaleNames.txt", 30, 15), ("Surnames.txt", 80, 19))

    @staticmethod
    def blocks(name):
        with open(os.path.join(DATABASE, name), "rb") as f:
            data = f.read()
        text = data.decode("cp1252")  # strict: an undefined byte fails here
        lines = text.split("\r\n")
        blocks, key = {}, None
        for line in lines[:-1]:
            if line.startswith("%"):
                key = int(line[1:])
                blocks.setdefault(key, [])
            else:
                blocks[key].append(line)
        return data, lines, blocks

    def test_files_are_windows_1252_with_keyed_blocks(self):
        for name, _, _ in self.FILES:
            data, lines, blocks = self.blocks(name)
            self.assertFalse(data.startswith(b"\xef\xbb\xbf"), name)
            self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), name)
            self.assertEqual("%0", lines[0], name)
            self.assertEqual("", lines[-1], name)
            self.assertTrue(set(blocks) <= set(range(63)), name)

    def test_every_first_language_and_key_zero_have_enough_names(self):
        countries = generator.read_countries(COUNTRIES)
        languages = {0} | {info.first_language for info in countries.values() if info}
        for name, least, _ in self.FILES:
            _, _, blocks = self.blocks(name)
            for language in sorted(languages):
                self.assertGreaterEqual(len(blocks.get(language, [])), least, (name, language))

    def test_names_keep_the_length_and_letter_rules(self):
        for name, _, longest in self.FILES:
            _, _, blocks = self.blocks(name)
            for key, names in blocks.items():
                self.assertEqual(len(names), len(set(names)), (name, key))
                for text in names:
                    self.assertTrue(0 < len(text) <= longest, (name, key, text))
                    self.assertEqual(text, text.strip(), (name, key, text))
                    self.assertTrue(all(c.isalpha() or c in " -'" for c in text), (name, key, text))

    def test_a_name_breaking_the_rules_stops_the_generator(self):
        for bad in (["Łukasz"], ["Anna", "Anna"], ["x" * 16], ["Tab\tName"], [" Anna"]):
            with self.assertRaises((ValueError, UnicodeEncodeError)):
                generator.checked_names(bad, 15)
