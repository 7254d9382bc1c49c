#!/usr/bin/env python3
"""Writes sample editable databases for the Trellan database editor.

Modes:
  small OUTDIR     207 countries, three of them complete, and the towns file
                   of the create-a-club feature (the sample shipped in
                   data/Database)
  full OUTDIR      about 50 countries with leagues, 2,200 clubs and 50,000
                   persons (load and save benchmarks)
  fixtures OUTDIR  one small country file per old layout, named
                   Country<id>_<version>.sav, for the version conversions;
                   every file describes the same country, so a converted
                   file can be compared with the newest one. They carry
                   values that old readers convert: tie-break rule 1 on the
                   even levels, the inverted option 205 before 2007-18,
                   Polish club texts unlike the English ones (replaced
                   by them before 2007-26) and the
                   average rating as a third before 0x2006
  badges OUTDIR    the badges of the small sample's clubs (data/Badges), in
                   the four sizes, below a folder per country
  scripts OUTDIR   the competition scripts of data/Script: the cup shapes
                   (CupAlloc.txt), the continental competitions of Europe
                   and South America and the league systems Lg<id>.txt,
                   in the oldest record layouts; the game's other scripts
                   as placeholders

Country names, abbreviations, continents and languages come from
Countries.sav (--countries), the badges' colours from the team colours of
data/trdata. The output depends only on the mode, the seed and those files.
Uses the Python standard library only.
"""

import argparse
import datetime
import os
import struct
import sys

PROGRAM_VERSION = (0x2007 << 16) | 28
NATIONAL_TEAM_INDEX = 0xFFFF
COUNTRY_COUNT = 207
LANGUAGE_COUNT = 6  # database order: German, English, French, Spanish, Italian, Polish

# Characters the text reader rewrites; generated texts must never hold them.
READ_FIXUP_CHARACTERS = set("\u0060\u00b4\u2013\u0001\u0004\u0006\u0013\u0012")

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_COUNTRIES = os.path.join(HERE, "..", "data", "Database", "Countries.sav")


def make_version(major, minor):
    return (major << 16) | minor


# ---------------------------------------------------------------------------
# Random numbers: a fixed algorithm, so output never depends on the Python
# release.
# ---------------------------------------------------------------------------

class Rng:
    def __init__(self, seed):
        self.state = (seed * 0x9E3779B97F4A7C15 + 0x632BE59BD9B4E019) & 0xFFFFFFFFFFFFFFFF

    def next64(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & 0xFFFFFFFFFFFFFFFF
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & 0xFFFFFFFFFFFFFFFF
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & 0xFFFFFFFFFFFFFFFF
        return z ^ (z >> 31)

    def below(self, n):
        return self.next64() % n if n > 0 else 0

    def between(self, low, high):
        return low + self.below(high - low + 1)

    def chance(self, percent):
        return self.below(100) < percent

    def pick(self, items):
        return items[self.below(len(items))]

    def sample(self, items, count):
        pool = list(items)
        chosen = []
        for _ in range(min(count, len(pool))):
            chosen.append(pool.pop(self.below(len(pool))))
        return chosen


# ---------------------------------------------------------------------------
# Version gates: a file of an older major passes every gate of its own major.
# ---------------------------------------------------------------------------

class Layout:
    def __init__(self, version):
        self.version = version
        self.major = version >> 16
        if version == 1:
            self.effective = 1
        elif self.major < 0x2007:
            self.effective = (self.major << 16) | 0xFFFF
        else:
            self.effective = version

    def at_least(self, major, minor=0):
        return self.effective >= make_version(major, minor)

    def major_below(self, major):
        return self.major < major

    @property
    def has_version_section(self):
        return self.version != 1


CURRENT = Layout(PROGRAM_VERSION)


# ---------------------------------------------------------------------------
# The tagged text stream, as written: UTF-8 with byte-order mark, CR LF after
# every line.
# ---------------------------------------------------------------------------

class TextOut:
    def __init__(self):
        self.lines = []

    def line(self, text):
        """A value line: it must not look like a comment or a section line."""
        check_text(text)
        if text.startswith((";", "%")):
            raise ValueError("value line would be misread: %r" % text)
        self.lines.append(text)

    def comment(self, text):
        assert text.startswith(";")
        check_text(text)
        self.lines.append(text)

    def separator(self):
        """The comment line that separates the parts of a league record."""
        self.lines.append(";")

    def number(self, value):
        self.lines.append("%d" % value)

    def numbers(self, values):
        for value in values:
            self.number(value)

    def hex(self, value):
        self.lines.append("%x" % value)

    def byte_list(self, values):
        self.lines.append(",".join("%d" % v for v in values))

    def quoted(self, texts):
        assert len(texts) == LANGUAGE_COUNT
        for text in texts:
            if '"' in text:
                raise ValueError("quote inside a quoted text: %r" % text)
        self.line(",".join('"%s"' % t for t in texts))

    def begin(self, key):
        self.lines.append("%INDEX%" + key)

    def end(self, key):
        self.lines.append("%INDEXEND%" + key)

    def encode(self):
        return b"\xef\xbb\xbf" + "".join(l + "\r\n" for l in self.lines).encode("utf-8")


def check_text(text):
    bad = READ_FIXUP_CHARACTERS.intersection(text)
    if bad or "\r" in text or "\n" in text:
        raise ValueError("text would change on reading: %r" % text)


def write_version(out, layout):
    if layout.has_version_section:
        out.begin("VERSION")
        out.number(layout.version)
        out.end("VERSION")


def write_date(out, date):
    day, month, year = date if date else (0, 0, 0)
    out.begin("DATE")
    out.numbers([day, month, year])
    out.end("DATE")


# ---------------------------------------------------------------------------
# Countries.sav
# ---------------------------------------------------------------------------

class CountryInfo:
    def __init__(self, country_id, names, abbreviations, continent, first_language, second_language):
        self.id = country_id
        self.names = names
        self.abbreviations = abbreviations
        self.continent = continent
        self.first_language = first_language
        self.second_language = second_language


def read_countries(path):
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    lines = data.decode("utf-8").split("\r\n")
    if not lines[0].startswith("Countries Version: "):
        raise ValueError("%s: not a country list" % path)
    countries = {}
    for index in range(COUNTRY_COUNT):
        block = [l.strip() for l in lines[1 + 7 * index: 8 + 7 * index]]
        names = block[0].split(",")
        abbreviations = block[1].split(",")
        countries[index + 1] = CountryInfo(index + 1, names, abbreviations, int(block[3]) & 7,
                                           int(block[4]), int(block[5]))
    return countries


# ---------------------------------------------------------------------------
# Name material, per database language of the persons' first language.
# ---------------------------------------------------------------------------

FIRST_NAMES = {
    "de": "Lukas Jonas Felix Tobias Stefan Michael Thomas Andreas Matthias Sebastian Florian Daniel Kai "
          "Jan Marco Dennis Sven Timo Bastian Philipp Moritz Niklas Jens Dirk Uwe Jürgen Horst Björn".split(),
    "en": "James John Michael David Paul Mark Steven Gary Darren Wayne Lee Ryan Jamie Craig Andrew "
          "Stuart Neil Kevin Ian Peter Robbie Scott Jack Harry Tom Danny Chris Joe".split(),
    "fr": "Julien Nicolas Thomas Sébastien Olivier Franck Laurent Mathieu Antoine Jérôme Cédric Yoann "
          "Florent Benoît Hugo Raphaël Karim Bruno Didier Marcel".split(),
    "es": "José Juan Carlos Javier Miguel Antonio Sergio Raúl Fernando Pablo David Álvaro Iker Xabi "
          "Diego Jorge Andrés Luis Rubén Gonzalo Íñigo Óscar".split(),
    "it": "Marco Andrea Luca Alessandro Francesco Giuseppe Paolo Fabio Gianluca Simone Daniele Massimo "
          "Roberto Alessio Stefano Matteo Davide Antonio".split(),
    "pl": "Jakub Piotr Tomasz Krzysztof Paweł Marcin Łukasz Michał Grzegorz Kamil Mariusz Jacek "
          "Adam Maciej Wojciech Sebastian Dariusz Radosław".split(),
    "pt": "João Pedro Tiago Rui Nuno Ricardo Bruno Paulo Miguel Hugo Sérgio Luís Ronaldo Cristiano".split(),
    "nl": "Jan Pieter Dirk Ruud Marco Edwin Wesley Arjen Robin Klaas Rafael Dennis Frank Ronald".split(),
}
LAST_NAMES = {
    "de": "Müller Schmidt Schneider Fischer Weber Meyer Wagner Becker Schulz Hoffmann Koch Richter "
          "Klein Wolf Schröder Neumann Schwarz Zimmermann Braun Krüger Hofmann Hartmann Lange Werner "
          "Krause Lehmann Köhler Maier".split(),
    "en": "Smith Jones Taylor Brown Williams Wilson Johnson Davies Robinson Wright Thompson Evans Walker "
          "White Roberts Green Hall Wood Jackson Clarke Hughes Edwards Turner Cooper Parker Bennett".split(),
    "fr": "Martin Bernard Dubois Thomas Robert Richard Petit Durand Leroy Moreau Simon Laurent Lefèvre "
          "Michel Garcia David Bertrand Roux Vincent Fournier Morel Girard".split(),
    "es": "García Fernández González Rodríguez López Martínez Sánchez Pérez Gómez Martín Jiménez Ruiz "
          "Hernández Díaz Moreno Álvarez Muñoz Romero Alonso Gutiérrez Navarro Torres".split(),
    "it": "Rossi Russo Ferrari Esposito Bianchi Romano Colombo Ricci Marino Greco Bruno Gallo Conti "
          "Mancini Costa Giordano Rizzo Lombardi Moretti".split(),
    "pl": "Nowak Kowalski Wiśniewski Wójcik Kowalczyk Kamiński Lewandowski Zieliński Szymański Woźniak "
          "Dąbrowski Kozłowski Jankowski Mazur Kwiatkowski Krawczyk".split(),
    "pt": "Silva Santos Ferreira Pereira Oliveira Costa Rodrigues Martins Jesus Sousa Fernandes Gonçalves".split(),
    "nl": "Jansen Bakker Janssen Visser Smit Meijer Mulder Bos Vos Peters Hendriks Dekker Brouwer".split(),
}
# Language numbers of the country list, mapped to the name material above;
# every other language builds names from syllables.
LANGUAGE_NAME_SETS = {1: "de", 2: "en", 3: "fr", 4: "es", 5: "it", 6: "pl", 7: "pt", 8: "nl"}
SYLLABLES = "ka lo mi ra te no vu si da be ko ri na sa to le mo ha ju ze ba di ne ro ta".split()

TOWN_PARTS = {
    "de": (["Ober", "Unter", "Neu", "Alt", "Bad ", "Groß", "Klein", "Hohen", "Nieder", "Sankt "],
           ["bach", "burg", "dorf", "feld", "hausen", "heim", "stadt", "berg", "hagen", "furt", "au", "brück"]),
    "en": (["North", "South", "West", "East", "Ash", "Brad", "Chester", "Kings", "New", "Black"],
           ["ford", "field", "ton", "ham", "bury", "wood", "pool", "bridge", "mouth", "wick", "stone", "dale"]),
    "es": (["San ", "Villa", "Puerto ", "Valde", "Alcal", "Torre", "Castel", "Monte", "Santa ", "Río"],
           ["rreal", "nueva", "mar", "verde", "blanca", "alta", "llano", "seca", "fría", "dolid", "sol", "vega"]),
}

LEVEL_NAMES = [
    ["Erste Liga", "First Division", "Première Division", "Primera División", "Prima Divisione", "Pierwsza Liga"],
    ["Zweite Liga", "Second Division", "Deuxième Division", "Segunda División", "Seconda Divisione", "Druga Liga"],
    ["Dritte Liga", "Third Division", "Troisième Division", "Tercera División", "Terza Divisione", "Trzecia Liga"],
]

CUP_TITLES = [
    ["Meisterpokal", "Champions Cup", "Coupe des champions", "Copa de Campeones", "Coppa dei Campioni", "Puchar Mistrzów"],
    ["Pokalsiegerpokal", "Cup Winners Cup", "Coupe des vainqueurs", "Recopa", "Coppa delle Coppe", "Puchar Zdobywców"],
    ["Supercup", "Super Cup", "Supercoupe", "Supercopa", "Supercoppa", "Superpuchar"],
]
CONTINENT_NAMES = [
    ["Europa", "Europe", "Europe", "Europa", "Europa", "Europa"],
    ["Südamerika", "South America", "Amérique du Sud", "Sudamérica", "Sudamerica", "Ameryka Płd."],
    ["Nordamerika", "North America", "Amérique du Nord", "Norteamérica", "Nordamerica", "Ameryka Płn."],
    ["Afrika", "Africa", "Afrique", "África", "Africa", "Afryka"],
    ["Asien", "Asia", "Asie", "Asia", "Asia", "Azja"],
    ["Ozeanien", "Oceania", "Océanie", "Oceanía", "Oceania", "Oceania"],
]

CONTINENT_CODES = ["EU", "SA", "NA", "AF", "AS", "OC"]

CLUB_SUFFIXES = ["FC", "SV", "United", "City", "Athletic", "Rovers", "Sporting", "Real", "Olympic", "Dynamo"]

# The words of a country's texts, by the name material of its first
# language; languages without material write English, the game's own.
# "address" places the street, the house number and the town; "fans" and
# "mascot" list their forms longest first, and a club takes the first whose
# text fits its field whole, since a name cut short reads as a typing slip.
LOCAL_WORDS = {
    "de": {"streets": ["Hauptstraße", "Bahnhofstraße", "Stadionweg", "Sportplatzweg", "Lindenallee", "Marktplatz"],
           "address": "{street} {number}, {town}", "fans": ["Fanclub {town}", "Fans {town}"], "mascot": ["Leo der Löwe"],
           "stadium": "Stadion {town}", "sponsor": "Hauptpartner: {country}",
           "federation": "Fußballverband {country}",
           "notes": ["Aus der eigenen Jugend", "Kopfballstark", "Kapitän der Reserve"],
           "country_notes": "Gegründet vor langer Zeit\tMitglied des Weltverbands"},
    "en": {"streets": ["High Street", "Park Road", "Station Road", "Church Lane", "Mill Lane", "Victoria Road"],
           "address": "{number} {street}, {town}", "fans": ["The {town} fans", "{town} fans"],
           "mascot": ["{town} the Lion", "Leo the Lion"],
           "stadium": "{town} Stadium", "sponsor": "Main partner of {country}", "federation": "FA of {country}",
           "notes": ["Scouted in the youth team", "Strong in the air", "Captain of the reserves"],
           "country_notes": "Founded long ago\tMember of the world federation"},
    "fr": {"streets": ["rue Centrale", "avenue du Stade", "rue de la Gare", "place du Marché"],
           "address": "{number} {street}, {town}", "fans": ["Les fans de {town}", "Fans de {town}"],
           "mascot": ["Léo le Lion"],
           "stadium": "Stade de {town}", "sponsor": "Partenaire de {country}", "federation": "Fédération {country}",
           "notes": ["Formé au club", "Fort de la tête", "Capitaine de la réserve"],
           "country_notes": "Fondée il y a longtemps\tMembre de la fédération mondiale"},
    "es": {"streets": ["Calle Mayor", "Avenida del Estadio", "Calle de la Estación", "Plaza Mayor", "Calle Real"],
           "address": "{street} {number}, {town}", "fans": ["Peña {town}", "Peña"], "mascot": ["Leoncio"],
           "stadium": "Estadio {town}", "sponsor": "Patrocinador de {country}",
           "federation": "Federación de {country}",
           "notes": ["Formado en la cantera", "Fuerte por alto", "Capitán del filial"],
           "country_notes": "Fundada hace mucho\tMiembro de la federación mundial"},
    "it": {"streets": ["Via Roma", "Via dello Stadio", "Corso Italia", "Piazza del Mercato"],
           "address": "{street} {number}, {town}", "fans": ["Tifosi di {town}", "Tifosi"], "mascot": ["Leone Leo"],
           "stadium": "Stadio {town}", "sponsor": "Partner di {country}", "federation": "Federazione {country}",
           "notes": ["Cresciuto nel vivaio", "Forte di testa", "Capitano della riserva"],
           "country_notes": "Fondata tanto tempo fa\tMembro della federazione mondiale"},
    "pl": {"streets": ["ulica Główna", "ulica Sportowa", "ulica Dworcowa", "Rynek"],
           "address": "{street} {number}, {town}", "fans": ["Kibice {town}", "Kibice"], "mascot": ["Lew Leon"],
           "stadium": "Stadion {town}", "sponsor": "Partner: {country}", "federation": "Związek {country}",
           "notes": ["Wychowanek klubu", "Dobrze gra głową", "Kapitan rezerw"],
           "country_notes": "Założony dawno temu\tCzłonek światowej federacji"},
    "pt": {"streets": ["Rua Principal", "Avenida do Estádio", "Rua da Estação", "Praça Central"],
           "address": "{street} {number}, {town}", "fans": ["Adeptos de {town}", "Adeptos"], "mascot": ["Leão Leo"],
           "stadium": "Estádio {town}", "sponsor": "Parceiro de {country}", "federation": "Federação {country}",
           "notes": ["Formado no clube", "Forte no jogo aéreo", "Capitão da equipa B"],
           "country_notes": "Fundada há muito tempo\tMembro da federação mundial"},
    "nl": {"streets": ["Dorpsstraat", "Stationsweg", "Kerkstraat", "Stadionweg"],
           "address": "{street} {number}, {town}", "fans": ["Supporters {town}", "Supporters"], "mascot": ["Leo de Leeuw"],
           "stadium": "Stadion {town}", "sponsor": "Partner van {country}", "federation": "Bond van {country}",
           "notes": ["Uit de eigen jeugd", "Sterk in de lucht", "Aanvoerder van de reserves"],
           "country_notes": "Lang geleden opgericht\tLid van de wereldbond"},
}
# The database language (German, English, French, Spanish, Italian, Polish)
# a country's texts name other countries in.
NAME_SET_DATABASE_LANGUAGE = {"de": 0, "en": 1, "fr": 2, "es": 3, "it": 4, "pl": 5}


def local_words(language):
    return LOCAL_WORDS.get(LANGUAGE_NAME_SETS.get(language), LOCAL_WORDS["en"])


def country_name_in(info, language):
    """The country's name as a text in the given language names it."""
    return info.names[NAME_SET_DATABASE_LANGUAGE.get(LANGUAGE_NAME_SETS.get(language), 1)]


FAN_NAME_CAPACITY = 20
MASCOT_CAPACITY = 19


def whole_form(forms, capacity, town):
    """The first form that fits the field with the whole town in it."""
    for form in forms:
        text = form.format(town=town)
        if len(text) < capacity:
            return text
    raise ValueError("no form of %r fits %d characters for %r" % (forms, capacity, town))


def player_notes(language, lines):
    return "\t".join(local_words(language)["notes"][:lines])


class NameMaker:
    def __init__(self, rng):
        self.rng = rng

    def syllable_word(self, count):
        word = "".join(self.rng.pick(SYLLABLES) for _ in range(count))
        return word[0].upper() + word[1:]

    def person(self, language):
        key = LANGUAGE_NAME_SETS.get(language)
        if key is None:
            return self.syllable_word(2), self.syllable_word(self.rng.between(2, 3))
        return self.rng.pick(FIRST_NAMES[key]), self.rng.pick(LAST_NAMES[key])

    def town(self, language):
        key = {1: "de", 2: "en", 4: "es"}.get(language)
        if key is None:
            return self.syllable_word(self.rng.between(2, 3))
        prefixes, suffixes = TOWN_PARTS[key]
        prefix, suffix = self.rng.pick(prefixes), self.rng.pick(suffixes)
        if prefix.endswith(" "):
            suffix = suffix[0].upper() + suffix[1:]
        return prefix + suffix


# ---------------------------------------------------------------------------
# The world model the writers read. Plain dictionaries keep it close to the
# file layouts.
# ---------------------------------------------------------------------------

def six(text):
    return [text] * LANGUAGE_COUNT


def cut(text, capacity):
    """At most capacity - 1 characters, without trailing blanks."""
    return text[:capacity - 1].rstrip()


def team_id(country_id, index):
    return (country_id << 16) | index


def random_date(rng, first_year, last_year):
    return (rng.between(1, 28), rng.between(1, 12), rng.between(first_year, last_year))


# The editor's today, on which ages are taken.
REFERENCE_DAY = (3, 7, 2007)
YOUTH_BIT = 64
YOUTH_AGE_LIMIT = 19
ALWAYS_YOUTH_BELOW = 16
# A staff member's level at his club, on the editor's five-step scale.
STAFF_LEVELS = 5
# Fewest national appearances for international experience 1, 2, 3 and 4.
EXPERIENCE_STEPS = (1, 10, 25, 50)
# The last day before the season. A player's latest station, the one at his
# own club, ends on it, as the problem check asks.
SEASON_EVE = (30, 6, 2007)
# History entry flags: a loan, and the spell still running.
LOAN_ENTRY = 1
RUNNING_ENTRY = 2
# The shoe list (trdata/<language>/shoe.txt) holds the ids 1 to 9; a club
# import cuts any higher id to 9.
SHOE_COUNT = 9
# Position group of each position (1 goalkeeper, 2 defence, 3 midfield,
# 4 attack), the fewest players of each group in a squad of eleven or more,
# and the position a player takes who moves into a short group.
POSITION_GROUPS = (0, 1, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 3, 4, 4)
FEWEST_IN_GROUP = {1: 2, 2: 3, 3: 3, 4: 3}
GROUP_POSITION = {1: 1, 2: 4, 3: 12, 4: 16}


def age_on_reference_day(date):
    day, month, year = date
    reference_day, reference_month, reference_year = REFERENCE_DAY
    before_birthday = (month, day) > (reference_month, reference_day)
    return reference_year - year - (1 if before_birthday else 0)


def experience_floor(appearances):
    return sum(1 for step in EXPERIENCE_STEPS if appearances >= step)


def keep_page_rules(p):
    """The values the person pages would repair at a mere look: the youth
    flag only below the youth age (always below 16), and international
    experience at least what the national appearances give."""
    age = age_on_reference_day(p["birth"])
    if age >= YOUTH_AGE_LIMIT:
        p["player_bits"] &= ~YOUTH_BIT
    elif age < ALWAYS_YOUTH_BELOW:
        p["player_bits"] |= YOUTH_BIT
    p["international_experience"] = max(p["international_experience"], experience_floor(p["national_apps"]))
    return p


def joined_at_stay_start(p):
    """A player at a club joined the club that holds his contract when his
    stay there began: his spells there with his loans away between them."""
    history = p["history"]
    contracts = [spell for spell in history if not spell["flags"] & LOAN_ENTRY]
    if not contracts or not any(spell["flags"] & RUNNING_ENTRY for spell in history):
        return p
    owner = contracts[-1]["club"]
    for spell in reversed(history):
        if spell["flags"] & LOAN_ENTRY:
            continue
        if spell["club"] != owner:
            break
        p["joined"] = spell["start"][2]
    return p


class WorldBuilder:
    def __init__(self, countries, seed):
        self.countries = countries
        self.rng = Rng(seed)
        self.names = NameMaker(self.rng)
        self.next_person_id = 1
        # The years of each international club cup already won in the world.
        self.international_titles = {kind: set() for kind in INTERNATIONAL_TITLES}

    def take_person_id(self):
        person_id = self.next_person_id
        self.next_person_id += 1
        return person_id

    # -- persons ------------------------------------------------------------

    def languages_for(self, nationality):
        info = self.countries[nationality]
        return [info.first_language, info.second_language if self.rng.chance(30) else 0, 0, 0]

    def history(self, country_id, club_count, years, own_club):
        """A station every step of years up to the season; with an own
        club the latest station is the spell there, running and up to the
        season's eve, and every earlier one ends by the time it starts. The
        station just before the spell is at another club: the spell began
        when he came."""
        rng = self.rng
        entries = []
        start_year = 2007 - years
        step = 2 if years >= 10 else max(1, years // 3)
        for year in range(start_year, 2007, step):
            club = team_id(country_id, rng.between(1, club_count)) if club_count and rng.chance(80) else 0
            loan = 1 if rng.chance(10) else 0
            entries.append({
                "flags0": 0, "club": club,
                "start": (1, 7, year), "end": (30, 6, min(year + rng.between(1, 2), 2007)),
                "matches": rng.between(0, 38), "reserve_matches": rng.between(0, 10),
                "goals": rng.between(0, 12), "reserve_goals": rng.between(0, 3),
                "fee": rng.pick([0, 0, 50000, 250000, 1200000]), "flags": loan,
            })
        if own_club and entries:
            spell = entries[-1]
            spell["club"], spell["end"] = own_club, SEASON_EVE
            spell["flags"] |= RUNNING_ENTRY
            arrival = spell["start"][2]
            for entry in entries[:-1]:
                entry["end"] = (30, 6, min(entry["end"][2], arrival))
                if entry["club"] == own_club and entry["end"][2] == arrival:
                    entry["club"] = team_id(country_id, (own_club & 0xFFFF) % club_count + 1)
        return entries

    def player(self, country_id, club_count, shirt, history_years=6, own_club=0):
        rng = self.rng
        nationality = country_id if rng.chance(85) else rng.between(1, COUNTRY_COUNT)
        languages = self.languages_for(nationality)
        first, last = self.names.person(languages[0])
        position = rng.between(1, 17)
        positions = [position] + [rng.pick([0, 0, rng.between(1, 17)]) for _ in range(5)]
        positions = dedupe_positions(positions)
        state = 0
        injury_kind = 0
        injury = ((1, 7, 2007), (1, 7, 2007))
        transfer_club = 0
        transfer = ((1, 7, 2007), (30, 6, 2008))
        fee = 0
        draw = rng.below(100)
        if draw < 4:
            state = 1
            length = rng.pick([20, 45, 90, 150])
            injury = ((1, 7, 2007), day_after((1, 7, 2007), length))
            injury_kind = 19 if length > 120 else (21 if length > 60 else 20)
        elif draw < 8 and club_count > 1:
            state = 1 << 3
            transfer_club = team_id(country_id, rng.between(1, club_count))
            fee = rng.pick([0, 100000, -1])
        traits = 0
        for bit in rng.sample(range(23), rng.between(0, 3)):
            traits |= 1 << bit
        return joined_at_stay_start(keep_page_rules({
            "type": 0, "first": cut(first, 16), "last": cut(last, 20),
            "nickname": cut(last, 20) if rng.chance(5) else "",
            "pseudonym": "", "reserve": 1 if rng.chance(15) else 0,
            "nationality": nationality, "second_nationality": 0, "flags": 4 if rng.chance(20) else 0,
            "birth": random_date(rng, 1972, 1990),
            "player_bits": rng.between(0, 4) | (rng.between(0, 3) << 3) | (64 if rng.chance(5) else 0),
            "summary": 0, "positions": positions,
            "abilities": [rng.between(25, 90) for _ in range(43)],
            "caricature": rng.between(0, 20), "carried_a": 100, "character": traits,
            "hair_colour": rng.between(1, 5), "face": rng.between(1, 90), "hairstyle": rng.between(1, 38),
            "facial_hair": rng.between(1, 6), "height": rng.between(168, 198), "weight": rng.between(62, 94),
            "national_experience": rng.between(0, 6), "international_experience": rng.between(0, 4),
            "shirt": shirt, "reserve_shirt": 0, "face_id": 0,
            "empics_id": rng.between(100000, 999999) if rng.chance(30) else 0,
            "joined": rng.between(1998, 2007), "contract": rng.between(2008, 2012),
            "salary": rng.between(1, 200) * 5000, "value": rng.between(1, 400) * 25000, "money3": 0,
            "national_apps": rng.between(0, 60) if rng.chance(20) else 0, "national_goals": 0,
            "staff_abilities": [0, 0, 0, 0], "languages": languages,
            "favourite_club": team_id(country_id, rng.between(1, club_count)) if club_count and rng.chance(10) else 0,
            "second_club": 0, "linked": 0, "tactic": 0,
            "stability": 2, "tactical_education": rng.between(0, 7), "national_bits": rng.pick([0, 0, 0, 2]),
            "state": state, "transfer_club": transfer_club, "transfer_start": transfer[0], "transfer_end": transfer[1],
            "ban": 0, "injury_kind": injury_kind, "injury_start": injury[0], "injury_end": injury[1],
            "fee": fee, "call_option": 0, "shoe": rng.between(1, SHOE_COUNT), "appearance_bits": 1 if rng.chance(10) else 0,
            "history": self.history(country_id, club_count, history_years, own_club),
            "notes": player_notes(self.countries[country_id].first_language, 2) if rng.chance(3) else "",
            "carried_b": 0,
        }))

    def staff(self, country_id, staff_type):
        rng = self.rng
        languages = self.languages_for(country_id)
        first, last = self.names.person(languages[0])
        return {
            "type": staff_type, "first": cut(first, 16), "last": cut(last, 20),
            "birth": random_date(rng, 1940, 1975), "nationality": country_id,
            "extra_a": rng.between(0, 3), "level": rng.below(STAFF_LEVELS),
            "staff_abilities": [rng.between(0, 15) for _ in range(4)],
            "character": rng.between(0, 11), "languages": languages,
            "tactic": rng.between(0, 9), "extra_b": rng.between(0, 7), "stability": rng.between(0, 4),
        }

    def manager_person(self, country_id):
        """An additional manager: a person record without club, injury or transfer."""
        person = self.player(country_id, 0, 0, history_years=3)
        person["type"] = 1
        person["state"] = 0
        person["injury_kind"] = 0
        day, month, year = person["birth"]
        person["birth"] = (day, month, year - MANAGER_YEARS_OLDER)
        return keep_page_rules(person)

    # -- clubs --------------------------------------------------------------

    def club(self, info, index, club_count, player_count, staff_count, used_names, history_years):
        rng = self.rng
        language = info.first_language
        words = local_words(language)
        while True:
            town = cut(self.names.town(language), 29)
            name = cut("%s %s" % (town, rng.pick(CLUB_SUFFIXES)), 30)
            if name not in used_names and len(town) >= 2:
                used_names.add(name)
                break
        short = cut(town, 11)
        abbreviation = (town[:3].upper() + "FC")[:4]
        rivals = [team_id(info.id, rng.between(1, club_count)) if rng.chance(40) else 0 for _ in range(4)]
        rivals = distinct_rivals([r if r != team_id(info.id, index) else 0 for r in rivals])
        capital = rng.between(1, 400) * 50000
        players = []
        shirts = rng.sample(range(1, 41), player_count)
        for shirt in shirts:
            person_id = self.take_person_id()
            player = self.player(info.id, club_count, shirt, history_years, team_id(info.id, index))
            # A reserve player wears his number in the reserve team.
            if player["reserve"]:
                player["reserve_shirt"] = shirt
            players.append((person_id, player))
        fill_position_groups([player for _, player in players])
        staff_types = [1, 2] + rng.sample([4, 5, 7, 8, 9, 13, 15], max(0, staff_count - 2))
        staff = [(self.take_person_id(), self.staff(info.id, t)) for t in staff_types[:staff_count]]
        return {
            "index": index, "unique_id": team_id(info.id, index),
            "names": six(name), "second_names": six(name), "short_names": six(short),
            "second_short_names": six(short),
            "articles": [agreeing_choices(rng.between(0, 2), ARTICLE_COUNTS, ELIDING_ARTICLES, name) for _ in range(3)],
            "abbreviations": six(abbreviation),
            "phrase": agreeing_choices(rng.between(0, 3), PHRASE_COUNTS, ELIDING_PHRASES, name),
            "towns": six(cut(town, 29)),
            "fan1": whole_form(words["fans"], FAN_NAME_CAPACITY, town) if rng.chance(50) else "", "fan2": "",
            "partner": self.partner_club(info.id, index, club_count),
            "rivals": rivals, "founded": rng.between(1863, 1990),
            "address": cut(words["address"].format(street=rng.pick(words["streets"]), number=rng.between(1, 200),
                                                   town=town), 119),
            "telephone": "+%d %d" % (rng.between(10, 99), rng.between(1000000, 9999999)),
            "website": cut("www.%s.example" % town.lower().replace(" ", ""), 64),
            "fansites": "", "extra_text": "", "mascot": whole_form(words["mascot"], MASCOT_CAPACITY, town) if rng.chance(30) else "",
            "capital": capital, "capital_half": capital // 2, "joint_stock": rng.pick([0, 0, 1]),
            "extra_byte": 0, "start_flags": 0, "start_points": 0,
            "values": [rng.between(10, 60) * 1000, rng.between(10, 50) * 100, rng.between(5, 30) * 100],
            # Drawn numbers that finish_club_histories turns into the figures.
            "league_stats": [rng.between(0, 40) for _ in range(14)],
            "extra_number": rng.between(0, 9999), "capacity": rng.between(8, 80) * 1000,
            "stadium_names": six(cut(words["stadium"].format(town=town), 30)),
            "stadium_type": rng.between(0, 2), "ground_flags": rng.pick([0, 0, 1]),
            "facilities": [rng.between(0, 5) for _ in range(7)],
            "media_pressure": rng.between(0, 3), "flags": 0, "season_flags": 0,
            "badge_path": "color\\Badge256\\bl_sw.tga",
            "badge_params": [rng.between(0, 23), rng.between(0, 23), rng.between(0, 4), 0, 0],
            "history_texts": [",".join(str(y) for y in sorted(rng.sample(range(1900, 2007), rng.between(0, 3))))
                              for _ in range(8)],
            "records": [self.club_record(kind, index, club_count) for kind in range(RECORD_KINDS)],
            "latitude": (rng.between(35, 60) << 16) | rng.between(0, 59),
            "longitude": -((rng.between(1, 10) << 16) | rng.between(0, 59)) if rng.chance(30)
            else (rng.between(0, 25) << 16) | rng.between(0, 59),
            "prestige": [rng.between(0, 10), rng.between(0, 10)], "extra_string": "",
            "transfer_settings": [rng.between(0, 2), rng.between(0, 2)], "youth_nationality": info.id,
            "qaro_id": 0, "players": players, "staff": staff, "kit": self.kit(),
            "lowest_leagues": [0, 0, 0, 0],
        }

    def partner_club(self, country_id, index, club_count):
        """A partner club now and then; never the club itself."""
        if club_count < 2 or not self.rng.chance(20):
            return 0
        partner = team_id(country_id, self.rng.between(1, club_count))
        return partner if partner != team_id(country_id, index) else 0

    def club_record(self, kind, own_index, club_count):
        """A record of its kind against another club of the country. Every
        record draws the same numbers, whatever its kind, so that the kinds
        leave the values after them as they were."""
        rng = self.rng
        if rng.chance(40):
            return {"a": 0, "b": 0, "value": 0, "text": "", "year": 0}
        low, high = sorted((rng.between(0, 9), rng.between(0, 9)))
        offset = 1 + rng.below(max(1, club_count - 1))
        opponent = (own_index - 1 + offset) % club_count + 1
        spectators = rng.between(50, 1000) * 100
        year = rng.between(1950, 2006)
        if kind == SPECTATOR_RECORD:
            return {"a": 0, "b": 0, "value": spectators, "opponent": opponent, "year": year}
        # A win by at least a goal: the own goals stand first.
        won, lost = high + 1, low // 3
        goals = (won, lost) if kind in VICTORY_RECORDS else (lost, won)
        return {"a": goals[0], "b": goals[1], "value": 0, "opponent": opponent, "year": year}

    def kit(self):
        rng = self.rng
        kits = []
        for _ in range(2):
            kits.append({
                # Style parts 1 and 2 run 1..13 and 1..4; value B is the
                # badge position 0..2.
                "styles": [rng.between(0, 42), rng.between(1, 13), rng.between(1, 4)],
                "colours": [rng.between(0, 63) for _ in range(12)],
                "value_a": rng.between(0, 6), "value_b": rng.between(0, 2),
            })
        return {"kits": kits, "qaro": 0}

    def national_team(self, info):
        names = [cut(n, 30) for n in info.names]
        return {
            "index": NATIONAL_TEAM_INDEX, "unique_id": team_id(info.id, NATIONAL_TEAM_INDEX),
            "names": names, "second_names": names, "short_names": [cut(n, 11) for n in info.names],
            "second_short_names": [cut(n, 11) for n in info.names], "articles": [[0] * 6] * 3,
            "abbreviations": [cut(a, 5) for a in info.abbreviations], "phrase": six(0),
            "towns": six(""), "fan1": "", "fan2": "", "partner": 0, "rivals": [0, 0, 0, 0],
            "founded": 1900, "address": "", "telephone": "", "website": "", "fansites": "",
            "extra_text": "", "mascot": "", "capital": 0, "capital_half": 0, "joint_stock": 0,
            "extra_byte": 0, "start_flags": 0, "start_points": 0, "values": [25000, 3000, 500],
            "league_stats": [0] * 14, "extra_number": 0, "capacity": 0, "stadium_names": six(""),
            "stadium_type": 1, "ground_flags": 0, "facilities": [0] * 7, "media_pressure": 1,
            "flags": 0, "season_flags": 0, "badge_path": "color\\Badge256\\bl_sw.tga",
            "badge_params": [0, 0, 0, 0, 0], "history_texts": [""] * 8,
            "records": [{"a": 0, "b": 0, "value": 0, "text": "", "year": 0}] * 5,
            "latitude": 0, "longitude": 0, "prestige": [0, 0], "extra_string": "",
            "transfer_settings": [0, 0], "youth_nationality": info.id, "qaro_id": 0,
            "players": [], "staff": [], "kit": {"kits": [{"styles": [1, 1, 1], "colours": [1] + [0] * 11,
                                                          "value_a": 0, "value_b": 0},
                                                         {"styles": [1, 1, 1], "colours": [0] * 12,
                                                          "value_a": 0, "value_b": 0}], "qaro": 0},
            "lowest_leagues": [0, 0, 0, 0],
        }

    # -- small records --------------------------------------------------------

    def referee(self, info):
        first, last = self.names.person(info.first_language)
        return {"first": cut(first, 16), "last": cut(last, 20), "type": self.rng.between(0, 6)}

    def sponsor(self, info):
        word = self.names.syllable_word(2)
        return {"name": cut("%s Group" % word, 29), "value": self.rng.between(1, 50) * 10000,
                "text1": cut(local_words(info.first_language)["sponsor"].format(
                    country=country_name_in(info, info.first_language)), 32), "text2": ""}

    def stadium(self, info):
        rng = self.rng
        town = self.names.town(info.first_language)
        return {"code": rng.between(0, 2), "name": cut("%s Arena" % town, 30), "second": cut(town, 30),
                "kind": rng.between(0, 3),
                "stands": [[rng.between(0, 20000), rng.between(0, 3), rng.between(0, 1)] for _ in range(8)],
                "mask_a": rng.between(0, 15), "mask_b": rng.between(0, 15) << 4}

    def pool_entry(self, info, club_count):
        rng = self.rng
        first, last = self.names.person(info.first_language)
        return {"first": cut(first, 16), "last": cut(last, 20), "pseudonym": "",
                "nationality": info.id, "ability": rng.between(0, 42),
                "club": team_id(info.id, rng.between(1, club_count)) if club_count and rng.chance(50) else 0xFFFFFFFF,
                "team_part": rng.between(1, 4), "birth": random_date(rng, 1988, 1992),
                "talent": rng.between(0, 4), "foot": rng.between(0, 3), "trait": rng.between(0, 22),
                "face": rng.between(1, 90), "hair_colour": rng.between(1, 5), "hairstyle": rng.between(1, 38),
                "facial_hair": rng.between(1, 6), "shoe": rng.between(1, SHOE_COUNT)}

    # -- countries -------------------------------------------------------------

    def country(self, info, club_count=0, players=(20, 25), staff=(3, 5), league_sizes=(), extras=True,
                history_years=6):
        rng = self.rng
        used_names = set()
        clubs = []
        for index in range(1, club_count + 1):
            club = self.club(info, index, club_count, rng.between(*players), rng.between(*staff), used_names,
                             history_years)
            clubs.append(club)
        leagues = []
        first_club = 1
        for level, size in enumerate(league_sizes):
            ids = [team_id(info.id, n) for n in range(first_club, first_club + size)]
            first_club += size
            leagues.append(make_league(info, level, ids, rng))
        average = rng.between(35, 80)
        ratings = [average]
        for _ in range(15):
            ratings.append(ratings[-1] * 85 // 100)
        european = info.continent == 0
        coefficients = [rng.between(50, 1800) if european else 0 for _ in range(6)]
        second = info.second_language
        country = {
            "info": info, "clubs": clubs, "national": self.national_team(info), "leagues": leagues,
            "next_unique": team_id(info.id, club_count + 1), "flags": 0,
            "league_system": 0, "federation": cut(info.abbreviations[1] + " FA", 10),
            "languages": [info.first_language, second, 0, 0], "shares": [80, 20, 0, 0] if second else [100, 0, 0, 0],
            "first_reserve_level": 17 if not extras else rng.between(1, 17), "byte1": 0,
            "person": ("", "", None), "card_rules": [rng.between(0, 5), rng.between(0, 5), 16, 0, 7, 1],
            "levels": [(rng.pick(SORT_RULES) if extras else 0, 0, rng.between(0, 5) if extras else 0, ratings[l])
                       for l in range(16)],
            "national_cup_type": 0, "cup_options": 0, "cup_final_stadium": 0, "super_cup_type": 0,
            "league_cup_types": 0, "naturalisation": 5, "rule_bytes": [0, 0, 0, 0, 0, 1],
            "option_bits": 2, "inverted_option": 0, "amateur_rule": 0, "climate": rng.between(0, 4),
            "coefficients": coefficients, "foreign_transfer": rng.between(0, 100),
            "value1": 0, "value2": 0, "manager": None, "average": average,
            "extra_mask": 15, "hair_mask": 15, "hairstyle_mask": [15, 0], "facial_mask": 15,
            "face_mask": [15, 0, 0, 0], "height": 180, "weight": 75, "territory": 0,
            "ranking": 0, "long_text": "", "honours": [0, 0, 0, 0], "notes": "",
            "referees": [], "sponsors": [], "stadiums": [], "managers": [], "pool": [],
        }
        finish_club_histories(clubs, self.international_titles)
        if extras:
            words = local_words(info.first_language)
            first, last = self.names.person(info.first_language)
            country.update({
                "person": (cut(first, 16), cut(last, 20), random_date(rng, 1950, 1970)),
                "manager": {"first": cut(first, 16), "last": cut(last, 20), "third": "",
                            "value": rng.between(0, 100), "birth": random_date(rng, 1945, 1965),
                            "slots_a": [rng.between(0, 9) for _ in range(4)],
                            "slots_b": [rng.between(0, 9) for _ in range(4)], "byte_a": 1, "byte_b": 0},
                "ranking": rng.between(1, 1500),
                "long_text": cut(words["federation"].format(country=country_name_in(info, info.first_language)), 28),
                "honours": [rng.between(0, 5), rng.between(0, 2), rng.between(0, 5), rng.between(0, 2)],
                "notes": words["country_notes"],
                "hair_mask": 0x3E, "hairstyle_mask": [0x0FFFFFFF, 0x3F], "face_mask": [0xFFFF, 0xF, 0, 0x40],
                "referees": [self.referee(info) for _ in range(rng.between(3, 6))],
                "sponsors": [self.sponsor(info) for _ in range(rng.between(2, 4))],
                "stadiums": [self.stadium(info) for _ in range(rng.between(2, 5))],
                "managers": [self.manager_person(info.id) for _ in range(rng.between(1, 2))],
                "pool": [self.pool_entry(info, club_count) for _ in range(rng.between(6, 12))],
            })
        return country


# The sort rules on equal points a league level may hold.
SORT_RULES = (0, 4, 8)
# A club's five records: the home and away victories and defeats, then the
# attendance, a count rather than a score.
RECORD_KINDS = 5
VICTORY_RECORDS = (0, 2)
SPECTATOR_RECORD = 4
MATCHES_A_SEASON = 34
LAST_SEASON_YEAR = 2006
FIRST_TITLE_YEAR = 1900
FIRST_RECORD_YEAR = 1950
# The first season of the leagues as they are now played: the years a club
# can have played in them. So no club counts a thousand wins, draws or
# defeats, which the history page has no room for.
FIRST_LEAGUE_YEAR = 1963
# The eight title lists of the history page: championship, cup, super cup,
# league cup, then the international club cups (champions cup, IT cup, club
# world cup, intercontinental cup). Each with the first and last year in
# which it was played; the championship is the league's.
TITLE_YEARS = ((FIRST_LEAGUE_YEAR, 2006), (1900, 2006), (1980, 2006), (1960, 2006),
               (1956, 2006), (1995, 2006), (2000, 2006), (1960, 2004))
CHAMPIONSHIPS = 0
# The file holds the title lists with the IT cup before the champions cup.
HISTORY_FILE_ORDER = (0, 1, 2, 3, 5, 4, 6, 7)
NATIONAL_TITLES = range(4)
INTERNATIONAL_TITLES = range(4, 8)
# The titles only the winners of others play for, with those others and how
# many years later: the super cup the champion and the cup winner of the
# season before, the champions cup the champion of the season before, the
# club world cup and the intercontinental cup that year's champions cup
# winner. The national ones in the order this asks.
QUALIFYING_TITLES = {2: ((0, 1), 1), 4: ((0,), 1), 6: ((4,), 0), 7: ((4,), 0)}
NATIONAL_TITLE_ORDER = (0, 1, 3, 2)


def league_statistics(draws, founded, championships):
    """The two sets of all-time league figures (pairs of points, wins,
    draws, defeats, goals, goals against and seasons on top, one value of
    each pair per set) from fourteen numbers drawn from 0 to 40: seasons of
    34 matches in the first and the second league that together fit the
    years since the founding, three points a win and one a draw, goals that
    lead where the wins lead, and seasons on top of the first league that
    are the championships, each won with more wins than defeats."""
    years = LAST_SEASON_YEAR - max(founded, FIRST_LEAGUE_YEAR - 1)
    first = max(championships, years * draws[0] // 40)
    seasons = (first, (years - first) * draws[1] // 40)
    stats = [0] * 14
    for league in range(2):
        matches = seasons[league] * MATCHES_A_SEASON
        # The title seasons are won as a champion wins them, more than half
        # the matches and few lost; the others as the draws fall.
        title_matches = championships * MATCHES_A_SEASON if league == 0 else 0
        wins, lost = season_results(matches - title_matches, 15 + draws[2 + league], 80, draws[4 + league])
        title_wins, title_lost = season_results(title_matches, 55 + draws[12] // 2, 160, draws[4])
        wins, lost = wins + title_wins, lost + title_lost
        drawn = matches - wins - lost
        # Both sides score the same share beside the results, so the goal
        # difference always leans the way wins and defeats do.
        shared = matches * (draws[6 + league] + draws[8 + league] + draws[10 + league]) // 240
        on_top = championships if league == 0 else seasons[1] * draws[13] // 160
        stats[league::2] = [3 * wins + drawn, wins, drawn, lost,
                            2 * wins + drawn + lost // 2 + shared, 2 * lost + drawn + wins // 2 + shared, on_top]
    return stats


def season_results(matches, win_percent, lost_divisor, lost_draw):
    """Wins, then defeats among the matches not won."""
    wins = matches * win_percent // 100
    return wins, (matches - wins) * (20 + lost_draw) // lost_divisor


def year_after_founding(year, first_year, founded):
    """A year drawn from first_year on, moved into the club's own time."""
    span = LAST_SEASON_YEAR - founded - 1
    return founded + 1 + (year - first_year) * span // (LAST_SEASON_YEAR - first_year)


def title_years(drawn, kind, founded, taken, allowed):
    """The drawn years of a title list moved into the years the title was
    played after the club's founding, among the allowed ones unless that is
    None; a year another club already won moves to the nearest free one,
    later first."""
    first, last = max(TITLE_YEARS[kind][0], founded + 1), TITLE_YEARS[kind][1]
    free = [y for y in range(first, last + 1) if y not in taken and (allowed is None or y in allowed)]
    years = []
    for draw in drawn:
        wanted = first + (draw - FIRST_TITLE_YEAR) * (last - first) // (LAST_SEASON_YEAR - FIRST_TITLE_YEAR)
        if free:
            year = min(free, key=lambda y: (y < wanted, abs(y - wanted)))
            free.remove(year)
            taken.add(year)
            years.append(year)
    return sorted(years)


def win_titles(won, drawn, founded, taken, kinds):
    """The club's titles of the given kinds, in order: a cup that only the
    winners of other titles play comes after the years they allow."""
    for kind in kinds:
        allowed = None
        if kind in QUALIFYING_TITLES:
            qualifying, later = QUALIFYING_TITLES[kind]
            allowed = {year + later for k in qualifying for year in won[k]}
        won[kind] = title_years(drawn[kind], kind, founded, taken[kind], allowed)


def finish_club_histories(clubs, international_titles):
    """What needs the whole country: the records name their opponents and
    lie, like the titles, after the club's founding; no crowd outgrows the
    ground; a title goes to one club a year; only the club with the most
    championships keeps its international cups, each won by one club a
    year in the world; the league figures follow the championships."""
    for club in clubs:
        founded = club["founded"]
        for record in club["records"]:
            if "opponent" not in record:
                continue
            record["text"] = cut(clubs[record.pop("opponent") - 1]["names"][0], 22)
            record["year"] = year_after_founding(record["year"], FIRST_RECORD_YEAR, founded)
            record["value"] = min(record["value"], club["capacity"])
    drawn = [[[int(t) for t in text.split(",") if t] for text in club["history_texts"]] for club in clubs]
    won = [[[] for _ in TITLE_YEARS] for _ in clubs]
    national = {kind: set() for kind in NATIONAL_TITLES}
    for titles, years, club in zip(won, drawn, clubs):
        win_titles(titles, years, club["founded"], national, NATIONAL_TITLE_ORDER)
    record_champion = max(range(len(clubs)), key=lambda n: len(won[n][CHAMPIONSHIPS]), default=0)
    if clubs and won[record_champion][CHAMPIONSHIPS]:
        win_titles(won[record_champion], drawn[record_champion], clubs[record_champion]["founded"],
                   international_titles, INTERNATIONAL_TITLES)
    for club, titles in zip(clubs, won):
        club["history_texts"] = [",".join(str(y) for y in years) for years in titles]
        club["league_stats"] = league_statistics(club["league_stats"], club["founded"], len(titles[CHAMPIONSHIPS]))


def day_after(date, days):
    day, month, year = date
    lengths = [31, 29 if year % 4 == 0 else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
    day += days
    while day > lengths[month - 1]:
        day -= lengths[month - 1]
        month += 1
        if month > 12:
            month = 1
            year += 1
            lengths[1] = 29 if year % 4 == 0 else 28
    return (day, month, year)


def distinct_rivals(rivals):
    """Each rival once, the filled slots first."""
    named = [r for n, r in enumerate(rivals) if r and r not in rivals[:n]]
    return named + [0] * (len(rivals) - len(named))


# The choices of article and example phrase of the club page, per database
# language (German, English, French, Spanish, Italian, Polish), and the
# choices that French and Italian elide before a vowel, each full form with
# its elided one ("de" and "d'", "dal" and "dall'", "le" and "l'"). The
# sample's names are neither French nor Italian, so a leading h is sounded.
ARTICLE_COUNTS = (4, 2, 5, 5, 8, 1)
PHRASE_COUNTS = (4, 2, 6, 7, 7, 1)
ELIDING_ARTICLES = {2: {1: 3, 2: 3}, 4: {1: 3, 2: 3, 4: 3}}
ELIDING_PHRASES = {2: {0: 2, 1: 4, 3: 4}, 4: {1: 0, 3: 0, 5: 0}}
VOWELS = set("aeiouáàâäéèêëíìîïóòôöúùûü")


def agreeing_choice(drawn, count, elisions, name):
    """The drawn choice within the language's choices, elided exactly when
    the name begins with a vowel."""
    choice = drawn % count
    if name[:1].lower() in VOWELS:
        return elisions.get(choice, choice)
    full_forms = [full for full, elided in sorted(elisions.items()) if elided == choice]
    return full_forms[0] if full_forms else choice


def agreeing_choices(drawn, counts, eliding, name):
    return [agreeing_choice(drawn, counts[language], eliding.get(language, {}), name)
            for language in range(LANGUAGE_COUNT)]


def fill_position_groups(players):
    """Each group short of its fewest takes the last player of the group with
    the most to spare, whose main position becomes a further one."""
    if len(players) < sum(FEWEST_IN_GROUP.values()):
        return
    for group, fewest in FEWEST_IN_GROUP.items():
        while True:
            members = {g: [p for p in players if POSITION_GROUPS[p["positions"][0]] == g] for g in FEWEST_IN_GROUP}
            if len(members[group]) >= fewest:
                break
            donor = max(FEWEST_IN_GROUP, key=lambda g: len(members[g]) - FEWEST_IN_GROUP[g])
            moved = members[donor][-1]
            moved["positions"] = dedupe_positions([GROUP_POSITION[group]] + moved["positions"])


def dedupe_positions(positions):
    seen = set()
    result = []
    for p in positions:
        if p and p not in seen:
            seen.add(p)
            result.append(p)
    return (result + [0] * 6)[:6]


# ---------------------------------------------------------------------------
# Leagues: a double round robin by the circle method, matchdays spread over
# the season.
# ---------------------------------------------------------------------------

def matchday_count(teams, rounds):
    return (((teams + 1) & ~1) - 1) * rounds


def round_robin(teams, rounds):
    """Rows of (home, away) 1-based places; a bye leaves the slot out."""
    places = list(range(1, teams + 1)) + ([0] if teams % 2 else [])
    size = len(places)
    single = []
    for day in range(size - 1):
        pairs = []
        for i in range(size // 2):
            home, away = places[i], places[size - 1 - i]
            if day % 2 == 1 and i == 0:
                home, away = away, home
            if home and away:
                pairs.append((home, away))
        single.append(pairs)
        places = [places[0]] + [places[-1]] + places[1:-1]
    rows = []
    for r in range(rounds):
        for pairs in single:
            rows.append([(a, h) if r % 2 else (h, a) for h, a in pairs])
    return rows


LAST_LEAGUE_DAY = 355


def continental_days(continent):
    """Per season the days on which the continent's competitions play: Europe
    for continent 0, South America for 1 and 2 (as the editor merges them)."""
    records = europe_records() if continent == 0 else south_america_records() if continent in (1, 2) else []
    days = [set(), set()]
    for record in records:
        for season, season_days in enumerate(record.get("days", [[], []])):
            days[season].update(day for day in season_days if day)
    return days


def is_clear_of(day, busy):
    """A league may not play on a continental day nor beside one."""
    return not any(day + offset in busy for offset in (-1, 0, 1))


def spread_clear_days(first, busy, count):
    """count days from first on, clear of the continental days and evenly apart."""
    free = [day for day in range(first, LAST_LEAGUE_DAY + 1) if is_clear_of(day, busy)]
    assert len(free) >= count, "too few days clear of the continental competitions"
    return [free[(len(free) - 1) * k // max(1, count - 1)] for k in range(count)]


def make_league(info, level, team_ids, rng):
    teams = len(team_ids)
    rounds = 2
    count = matchday_count(teams, rounds)
    first_day = rng.between(20, 40)
    busy = continental_days(info.continent)
    season0 = spread_clear_days(first_day, busy[0], count)
    season1 = spread_clear_days(first_day, busy[1], count)
    # The second season moves a day later where that keeps clear and in order.
    for k, day in enumerate(season1):
        later = day + rng.between(0, 1)
        if is_clear_of(later, busy[1]) and (k + 1 == count or later < season1[k + 1]):
            season1[k] = later
    names = LEVEL_NAMES[min(level, len(LEVEL_NAMES) - 1)]
    return {"index": level, "level": level, "names": [cut(n, 64) for n in names],
            "level_names": [cut(n, 29) for n in names],
            "team_count": teams, "teams": team_ids, "rounds": rounds,
            "fixtures": round_robin(teams, rounds), "days": [season0, season1],
            "columns": teams // 2}


# ---------------------------------------------------------------------------
# Writers, one per section, in the newest layout unless a Layout says older.
# ---------------------------------------------------------------------------

def write_league(out, league, country_id, layout):
    out.line("DB_LEAGUE")
    out.line("{ %d, LEAGUE, %d }" % (country_id, league["index"]))
    out.quoted(league["names"])
    if layout.major != 0 and layout.effective < make_version(0x2006, 1):
        out.quoted([cut(n, 17) for n in league["names"]])
    out.numbers([league["team_count"], league["level"]])
    out.line("REL_RULE_0")
    out.numbers([0, league["rounds"]])
    out.line("ROUND_GROUP1")
    out.numbers([10, 100])
    out.separator()
    out.begin("TEAMS")
    out.line(",".join("%x" % t for t in league["teams"]))
    out.end("TEAMS")
    out.separator()
    for season, key in ((0, "MATCHDAYS"), (1, "MATCHDAYS2")):
        days = league["days"][season]
        if season == 1 and layout.major == 0x2007 and layout.effective < make_version(0x2007, 12):
            days = [d - 1 for d in days]
        out.begin(key)
        out.line(",".join("%d" % d for d in days))
        out.end(key)
    out.separator()
    out.begin("FIXTURE")
    for row in league["fixtures"]:
        cells = list(row) + [(0, 0)] * (league["columns"] - len(row))
        out.line(",".join("%d,%d" % cell for cell in cells))
    out.end("FIXTURE")
    out.numbers([0, 0, 0, 0])
    out.number(3)
    if layout.at_least(0x2007, 14):
        out.numbers([0, 0])
    out.numbers([-1, 0xFFFF])
    out.number(3)
    if layout.major < 0x2003 or layout.major >= 0x2006:
        out.number(league["level"])
    out.line("0")
    out.line("0")
    out.number(0)


def write_competitions(out, country, layout):
    info = country["info"]
    out.begin("COMPETITION")
    out.number(len(country["leagues"]))
    for number, league in enumerate(country["leagues"]):
        key = "COMP%d" % number
        out.begin(key)
        write_league(out, league, info.id, layout)
        out.end(key)
    out.number(len(country["leagues"]))
    for league in country["leagues"]:
        out.quoted(league["level_names"])
    out.end("COMPETITION")


def write_competition_part(out, country):
    league = country["leagues"][0]
    out.begin("COMPETITIONPART")
    out.quoted(league["names"])
    out.quoted(six(""))
    for slot in range(8):
        out.hex(league["teams"][slot] if slot < len(league["teams"]) else 0)
    out.end("COMPETITIONPART")


def write_record(out, record):
    out.begin("RECORD")
    out.numbers([record["a"], record["b"], record["value"]])
    out.line(record["text"])
    out.number(record["year"])
    out.end("RECORD")


def write_kit(out, kit, layout):
    out.begin("KIT")
    for k in kit["kits"]:
        out.numbers(k["styles"])
        out.numbers(k["colours"])
        if layout.at_least(0x2007, 5):
            out.numbers([k["value_a"], k["value_b"]])
    out.number(kit["qaro"])
    out.end("KIT")


def write_club(out, club, number, layout):
    key = "CLUB%d" % number
    out.begin(key)
    write_version(out, layout)
    if layout.at_least(0x2007, 18):
        out.number(club["unique_id"])
    out.quoted(club["names"])
    if layout.at_least(0x2006, 3):
        out.quoted(club["second_names"])
    out.quoted(club["short_names"])
    if layout.at_least(0x2006, 3):
        out.quoted(club["second_short_names"])
    if layout.major_below(0x2006):
        out.number(0)
    for form in club["articles"]:
        out.byte_list(form)
    out.quoted(club["abbreviations"])
    out.byte_list(club["phrase"])
    if layout.at_least(0x2006, 3):
        out.byte_list(club["phrase"])
    out.quoted(club["towns"])
    out.line(club["fan1"])
    out.line(club["fan2"])
    out.number(club["partner"])
    rivals = club["rivals"]
    out.numbers(rivals[:2])
    if layout.at_least(0x2006, 1):
        out.number(rivals[2])
    if layout.at_least(0x2006, 3):
        out.number(rivals[3])
    out.number(club["founded"])
    for field in ("address", "telephone", "website", "fansites", "extra_text", "mascot"):
        out.line(club[field])
    out.number(club["capital"])
    if layout.at_least(0x2006, 1):
        out.number(club["capital_half"])
    out.number(club["joint_stock"])
    if layout.at_least(0x2005, 4):
        out.number(club["extra_byte"])
    out.number(club["start_flags"])
    if layout.at_least(0x2007, 9):
        out.number(club["start_points"])
    if layout.major_below(0x2005):
        out.numbers([0, 0])
    out.numbers(club["values"])
    stats = club["league_stats"]
    if layout.at_least(0x2007, 20):
        out.numbers(stats)
    else:
        out.number(stats[0])
        if layout.at_least(0x2007, 6):
            out.numbers([stats[2], stats[4], stats[6]])
        else:
            out.number(0)
        out.numbers([stats[8], stats[10], stats[12]])
    out.numbers([club["extra_number"], club["capacity"]])
    out.quoted(club["stadium_names"])
    out.numbers([club["stadium_type"], club["ground_flags"]])
    out.numbers(club["facilities"])
    if layout.at_least(0x2007, 14):
        out.numbers([club["media_pressure"], club["flags"]])
    out.number(club["season_flags"])
    out.line(club["badge_path"])
    params = club["badge_params"]
    out.numbers(params if layout.at_least(0x2007, 2) else params[:3])
    out.begin("HIST")
    for index in HISTORY_FILE_ORDER:
        out.line(club["history_texts"][index])
    for record in club["records"]:
        write_record(out, record)
    out.end("HIST")
    out.numbers([club["latitude"], club["longitude"]])
    out.number(club["prestige"][0])
    if layout.at_least(0x2006, 2):
        out.number(club["prestige"][1])
    out.line(club["extra_string"])
    out.numbers(club["transfer_settings"])
    out.number(club["youth_nationality"])
    out.number(club["qaro_id"])
    out.number(len(club["players"]))
    for person_id, player in club["players"]:
        out.number(person_id)
        write_player(out, player, layout)
    if layout.at_least(0x2006, 1):
        out.number(len(club["staff"]))
        for person_id, staff in club["staff"]:
            out.number(person_id)
            write_staff(out, staff, layout)
    write_kit(out, club["kit"], layout)
    if layout.at_least(0x2007, 2):
        out.numbers(club["lowest_leagues"])
    elif layout.at_least(0x2007, 1):
        out.number(club["lowest_leagues"][0])
    out.end(key)


OLD_ABILITY_ORDER = [10, 15, 0, 1, 18, 19, 13, 2, 3, 4, 16, 25, 20, 21, 5, 14, 6, 7, 8, 9, 41, 35, 38, 37, 42,
                     36, 39, 40]


def write_history_entry(out, entry, layout):
    out.number(entry["flags0"])
    if layout.at_least(0x2007, 13):
        out.number(entry["club"])
        write_date(out, entry["start"])
        write_date(out, entry["end"])
        out.numbers([entry["matches"], entry["reserve_matches"], entry["goals"], entry["reserve_goals"],
                     entry["fee"], entry["flags"]])
    else:
        out.numbers([entry["club"] >> 16, entry["club"]])
        write_date(out, entry["start"])
        write_date(out, entry["end"])
        out.numbers([entry["matches"], entry["goals"], entry["flags"]])


def write_player(out, p, layout):
    out.begin("PLAYER")
    for field in ("first", "last", "nickname", "pseudonym"):
        out.line(p[field])
    out.numbers([p["type"], p["reserve"], p["nationality"], p["second_nationality"], p["flags"]])
    write_date(out, p["birth"])
    bits = p["player_bits"]
    if layout.major_below(0x2006):
        old_foot = {0: 1, 1: 2}.get((bits >> 3) & 7, 3)
        bits = (bits & ~0x38) | (old_foot << 3)
    out.numbers([bits, p["summary"]])
    out.numbers(p["positions"])
    if layout.major_below(0x2006):
        out.numbers([0, 0, 0, 0])
        out.numbers([p["abilities"][i] for i in OLD_ABILITY_ORDER] + [50, 50])
    else:
        out.numbers(p["abilities"])
        out.numbers([p["caricature"], p["carried_a"]])
    out.numbers([p["character"], p["hair_colour"]])
    if layout.major_below(0x2006):
        out.number(0)
    out.numbers([p["face"], p["hairstyle"], p["facial_hair"], p["height"], p["weight"]])
    out.numbers([p["national_experience"], p["international_experience"], p["shirt"], p["reserve_shirt"],
                 p["face_id"]])
    if not layout.major_below(0x2006):
        out.number(p["empics_id"])
    if not layout.at_least(0x2007, 22):
        out.numbers([0, 0, 0, 0])
    out.numbers([p["joined"], p["contract"], p["salary"], p["value"], p["money3"],
                 p["national_apps"], p["national_goals"]])
    out.numbers(p["staff_abilities"])
    out.numbers(p["languages"])
    for club in (p["favourite_club"], p["second_club"]):
        out.numbers([(club >> 16) & 0xFF, club])
    out.numbers([p["linked"], p["tactic"], p["stability"], p["tactical_education"]])
    if layout.at_least(0x2007, 1):
        out.numbers([p["national_bits"], p["state"]])
    else:
        out.number(p["national_bits"] | ((p["state"] & 0xF) << 2))
    out.numbers([(p["transfer_club"] >> 16) & 0xFF, p["transfer_club"]])
    write_date(out, p["transfer_start"])
    write_date(out, p["transfer_end"])
    out.numbers([p["ban"], p["injury_kind"]])
    write_date(out, p["injury_start"])
    write_date(out, p["injury_end"])
    if layout.at_least(0x2007, 0):
        out.number(p["fee"])
    if layout.at_least(0x2007, 16):
        out.number(p["call_option"])
    out.numbers([p["shoe"], p["appearance_bits"]])
    if not layout.major_below(0x2005):
        out.begin("HIST")
        out.number(len(p["history"]))
        for entry in p["history"]:
            write_history_entry(out, entry, layout)
        out.end("HIST")
    if not layout.major_below(0x2004):
        out.line(p["notes"])
    if not layout.major_below(0x2006):
        out.number(p["carried_b"])
    write_kept_when_set(out, [p.get("disliked_club", 0), p.get("favourite_country", 0)])
    out.end("PLAYER")


def write_kept_when_set(out, values):
    """Lines at the end of a person section for values the older layouts
    never stored: written only when one of them is set, so that persons
    without them keep their sections as they were."""
    if any(values):
        out.numbers(values)


def write_staff(out, s, layout):
    out.begin("STAFF")
    out.line(s["first"])
    out.line(s["last"])
    out.number(s["type"])
    write_date(out, s["birth"])
    out.numbers([s["nationality"], s["extra_a"], s["level"]])
    out.numbers(s["staff_abilities"])
    if layout.at_least(0x2007, 5):
        out.number(s["character"])
    out.numbers(s["languages"])
    out.numbers([s["tactic"], s["extra_b"], s["stability"]])
    write_kept_when_set(out, [s.get(key, 0) for key in ("favourite_club", "second_club", "disliked_club", "linked")])
    out.end("STAFF")


def write_referee(out, r):
    out.begin("REFEREE")
    out.line(r["first"])
    out.line(r["last"])
    out.number(r["type"])
    out.end("REFEREE")


def write_sponsor(out, s):
    out.begin("SPONSOR")
    out.line(s["name"])
    out.number(s["value"])
    out.line(s["text1"])
    out.line(s["text2"])
    out.end("SPONSOR")


# Stadium codes as files before 2004-5 numbered them: the first value of
# the older numbering that the reader converts to each current code.
OLD_STADIUM_CODES = {0: 10, 1: 1, 2: 6}


def write_stadium(out, s, layout):
    out.begin("STADIUM")
    old_numbering = layout.major_below(0x2004) or (layout.major == 0x2004 and layout.version & 0xFFFF < 5)
    out.number(OLD_STADIUM_CODES[s["code"]] if old_numbering else s["code"])
    out.line(s["name"])
    out.line(s["second"])
    if layout.major_below(0x2004):
        out.line("Stand")
    else:
        out.number(s["kind"])
    for stand in s["stands"]:
        out.numbers(stand)
    out.numbers([s["mask_a"], s["mask_b"]])
    out.end("STADIUM")


def write_pool_entry(out, e, layout):
    out.begin("PL_POOL")
    out.line(e["first"])
    out.line(e["last"])
    out.line(e["pseudonym"])
    out.numbers([e["nationality"], e["ability"]])
    out.number(e["club"] - (1 << 32) if e["club"] >= 1 << 31 else e["club"])
    if not layout.major_below(0x2004):
        out.number(e["team_part"])
    if not layout.major_below(0x2007):
        write_date(out, e["birth"])
        out.numbers([e["talent"], e["foot"], e["trait"], e["face"], e["hair_colour"], e["hairstyle"],
                     e["facial_hair"], e["shoe"]])
    out.end("PL_POOL")


def write_manager(out, m):
    out.begin("MANAGER")
    if m is None:
        for _ in range(3):
            out.line("")
        out.number(0)
        write_date(out, None)
        out.numbers([0] * 10)
    else:
        out.line(m["first"])
        out.line(m["last"])
        out.line(m["third"])
        out.number(m["value"])
        write_date(out, m["birth"])
        out.numbers(m["slots_a"] + m["slots_b"] + [m["byte_a"], m["byte_b"]])
    out.end("MANAGER")


def write_country_settings(out, country, layout):
    info = country["info"]
    out.begin("COUNTRY_MIST")
    out.line(info.names[0])
    out.line(info.abbreviations[0])
    out.number(info.continent)
    if layout.major_below(0x2006):
        out.numbers([0, 0])
    else:
        out.number(country["league_system"])
    out.line(country["federation"])
    out.byte_list(country["languages"])
    out.byte_list(country["shares"])
    out.numbers([country["first_reserve_level"], country["byte1"]])
    first, last, birth = country["person"]
    out.line(first)
    out.line(last)
    write_date(out, birth)
    if not layout.at_least(0x2007, 23):
        for _ in range(3):
            out.line("")
            out.line("")
    out.numbers(country["card_rules"])
    rows = 16 if layout.at_least(0x2007, 19) else 5
    for tie_break, foreign, relegation, rating in country["levels"][:rows]:
        if layout.major_below(0x2006):
            out.numbers([0, 0, 0, 0])
        out.numbers([tie_break, foreign, relegation])
        if layout.at_least(0x2007, 0):
            out.number(rating)
    out.numbers([country["national_cup_type"], country["cup_options"], country["cup_final_stadium"],
                 country["super_cup_type"], country["league_cup_types"]])
    if layout.at_least(0x2005, 2):
        out.number(country["naturalisation"])
        out.numbers(country["rule_bytes"])
    out.number(country["option_bits"])
    if layout.major_below(0x2005):
        out.number(0)
    inverted = country["inverted_option"]
    if not layout.at_least(0x2007, 18) and inverted == 0:
        inverted = 205
    out.numbers([inverted, country["amateur_rule"], country["climate"]])
    out.numbers(country["coefficients"])
    out.numbers([country["foreign_transfer"], country["value1"], country["value2"]])
    write_manager(out, country["manager"])
    average = country["average"]
    out.number(average // 3 if layout.major_below(0x2006) else average)
    out.numbers([country["extra_mask"], country["hair_mask"]])
    out.numbers(country["hairstyle_mask"] if layout.at_least(0x2007, 4) else country["hairstyle_mask"][:1])
    out.number(country["facial_mask"])
    out.numbers(country["face_mask"] if layout.at_least(0x2007, 4) else country["face_mask"][:1])
    out.numbers([country["height"], country["weight"]])
    if layout.at_least(0x2007, 14):
        out.numbers([country["territory"], country["ranking"]])
    out.line(country["long_text"])
    out.numbers(country["honours"])
    out.line(country["notes"])
    out.end("COUNTRY_MIST")


def country_is_complete(country):
    clubs = len(country["clubs"]) + 1
    leagues = country["leagues"]
    return clubs >= 10 and bool(leagues) and leagues[0]["team_count"] >= 8


def write_country(country, layout=CURRENT):
    out = TextOut()
    out.begin("COUNTRY")
    write_version(out, layout)
    if layout.at_least(0x2007, 18):
        out.number(country["next_unique"])
    if layout.at_least(0x2007, 23):
        out.number(country["flags"])
    out.number(1 if country_is_complete(country) else 0)
    if len(country["clubs"]) >= 8:
        write_competition_part(out, country)
    write_competitions(out, country, layout)
    out.begin("CLUBS")
    out.number(len(country["clubs"]))
    for number, club in enumerate(country["clubs"], start=1):
        write_club(out, club, number, layout)
    write_club(out, country["national"], NATIONAL_TEAM_INDEX, layout)
    out.end("CLUBS")
    for key, items, writer in (("REFEREES", country["referees"], write_referee),
                               ("SPONSORS", country["sponsors"], write_sponsor)):
        out.begin(key)
        out.number(len(items))
        for item in items:
            writer(out, item)
        out.end(key)
    out.begin("STADIUMS")
    out.number(len(country["stadiums"]))
    for stadium in country["stadiums"]:
        write_stadium(out, stadium, layout)
    out.end("STADIUMS")
    out.begin("ADDMANAGER")
    out.number(len(country["managers"]))
    for manager in country["managers"]:
        write_player(out, manager, layout)
    out.end("ADDMANAGER")
    out.begin("PLAYERPOOL")
    out.number(len(country["pool"]))
    for entry in country["pool"]:
        write_pool_entry(out, entry, layout)
    out.end("PLAYERPOOL")
    write_country_settings(out, country, layout)
    out.end("COUNTRY")
    return out.encode()


# ---------------------------------------------------------------------------
# World-level files
# ---------------------------------------------------------------------------

def write_rules(clubs_by_continent, rng):
    out = TextOut()
    out.begin("RULES_AND_MISC")
    write_version(out, CURRENT)
    titles = []
    for continent in range(6):
        for cup in range(2):
            titles.append(cup_titles(continent, cup))
    titles.append(cup_titles(0, 2))
    for _ in range(2):
        for line in titles:
            out.quoted(line)
    for continent in range(6):
        clubs = clubs_by_continent.get(continent, [])
        for cup in range(3):
            defender = rng.pick(clubs) if clubs and cup < 2 else 0
            host = rng.pick(clubs) if clubs and cup == 0 else 0
            out.numbers([defender, host])
    all_clubs = [c for clubs in clubs_by_continent.values() for c in clubs]
    out.numbers([0, 0])
    out.numbers([0, 0, 0, 0, 0, 6])
    out.numbers(rng.sample(all_clubs, 3) if len(all_clubs) >= 3 else [0, 0, 0])
    out.end("RULES_AND_MISC")
    return out.encode()


def cup_titles(continent, cup):
    titles = []
    for language in range(LANGUAGE_COUNT):
        title = "%s %s" % (CUP_TITLES[cup][language], CONTINENT_NAMES[continent][language])
        if len(title) > 29:
            title = "%s %s" % (CUP_TITLES[cup][language], CONTINENT_CODES[continent])
        titles.append(title)
    return titles


def write_without(players):
    out = TextOut()
    out.begin("WITHOUT")
    out.number(len(players))
    for player in players:
        write_player(out, player, CURRENT)
    out.end("WITHOUT")
    return out.encode()


ASSESSMENT_HEADINGS = [("[English]", 1), ("[French]", 2), ("[German]", 0), ("[Italian]", 4),
                       ("[Spanish]", 3), ("[Polish]", 5)]


def write_assessment(countries):
    columns = ["Index"] + [h for h, _ in ASSESSMENT_HEADINGS] + ["Year -%d" % k for k in range(6, 0, -1)]
    lines = ["\t".join(columns)]
    for country in countries:
        info = country["info"]
        if info.id > 206 or info.continent != 0:
            continue
        fields = ["%d" % info.id] + [info.names[language] for _, language in ASSESSMENT_HEADINGS]
        fields += ["%d.%02d" % divmod(value, 100) for value in country["coefficients"]]
        lines.append("\t".join(fields))
    for line in lines:
        check_text(line)
    return b"\xef\xbb\xbf" + "".join(l + "\r\n" for l in lines).encode("utf-8")


def write_league_master(countries):
    data = bytearray(b"LGMS")
    data += struct.pack("<I", 1)
    by_id = {c["info"].id: c for c in countries}
    for country_id in range(208):
        country = by_id.get(country_id)
        if not country or not country["leagues"]:
            data.append(0)
            continue
        data.append(1)
        table = [0] * 2944
        for league in country["leagues"]:
            for season in range(2):
                for matchday, day in enumerate(league["days"][season], start=1):
                    slot = (league["index"] * 46 + matchday) * 2 + season
                    if matchday <= 46 and slot < len(table):
                        table[slot] = day
        data += struct.pack("<2944H", *table)
    return bytes(data)


# ---------------------------------------------------------------------------
# Modes
# ---------------------------------------------------------------------------

SMALL_COMPLETE = (14, 21, 45)


def build_small(countries, seed):
    builder = WorldBuilder(countries, seed)
    world = []
    for country_id in range(1, COUNTRY_COUNT + 1):
        info = countries[country_id]
        if country_id in SMALL_COMPLETE:
            clubs = builder.rng.pick([12, 14, 16])  # a bye would leave empty fixture cells
            world.append(builder.country(info, clubs, league_sizes=(clubs,)))
        else:
            world.append(builder.country(info, extras=False))
    free_agents = [builder.player(builder.rng.pick(SMALL_COMPLETE), 0, 0) for _ in range(20)]
    vary_persons(world, free_agents, seed)
    settle_careers(world, free_agents, seed)
    return builder, world, free_agents


VARIETY_SEED_OFFSET = 2
START_STATES = {"injury": 1, "ban": 1 << 1, "retire": 1 << 2, "loan": 1 << 3, "sell": 1 << 4, "loan_future": 1 << 5}


def set_start_state(p, state, country_id, club_count, rng):
    """One start-of-season state with the fields that belong to it; a loan
    may keep a running injury beside it, as the repair allows."""
    p["state"] = START_STATES[state]
    p["injury_kind"] = 0
    start = (1, 7, 2007) if state != "loan_future" else (1, 1, 2008)
    p["transfer_start"] = start
    if state == "ban":
        p["ban"] = rng.between(1, 5)
    if state in ("loan", "sell", "loan_future"):
        p["transfer_club"] = team_id(country_id, rng.between(1, club_count))
        p["fee"] = rng.pick([0, 150000, 2000000, -1])
    if state in ("loan", "loan_future"):
        p["transfer_end"] = (30, 6, 2008)
    if state == "loan_future":
        p["call_option"] = rng.between(1, 40) * 25000
    if state == "injury" or (state == "loan" and rng.chance(30)):
        length = rng.pick([30, 75, 130])
        p["state"] |= START_STATES["injury"]
        p["injury_start"], p["injury_end"] = (1, 7, 2007), day_after((1, 7, 2007), length)
        p["injury_kind"] = 19 if length > 120 else (21 if length > 60 else 20)


def vary_persons(world, free_agents, seed):
    """Gives some persons every start-of-season state, notes of three lines,
    a loan as the latest history entry and the values kept only when set. Its own random numbers leave every other value as it was."""
    rng = Rng(seed + VARIETY_SEED_OFFSET)
    states = sorted(START_STATES)
    for country in world:
        country_id = country["info"].id
        club_count = len(country["clubs"])
        for club in country["clubs"]:
            for _, p in club["players"]:
                if p["state"] == 0 and club_count > 1 and rng.chance(12):
                    set_start_state(p, rng.pick(states), country_id, club_count, rng)
                vary_player(p, country_id, club_count, rng, 3, country["info"].first_language)
            player_ids = [person_id for person_id, _ in club["players"]]
            for _, s in club["staff"]:
                if rng.chance(8):
                    s.update({"favourite_club": team_id(country_id, rng.between(1, club_count)),
                              "second_club": rng.pick([0, team_id(country_id, rng.between(1, club_count))]),
                              "disliked_club": team_id(country_id, rng.between(1, club_count)),
                              "linked": rng.pick(player_ids) if player_ids else 0})
    for p in free_agents:
        vary_player(p, 0, 0, rng, 15, p["languages"][0])


def vary_player(p, country_id, club_count, rng, percent, language):
    """language: the one the notes are written in."""
    if rng.chance(percent):
        p["notes"] = player_notes(language, 3)
    history = p["history"]
    if history and history[-1]["flags"] & LOAN_ENTRY and rng.chance(50):
        history[-1]["flags"] |= RUNNING_ENTRY
    if rng.chance(percent):
        p["disliked_club"] = team_id(country_id, rng.between(1, club_count)) if club_count else 0
        p["favourite_country"] = rng.between(1, COUNTRY_COUNT - 1)


# An additional manager's age beside the players': he ended his own career.
MANAGER_YEARS_OLDER = 25
# The age at which a career's first spell may begin.
FIRST_SPELL_AGE = 15
# The highest drawn goals of a spell for the first and the reserve team, and
# per position group the goals a match at that highest draw.
DRAWN_GOALS = (12, 3)
GOAL_SHARE_PERCENT = {1: 0, 2: 12, 3: 30, 4: 60}
GOALKEEPING_ABILITIES = range(35, 43)
# The most national matches a year of a player's career from this age on.
NATIONAL_MATCHES_A_YEAR = 10
FIRST_CAP_AGE = 17
# The first days of last season, on which its loans began, and of this
# season, on which a player back from such a loan begins his running spell.
LOAN_START = (1, 7, 2006)
SEASON_START = (1, 7, 2007)
LOANED_IN = START_STATES["loan"]
TRANSFER_STATES = START_STATES["loan"] | START_STATES["sell"] | START_STATES["loan_future"]
MATCH_FIELDS = ("matches", "reserve_matches", "goals", "reserve_goals")
# The arrivals' own random numbers: the windows in which players came to
# their clubs, from the eight seasons up to the last one.
ARRIVAL_SEED_OFFSET = 3
ARRIVAL_SEASONS = 8
WINTER_ARRIVAL_PERCENT = 20


def settle_careers(world, free_agents, seed):
    """What a football fan reads first on the person pages, made to agree:
    goalkeepers best in goal and outfield players best outfield, national
    matches the years since seventeen and the club career allow, scored at
    the club's rate, careers from the age of fifteen, no matches without a
    club, goals as the position scores them, arrivals spread over the
    seasons, and loans as the transfer processing leaves them. Draws from
    the arrivals' numbers only, so every other value stays as it was."""
    arrivals = Rng(seed + ARRIVAL_SEED_OFFSET)
    for country in world:
        club_count = len(country["clubs"])
        for club in country["clubs"]:
            for _, p in club["players"]:
                settle_career(p, club["unique_id"], club_count, arrival_day(arrivals, p["birth"]))
        for manager in country["managers"]:
            settle_career(manager, 0, 0)
    for p in free_agents:
        settle_career(p, 0, 0)


def settle_career(p, own_club, club_count, arrival=None):
    sort_goalkeeping_abilities(p)
    years_capped = max(0, age_on_reference_day(p["birth"]) - FIRST_CAP_AGE)
    p["national_apps"] = min(p["national_apps"], NATIONAL_MATCHES_A_YEAR * years_capped)
    if own_club:
        arrive(p["history"], arrival, own_club, club_count)
    p["history"] = [spell for spell in p["history"] if begin_at_first_spell_age(spell, p["birth"])]
    for spell in p["history"]:
        settle_spell(spell, POSITION_GROUPS[p["positions"][0]], own_club)
    if own_club:
        settle_transfer_club(p, own_club, club_count)
        if p["state"] & LOANED_IN:
            loan_in(p, own_club, club_count)
        elif p["history"][-1]["flags"] & LOAN_ENTRY:
            loan_out(p["history"], own_club, club_count)
    settle_national_record(p)
    joined_at_stay_start(p)


def date_key(date):
    day, month, year = date
    return year, month, day


def day_before(date):
    day = datetime.date(date[2], date[1], date[0]) - datetime.timedelta(days=1)
    return day.day, day.month, day.year


def next_club(club, club_count):
    return team_id(club >> 16, (club & 0xFFFF) % club_count + 1)


def first_spell_year(birth):
    """The first season start at which the player was old enough."""
    day, month, year = birth
    return year + FIRST_SPELL_AGE + (1 if (month, day) > (7, 1) else 0)


def arrival_day(rng, birth):
    """The day a player came to his club: the first day of a summer or,
    now and then, a winter window of the last seasons, recent ones the
    likelier, and not before his career may begin."""
    season = LAST_SEASON_YEAR - min(rng.below(ARRIVAL_SEASONS), rng.below(ARRIVAL_SEASONS))
    day = (1, 1, season + 1) if rng.chance(WINTER_ARRIVAL_PERCENT) else (1, 7, season)
    return max(day, (1, 7, first_spell_year(birth)), key=date_key)


def arrive(history, arrival, own_club, club_count):
    """The spell at the club, the last, begins on the arrival day; the
    stations before it end by then, the latest on the day before, at
    another club: he came from there."""
    spell = history[-1]
    eve = day_before(arrival)
    earlier = [station for station in history[:-1] if date_key(station["start"]) < date_key(arrival)]
    for station in earlier:
        station["end"] = min(station["end"], eve, key=date_key)
    if earlier:
        earlier[-1]["end"] = eve
        if earlier[-1]["club"] == own_club:
            earlier[-1]["club"] = next_club(own_club, club_count)
    spell["start"] = arrival
    history[:] = earlier + [spell]


def settle_spell(spell, group, own_club):
    """No matches, fee or loan without a club, goals as the position group
    scores them, and no spell running away from the player's club."""
    if spell["club"] == 0:
        spell.update({"matches": 0, "reserve_matches": 0, "goals": 0, "reserve_goals": 0, "fee": 0, "flags": 0})
    for matches, goals, highest in (("matches", "goals", DRAWN_GOALS[0]),
                                    ("reserve_matches", "reserve_goals", DRAWN_GOALS[1])):
        spell[goals] = spell[goals] * spell[matches] * GOAL_SHARE_PERCENT[group] // (highest * 100)
    if spell["club"] != own_club:
        spell["flags"] &= ~RUNNING_ENTRY


def settle_national_record(p):
    """A player plays for his country at most once for every two matches
    for his clubs' first teams, and scores there at his clubs' rate, yet
    at least at a quarter of the best rate of his position."""
    matches = sum(spell["matches"] for spell in p["history"])
    goals = sum(spell["goals"] for spell in p["history"])
    apps = min(p["national_apps"], matches // 2)
    least = apps * GOAL_SHARE_PERCENT[POSITION_GROUPS[p["positions"][0]]] // (4 * 100)
    p["national_apps"] = apps
    p["national_goals"] = max(apps * goals // matches if matches else 0, least)


def sort_goalkeeping_abilities(p):
    """A goalkeeper's best drawn values go to the goalkeeping abilities, an
    outfield player's lowest; the values change places, none is new."""
    abilities = p["abilities"]
    keeper = POSITION_GROUPS[p["positions"][0]] == 1
    ranked = sorted(range(len(abilities)), key=lambda n: (-abilities[n] if keeper else abilities[n], n))
    chosen = ranked[:len(GOALKEEPING_ABILITIES)]
    giving = [n for n in chosen if n not in GOALKEEPING_ABILITIES]
    taking = [n for n in GOALKEEPING_ABILITIES if n not in chosen]
    for source, target in zip(giving, taking):
        abilities[source], abilities[target] = abilities[target], abilities[source]


def begin_at_first_spell_age(spell, birth):
    """False for a spell that ended before the player was old enough; a
    spell running past that day begins on the first season start after it."""
    first_year = first_spell_year(birth)
    if spell["start"][2] >= first_year:
        return True
    if spell["end"][2] <= first_year and not spell["flags"] & RUNNING_ENTRY:
        return False
    spell["start"] = (1, 7, first_year)
    return True


def new_spell(club, start, flags):
    """A spell from a season's first day with no match yet; it ends on its
    start, as the editor stores a spell that would end before it starts."""
    spell = {"flags0": 0, "club": club, "start": start, "end": start, "fee": 0, "flags": flags}
    spell.update((field, 0) for field in MATCH_FIELDS)
    return spell


def settle_transfer_club(p, own_club, club_count):
    """A player is loaned or sold to another club, never to his own."""
    if p["state"] & TRANSFER_STATES and p["transfer_club"] == own_club:
        p["transfer_club"] = next_club(own_club, club_count)


def loan_out(history, own_club, club_count):
    """The spell at the player's club is never a loan: a loan drawn for it
    becomes last season's loan at the next club of the country, with half
    his matches and goals. It ended on the season's eve, so, as the transfer
    processing leaves such a loan, it is closed, and he is back at his club
    in a spell that runs from this season's first day. The editor keeps a
    history in order of starts."""
    spell = history[-1]
    spell["flags"] &= ~LOAN_ENTRY
    if club_count < 2 or date_key(spell["start"]) >= date_key(LOAN_START):
        return
    loan = dict(spell, club=next_club(own_club, club_count), start=LOAN_START, end=SEASON_EVE, flags=LOAN_ENTRY, fee=0)
    for field in MATCH_FIELDS:
        loan[field] = spell[field] // 2
        spell[field] -= loan[field]
    spell.update(end=day_before(LOAN_START), flags=0)
    history += [loan, new_spell(own_club, SEASON_START, RUNNING_ENTRY)]


def loan_in(p, own_club, club_count):
    """A player loaned in at present stands in the squad of the club that
    borrowed him, as the transfer processing leaves a loan that runs past
    the season: his spell at the club that lends him, the transfer club,
    ends the day before the loan, which runs. One who came to the lender
    before last season was loaned from its start, with half his matches and
    goals, else from this season's. He came to the lender from another
    club."""
    history = p["history"]
    owner = p["transfer_club"]
    spell = history[-1]
    start = LOAN_START if date_key(spell["start"]) < date_key(LOAN_START) else SEASON_START
    loan = new_spell(own_club, start, LOAN_ENTRY | RUNNING_ENTRY)
    if start == LOAN_START:
        loan["end"] = SEASON_EVE
        for field in MATCH_FIELDS:
            loan[field] = spell[field] // 2
            spell[field] -= loan[field]
    spell.update(club=owner, end=day_before(start), flags=0)
    if len(history) > 1 and history[-2]["club"] == owner:
        history[-2]["club"] = next_club(owner, club_count)
    history.append(loan)
    p["transfer_start"] = start


def pick_full_countries(countries):
    europe = [i for i in sorted(countries) if countries[i].continent == 0][:40]
    south_america = [i for i in sorted(countries) if countries[i].continent == 1]
    return europe + south_america


def build_full(countries, seed):
    builder = WorldBuilder(countries, seed)
    rng = builder.rng
    with_leagues = set(pick_full_countries(countries))
    world = []
    for country_id in range(1, COUNTRY_COUNT + 1):
        info = countries[country_id]
        if country_id in with_leagues:
            top = rng.pick([16, 18, 20])
            second = rng.pick([16, 18, 20, 22])
            clubs = top + second + rng.between(4, 10)
            world.append(builder.country(info, clubs, players=(17, 22), staff=(3, 5),
                                         league_sizes=(top, second), history_years=12))
        else:
            world.append(builder.country(info, extras=False))
    free_agents = [builder.player(rng.pick(sorted(with_leagues)), 0, 0) for _ in range(800)]
    vary_persons(world, free_agents, seed)
    settle_careers(world, free_agents, seed)
    return builder, world, free_agents


FIXTURE_VERSIONS = [
    ("v1", 1),
    ("2004", make_version(0x2004, 0)),
    ("2005", make_version(0x2005, 0)),
    ("2006", make_version(0x2006, 0)),
] + [("2007-%02d" % minor, make_version(0x2007, minor))
     for minor in (0, 1, 3, 4, 5, 13, 14, 15, 16, 17, 18, 19, 22, 23, 25, 26)]
FIXTURE_COUNTRY = 21


def mark_converted_fields(country):
    """Values that old readers convert: tie-break rule 1 and distinct Polish club texts."""
    for level in range(16):
        tie_break, foreign, relegation, rating = country["levels"][level]
        country["levels"][level] = (1 if level % 2 == 0 else tie_break, foreign, relegation, rating)
    for club in country["clubs"]:
        for field, capacity in (("names", 30), ("second_names", 30), ("short_names", 11),
                                ("second_short_names", 11)):
            texts = list(club[field])
            texts[5] = cut("KS " + texts[5], capacity)
            club[field] = texts
        abbreviations = list(club["abbreviations"])
        abbreviations[5] = "KS"
        club["abbreviations"] = abbreviations


def write_fixtures(countries, seed, folder):
    written = []
    for label, version in FIXTURE_VERSIONS:
        builder = WorldBuilder(countries, seed)
        country = builder.country(countries[FIXTURE_COUNTRY], 9, players=(2, 3), staff=(2, 2),
                                  league_sizes=(8,), history_years=2)
        mark_converted_fields(country)
        name = "Country%d_%s.sav" % (FIXTURE_COUNTRY, label)
        save(folder, name, write_country(country, Layout(version)))
        written.append(name)
    return written


# ---------------------------------------------------------------------------
# Competition scripts: the cup shapes, the continental competitions and the
# league systems, in the oldest record layouts (the editor reads them with
# file version 0: no short names, the level line in the common part, rounds
# with their days in the older order, no league values, no cup numbers).
# ---------------------------------------------------------------------------

PLACEHOLDER_SCRIPTS = (
    ["CC%d.txt" % n for n in (14, 18, 21, 27, 38, 4, 42, 45, 47)]
    + ["CCCup%d.txt" % n for n in (128, 32, 64, 96)]
    + ["EuropeanChampionship.txt", "InDoor.txt", "ConfedCup.txt"]
    + ["Continental - %s.txt" % c for c in ("Africa", "Asia", "North America", "Oceania")]
    + ["EuropeanChampionshipQualification.txt", "WorldCupQualification.txt", "Reserve.txt", "Results.txt",
       "WorldCup.txt", "WorldCupU20.txt"]
    + ["Youth%d.txt" % n for n in range(1, 6)])

SCRIPT_SEPARATOR = "; --------------------------------------"


def ref(type_name, index, country=-1):
    return "{ %d, %s, %d }" % (country, type_name, index)


def rule(command, *args, values=()):
    """One rule of a list: its line, "name, args" when it has any, and its value lines."""
    line = command if not args else "%s, %s" % (command, ", ".join(str(a) for a in args))
    return [line] + ["%d" % v for v in values]


def write_rule_list(out, rules):
    out.number(len(rules))
    for lines in rules:
        out.line(lines[0])
        for value in lines[1:]:
            out.line(value)


def write_common_part(out, record):
    out.number(record.get("day_group", 3))
    out.number(record.get("level", -1))
    out.line(",".join(record.get("sources", [])) or "0")
    out.line(",".join(record.get("followers", [])) or "0")
    write_rule_list(out, record.get("rules", []))


def write_script_round(out, record):
    """A knock-out round: one match, or two legs when "days" holds two days a season."""
    out.comment(SCRIPT_SEPARATOR)
    out.line("DB_ROUND")
    out.line(ref(record["type"], record["index"]))
    out.quoted(record["names"])
    out.number(record["teams"])
    out.line(record["kind"])
    (first0, second0), (first1, second1) = [(days + [0])[:2] for days in record["days"]]
    legs = "BEG_WITH_2_LEG" if second0 else "BEG_WITH_1_LEG"
    out.numbers([first0, first1])
    out.line(legs)
    out.numbers([second0, second1])
    out.line("0")
    out.numbers([0, 0, 0, 0])
    write_common_part(out, record)


def write_script_league(out, record):
    """A league or group whose teams come later: an empty team list."""
    teams = record["teams"]
    out.line("DB_LEAGUE")
    out.line(ref(record["type"], record["index"]))
    out.quoted(record["names"])
    out.numbers([teams, record.get("level", -1)])
    out.line(record.get("relegation", "REL_RULE_0"))
    out.numbers([0, 2])
    out.line("ROUND_GROUP1")
    out.numbers([10, 100])
    out.separator()
    out.begin("TEAMS")
    out.line("")
    out.end("TEAMS")
    out.separator()
    for season, key in ((0, "MATCHDAYS"), (1, "MATCHDAYS2")):
        out.begin(key)
        out.byte_list(record["days"][season])
        out.end(key)
    out.separator()
    out.begin("FIXTURE")
    for row in round_robin(teams, 2):
        out.line(",".join("%d,%d" % pair for pair in row))
    out.end("FIXTURE")
    out.numbers([0, 0, 0, 0])
    out.numbers([3, -1, 0xFFFF])
    write_common_part(out, record)


def write_script_pool(out, record):
    out.line("DB_POOL")
    out.line(ref("POOL", record["index"]))
    out.line("0")
    out.number(record["teams"])
    out.line(record["draw"])
    out.comment("; how many comps to check")
    out.number(len(record.get("checked", [])))
    out.comment("; which comps to check")
    for checked in record.get("checked", []):
        out.line(checked)
    out.numbers([0, 0, 0, 0])
    write_common_part(out, record)


SCRIPT_WRITERS = {"round": write_script_round, "league": write_script_league, "pool": write_script_pool}


def write_competition_script(prefix, comment, records):
    out = TextOut()
    out.comment(comment)
    out.number(len(records))
    for number, record in enumerate(records):
        key = "%s%d" % (prefix, number)
        out.begin(key)
        SCRIPT_WRITERS[record["class"]](out, record)
        out.end(key)
    return out.encode()


def spread_days(first, last, count):
    """count ascending days from first, evenly up to last."""
    if count == 1:
        return [first]
    step = (last - first) // (count - 1)
    return [first + step * k for k in range(count)]


def two_seasons(days, shift=1):
    return [list(days), [d + shift for d in days]]


def names_of(base, suffix=""):
    return [cut(name + suffix, 63) for name in base]


def knockout_chain(type_name, first_index, stages, names, teams, rules_of_first):
    """Rounds that follow one another: stages are (round kind, days of season 0)."""
    records = []
    for k, (kind, days) in enumerate(stages):
        index = first_index + k
        following = [ref(type_name, index + 1)] if k + 1 < len(stages) else []
        previous = ref(type_name, index - 1)
        records.append({
            "class": "round", "type": type_name, "index": index, "names": names, "teams": max(teams >> k, 2),
            "kind": kind, "days": two_seasons(days), "followers": following,
            "sources": [] if k == 0 else [previous],
            "rules": rules_of_first if k == 0 else [rule("GET_WINNER", previous)]})
    return records


def group_stage(type_name, first_index, groups, pool_index, days, names, followers):
    """Groups of four filled from a pool, each playing home and away."""
    pool = ref("POOL", pool_index)
    letters = "ABCDEFGH"
    return [{
        "class": "league", "type": type_name, "index": first_index + g, "teams": 4,
        "names": [cut("%s %s" % (name, letters[g]), 63) for name in names],
        "days": two_seasons(days), "sources": [pool], "followers": followers,
        "rules": [rule("GET_POOL", pool, values=(4 * g, 4))]} for g in range(groups)]


CHAMPIONS_NAMES = ["Meisterliga", "Champions League", "Ligue des champions", "Liga de Campeones",
                   "Lega dei Campioni", "Liga Mistrzów"]
CHAMPIONS_GROUP_NAMES = ["Meisterliga Gruppe", "Champions League Group", "Ligue des champions Groupe",
                         "Liga de Campeones Grupo", "Lega dei Campioni Girone", "Liga Mistrzów Grupa"]
EURO_CUP_NAMES = ["Europapokal", "Euro Cup", "Coupe d'Europe", "Copa de Europa", "Coppa d'Europa", "Puchar Europy"]
INTERTOTO_NAMES = ["Sommerpokal", "Summer Cup", "Coupe d'été", "Copa de Verano", "Coppa d'Estate", "Puchar Lata"]
SUPER_NAMES = ["Kontinentaler Supercup", "Continental Super Cup", "Supercoupe continentale",
               "Supercopa Continental", "Supercoppa Continentale", "Superpuchar Kontynentu"]
WORLD_QUALI_NAMES = ["WM-Qualifikation", "World Cup Qualifying", "Qualification mondiale",
                     "Clasificación mundial", "Qualificazione mondiale", "Eliminacje mundialu"]
NATIONS_QUALI_NAMES = ["EM-Qualifikation", "Nations Cup Qualifying", "Qualification des nations",
                       "Clasificación de naciones", "Qualificazione delle nazioni", "Eliminacje narodów"]
NATIONS_CUP_NAMES = ["Nationenpokal", "Nations Cup", "Coupe des nations", "Copa de Naciones",
                     "Coppa delle Nazioni", "Puchar Narodów"]


def europe_records():
    champions = knockout_chain(
        "CHAMPIONSLEAGUE", 0, [("ROUND_QUALI", [196, 203]), ("ROUND_QUALI2", [210, 217]),
                               ("ROUND_QUALI3", [224, 231])],
        names_of(CHAMPIONS_NAMES), 24,
        [rule("GET_EUROPEAN_ASSESSMENT_TEAMS", 1, 1, 24)])
    champions.append({
        "class": "pool", "index": 0, "teams": 32, "draw": "POOL_SORT_UEFA5_SHUFFLE",
        "checked": [ref("CHAMPIONSLEAGUE", 2)], "sources": [ref("CHAMPIONSLEAGUE", 2)],
        "rules": [rule("GET_WINNER", ref("CHAMPIONSLEAGUE", 2)), rule("GET_EUROPEAN_ASSESSMENT_TEAMS", 0, 1, 20)]})
    group_days = [245, 259, 280, 294, 308, 322]
    champions += group_stage("CHAMPIONSLEAGUE", 3, 8, 0, group_days, CHAMPIONS_GROUP_NAMES,
                             [ref("CHAMPIONSLEAGUE", 11)])
    champions += knockout_chain(
        "CHAMPIONSLEAGUE", 11, [("ROUND_LAST_16", [52, 66]), ("ROUND_QUARTERFINAL", [94, 101]),
                                ("ROUND_SEMIFINAL", [115, 122]), ("ROUND_FINAL", [143])],
        names_of(CHAMPIONS_NAMES), 16,
        [rule("GET_TAB_X_TO_Y", ref("CHAMPIONSLEAGUE", 3 + g), values=(1, 2)) for g in range(8)])
    euro_cup = knockout_chain(
        "UEFA_CUP", 0, [("ROUND_1", [253, 267]), ("ROUND_2", [288, 302]), ("ROUND_QUARTERFINAL", [96, 103]),
                        ("ROUND_SEMIFINAL", [117, 124]), ("ROUND_FINAL", [138])],
        names_of(EURO_CUP_NAMES), 64,
        [rule("GET_EUROPEAN_ASSESSMENT_TEAMS", 2, 2, 40), rule("GET_WINNER", ref("UIC", 1))])
    intertoto = knockout_chain(
        "UIC", 0, [("ROUND_1", [175, 182]), ("ROUND_2", [189, 197])],
        names_of(INTERTOTO_NAMES), 32, [rule("GET_EUROPEAN_ASSESSMENT_TEAMS", 3, 1, 32)])
    super_cup = [{
        "class": "round", "type": "EURO_SUPERCUP", "index": 0, "names": names_of(SUPER_NAMES), "teams": 2,
        "kind": "ROUND_FINAL", "days": two_seasons([240]),
        "rules": [rule("GET_WINNER", ref("CHAMPIONSLEAGUE", 14)), rule("GET_WINNER", ref("UEFA_CUP", 4))]}]
    world_quali = knockout_chain(
        "QUALI_WC", 0, [("ROUND_QUALI", [250, 254])],
        names_of(WORLD_QUALI_NAMES), 52, [rule("GET_NAT_UEFA5_WITHOUT_HOST")])
    nations_quali = knockout_chain(
        "QUALI_EC", 0, [("ROUND_QUALI", [286, 290])],
        names_of(NATIONS_QUALI_NAMES), 50, [rule("GET_NAT_UEFA5_WITHOUT_HOST")])
    nations_cup = knockout_chain(
        "EURO_CUP", 0, [("ROUND_SEMIFINAL", [176]), ("ROUND_FINAL", [181])],
        names_of(NATIONS_CUP_NAMES), 4, [rule("GET_HOST"), rule("GET_WINNER", ref("QUALI_EC", 0))])
    return champions + euro_cup + intertoto + super_cup + world_quali + nations_quali + nations_cup


SOUTH_CHAMPIONS_NAMES = ["Südamerikapokal", "South American Cup", "Coupe sud-américaine", "Copa Sudamericana",
                         "Coppa Sudamericana", "Puchar Ameryki Południowej"]
SOUTH_GROUP_NAMES = ["Südamerikapokal Gruppe", "South American Cup Group", "Coupe sud-américaine Groupe",
                     "Copa Sudamericana Grupo", "Coppa Sudamericana Girone", "Puchar Ameryki Grupa"]
SOUTH_SHIELD_NAMES = ["Andenschild", "Andes Shield", "Bouclier des Andes", "Escudo de los Andes",
                      "Scudo delle Ande", "Tarcza Andów"]


def south_america_records():
    # Indexes from 32 on: no competition shares an id with Europe's.
    cup = knockout_chain("CHAMPIONSLEAGUE", 32, [("ROUND_PREROUND1", [40, 47])],
                         names_of(SOUTH_CHAMPIONS_NAMES), 12, [rule("GET_INTERNATIONAL_TEAMS", 52, 2)])
    cup.append({
        "class": "pool", "index": 8, "teams": 16, "draw": "POOL_SORT_RANDOM", "sources": [ref("CHAMPIONSLEAGUE", 32)],
        "rules": [rule("GET_WINNER", ref("CHAMPIONSLEAGUE", 32)), rule("GET_INTERNATIONAL_TEAMS", 54, 4),
                  rule("GET_INTERNATIONAL_TEAMS", 52, 3)]})
    cup += group_stage("CHAMPIONSLEAGUE", 33, 4, 8, [61, 75, 89, 103, 117, 131], SOUTH_GROUP_NAMES,
                       [ref("CHAMPIONSLEAGUE", 37)])
    cup += knockout_chain("CHAMPIONSLEAGUE", 37, [("ROUND_SEMIFINAL", [173, 180]), ("ROUND_FINAL", [194, 201])],
                          names_of(SOUTH_CHAMPIONS_NAMES), 4,
                          [rule("GET_TAB_X_TO_Y", ref("CHAMPIONSLEAGUE", 33 + g), values=(1, 1)) for g in range(4)])
    shield = knockout_chain("UEFA_CUP", 32, [("ROUND_1", [215, 222]), ("ROUND_SEMIFINAL", [264, 271]),
                                             ("ROUND_FINAL", [292, 299])],
                            names_of(SOUTH_SHIELD_NAMES), 16,
                            [rule("GET_INTERNATIONAL_TEAMS", 54, 6), rule("GET_INTERNATIONAL_TEAMS", 52, 6)])
    return cup + shield


# Cup shapes: (group, name line, rounds as (teams, round kind, legs), template rules).
CUP_SHAPES = [
    ("FA", " ID_FACUP_GERMANY", [(64, "ROUND_1", 1), (32, "ROUND_2", 1), (16, "ROUND_LAST_16", 1),
                                 (8, "ROUND_QUARTERFINAL", 1), (4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 1)],
     [(0, 36), (1, 28)]),
    ("FA", " ID_FACUP_ENGLAND", [(128, "ROUND_1", 1), (64, "ROUND_2", 1), (32, "ROUND_3", 1), (16, "ROUND_4", 1),
                                 (8, "ROUND_QUARTERFINAL", 1), (4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 1)],
     [(0, 20), (1, 24), (2, 24), (3, 24)]),
    ("FA", " ID_FACUP_FRANCE", [(64, "ROUND_1", 1), (32, "ROUND_2", 1), (16, "ROUND_LAST_16", 1),
                                (8, "ROUND_QUARTERFINAL", 1), (4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 1)],
     [(0, 20), (1, 20), (2, 24)]),
    # Twelve match days: the country team generator schedules the cup on twelve days of each season.
    ("FA", " ID_FACUP_SPAIN", [(128, "ROUND_1", 1), (64, "ROUND_2", 2), (32, "ROUND_3", 2),
                               (16, "ROUND_LAST_16", 2), (8, "ROUND_QUARTERFINAL", 2), (4, "ROUND_SEMIFINAL", 2),
                               (2, "ROUND_FINAL", 1)],
     [(0, 20), (1, 22), (2, 24), (3, 24)]),
    ("FA", " ID_FACUP_ITALY", [(32, "ROUND_1", 1), (16, "ROUND_LAST_16", 2), (8, "ROUND_QUARTERFINAL", 2),
                               (4, "ROUND_SEMIFINAL", 2), (2, "ROUND_FINAL", 2)],
     [(0, 20), (1, 12)]),
    ("FA", " ID_FACUP_SCOTLAND", [(32, "ROUND_3", 1), (16, "ROUND_4", 1), (8, "ROUND_QUARTERFINAL", 1),
                                  (4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 1)],
     [(0, 12), (1, 10), (2, 10)]),
    ("LEAGUE", " ID_LEAGUECUP_GERMANY", [(8, "ROUND_QUARTERFINAL", 1), (4, "ROUND_SEMIFINAL", 1),
                                         (2, "ROUND_FINAL", 1)],
     [(0, 8)]),
    ("LEAGUE", " ID_LEAGUECUP_ENGLAND", [(64, "ROUND_1", 1), (32, "ROUND_2", 1), (16, "ROUND_3", 1),
                                         (8, "ROUND_QUARTERFINAL", 1), (4, "ROUND_SEMIFINAL", 2),
                                         (2, "ROUND_FINAL", 1)],
     [(0, 20), (1, 24), (2, 20)]),
    ("LEAGUE", " ID_LEAGUE_FRANCE", [(32, "ROUND_1", 1), (16, "ROUND_LAST_16", 1), (8, "ROUND_QUARTERFINAL", 1),
                                     (4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 1)],
     [(0, 20), (1, 12)]),
    ("LEAGUE", " ID_LEAGUECUP_SCOTLAND", [(16, "ROUND_2", 1), (8, "ROUND_QUARTERFINAL", 1),
                                          (4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 1)],
     [(0, 12), (1, 4)]),
    ("LEAGUE", " ID_LEAGUECUP_DIV2_3", [(32, "ROUND_1", 1), (16, "ROUND_2", 1), (8, "ROUND_QUARTERFINAL", 1),
                                        (4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 1)],
     [(1, 16), (2, 16)]),
    ("LEAGUE", " ID_LEAGUECUP_CONFERENCE", [(16, "ROUND_1", 1), (8, "ROUND_QUARTERFINAL", 1),
                                            (4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 2)],
     [(3, 16)]),
    ("SUPERCUP", " ID_SUPERCUP1", [(2, "ROUND_FINAL", 1)], [(0, 1)]),
    ("SUPERCUP", " ID_SUPERCUP2", [(2, "ROUND_FINAL", 2)], [(0, 1)]),
    ("RELEGATION", " ID_REL_ENGLAND1", [(4, "ROUND_SEMIFINAL", 2), (2, "ROUND_FINAL", 1)], [(1, 4)]),
    ("RELEGATION", " ID_REL_ENGLAND2", [(4, "ROUND_SEMIFINAL", 2), (2, "ROUND_FINAL", 1)], [(2, 4)]),
    ("RELEGATION", " ID_REL_ENGLAND3", [(4, "ROUND_SEMIFINAL", 2), (2, "ROUND_FINAL", 1)], [(3, 4)]),
    ("RELEGATION", " ID_REL_SWITZERLAND", [(2, "ROUND_FINAL", 2)], [(0, 1), (1, 1)]),
    ("MISC", " ID_FRIENDLY", [(2, "ROUND_FINAL", 1)], [(0, 2)]),
    ("MISC", " ID_TOURNAMENT", [(4, "ROUND_SEMIFINAL", 1), (2, "ROUND_FINAL", 1)], [(0, 4)]),
    ("CC_FA", "Spring Trophy", [(16, "ROUND_1", 1), (8, "ROUND_QUARTERFINAL", 1), (4, "ROUND_SEMIFINAL", 1),
                                (2, "ROUND_FINAL", 1)],
     [(1, 8), (2, 8)]),
]

# Template levels: 65535 stands for the cup's own level, 65534 for the one below.
TEMPLATE_LEVELS = [65535, 65534, 2, 3]


def write_cup_shape(out, group, name, rounds, takes):
    out.line(group)
    out.line(name)
    out.number(0)
    out.number(len(rounds))
    for k, (teams, kind, legs) in enumerate(rounds):
        b = len(rounds) if k == 0 else 0
        flags = "BEG_WITH_2_LEG" if legs == 2 else "BEG_WITH_EXTRA_TIME"
        out.line("{%d, %d, %d, %d, %d, %d, %s, %s}" % (k, b, 0, teams, teams // 2, 0, kind, flags))
    write_rule_list(out, [rule("GET_TAB_LEVEL_X_TO_Y", values=(TEMPLATE_LEVELS[level], 1, count))
                          for level, count in takes])


def cup_allocation_file():
    out = TextOut()
    out.comment("; Cup shapes: group, name, a number, the rounds {a, b = rounds in the first, c, teams,")
    out.comment("; matches, f, round kind, legs} and the rules that choose the teams.")
    out.number(len(CUP_SHAPES) + 1)
    for number, (group, name, rounds, takes) in enumerate(CUP_SHAPES, start=1):
        key = "CUP%d" % number
        out.begin(key)
        out.comment("; %s: %d rounds" % (name.strip(), len(rounds)))
        write_cup_shape(out, group, name, rounds, takes)
        out.end(key)
    return out.encode()


# League systems by script id: the leagues of each level (size, names).
LEAGUE_SCRIPTS = {
    14: [[20], [24]],
    18: [[20], [20]],
    21: [[18], [18]],
    42: [[12], [10]],
    45: [[20], [22]],
    1021: [[18], [16, 16]],
}
# Levels of several leagues: one word the level is named by, then the region.
REGIONAL_LEAGUE = ["Regionalliga", "Conference", "National", "Tercera", "Interregionale", "Okręgówka"]
REGIONS = [["Nord", "North", "Nord", "Norte", "Nord", "Północ"], ["Süd", "South", "Sud", "Sur", "Sud", "Południe"]]


def league_script_names(level, sizes, k):
    if len(sizes) > 1:
        return [cut("%s %s" % (base, region), 63) for base, region in zip(REGIONAL_LEAGUE, REGIONS[k])]
    return [cut(name, 63) for name in LEVEL_NAMES[min(level, len(LEVEL_NAMES) - 1)]]


def league_script_records(levels):
    records = []
    league_index = 0
    first_of_level = []
    for level, sizes in enumerate(levels):
        first_of_level.append(league_index)
        for k, teams in enumerate(sizes):
            count = matchday_count(teams, 2)
            season0 = spread_days(14, 14 + 7 * (count - 1), count)
            records.append({
                "class": "league", "type": "LEAGUE", "index": league_index, "teams": teams, "level": level,
                "names": league_script_names(level, sizes, k),
                "relegation": "REL_RULE_2" if level + 1 < len(levels) else "REL_RULE_0",
                "days": two_seasons(season0), "sources": [ref("POOL", level)],
                "followers": [ref("RELEGATION", level)] if level + 1 < len(levels) else [],
                "rules": [rule("GET_POOL", ref("POOL", level), values=(0, teams)), rule("GET_TAB_SPARE")]})
            league_index += 1
    for level, sizes in enumerate(levels):
        leagues = [ref("LEAGUE", first_of_level[level] + k) for k in range(len(sizes))]
        rules = [rule("GET_TAB_X_TO_Y", league, values=(1, size - 2)) for league, size in zip(leagues, sizes)]
        if level > 0:
            rules.append(rule("GET_LOSER", ref("RELEGATION", level - 1)))
        rules.append(rule("GET_TAB_SPARE"))
        records.append({"class": "pool", "index": level, "level": level, "teams": sum(sizes),
                        "draw": "POOL_SORT_BEST_TAB_POS", "checked": leagues[:3], "rules": rules})
    for level in range(len(levels) - 1):
        above, below = first_of_level[level], first_of_level[level + 1]
        records.append({
            "class": "round", "type": "RELEGATION", "index": level, "level": level, "teams": 2,
            "names": names_of(RELEGATION_NAMES), "kind": "ROUND_FINAL", "days": two_seasons([350, 354], 0),
            "sources": [ref("LEAGUE", above)],
            "rules": [rule("GET_TAB_X_TO_Y", ref("LEAGUE", above), values=(levels[level][0] - 2, 1)),
                      rule("GET_TAB_X_TO_Y", ref("LEAGUE", below), values=(3, 1))]})
    return records


RELEGATION_NAMES = ["Relegation", "Play-off", "Barrage", "Promoción", "Spareggio", "Baraż"]


def script_files():
    files = {"CupAlloc.txt": cup_allocation_file()}
    files["Continental - Europe.txt"] = write_competition_script(
        "EURO", "; Continental club and national-team competitions of Europe.", europe_records())
    files["Continental - South America.txt"] = write_competition_script(
        "SOUTHAM", "; Continental club competitions of South America.", south_america_records())
    for script_id, levels in LEAGUE_SCRIPTS.items():
        files["Lg%d.txt" % script_id] = write_competition_script(
            "LG", "; League system %d: leagues, pools and relegation play-offs." % script_id,
            league_script_records(levels))
    # Scripts of the game that the editor only keeps in its snapshots.
    for name in PLACEHOLDER_SCRIPTS:
        placeholder = TextOut()
        placeholder.comment("; Competition script of the game, kept by database snapshots.")
        files[name] = placeholder.encode()
    return files


def world_files(world, free_agents, rng):
    files = {}
    for country in world:
        files["Country%d.sav" % country["info"].id] = write_country(country)
    clubs_by_continent = {}
    for country in world:
        ids = [team_id(country["info"].id, c["index"]) for c in country["clubs"]]
        if ids:
            clubs_by_continent.setdefault(country["info"].continent, []).extend(ids)
    files["Rules.sav"] = write_rules(clubs_by_continent, rng)
    files["Without.sav"] = write_without(free_agents)
    files["Assessment.sav"] = write_assessment(world)
    files["LeagueMaster.dat"] = write_league_master(world)
    # The game database Master.dat is the editor's own export of these
    # files (scripts/export-sample), not the generator's.
    return files


TOWNS_PER_COUNTRY = 14
TEAM_COLOUR_COUNT = 24


def write_towns(countries, seed):
    """TownDataUniques.txt: towns of the complete countries, one line each,
    "country|town|longitude|latitude|club|short name|abbreviation|colour|
    articles|phrase uses", in country order as the editor saves it. Its own
    random numbers leave every other file of the sample unchanged."""
    rng = Rng(seed + 1)
    names = NameMaker(rng)
    out = TextOut()
    for country_id in SMALL_COMPLETE:
        info = countries[country_id]
        towns = []
        while len(towns) < TOWNS_PER_COUNTRY:
            town = cut(names.town(info.first_language), 30)
            if town not in towns:
                towns.append(town)
        for town in towns:
            club = cut("%s %s" % (town, rng.pick(CLUB_SUFFIXES)), 30)
            articles = "".join("%d" % agreeing_choice(rng.between(0, 3), ARTICLE_COUNTS[language],
                                                      ELIDING_ARTICLES.get(language, {}), club)
                               for language in range(LANGUAGE_COUNT))
            phrases = "".join("%d" % agreeing_choice(rng.between(0, 2), PHRASE_COUNTS[language],
                                                     ELIDING_PHRASES.get(language, {}), club)
                              for language in range(LANGUAGE_COUNT))
            out.line("%d|%s|%d|%d|%s|%s|%s|%d|%s|%s" % (
                country_id, town, rng.between(-600, 600), rng.between(2160, 3480), club, cut(town, 11),
                town[:3].upper(), rng.below(TEAM_COLOUR_COUNT), articles, phrases))
    return out.encode()


# ---------------------------------------------------------------------------
# Badges: a shield per club of the complete countries in the four sizes the
# badge check asks for, "<code>\\Badge<size>\\<club name>.tga" below the
# working folder's Badges, as the badge lookup names a club's own files.
# Run-length coded 32-bit TGA with a transparent ground, to stay small.
# ---------------------------------------------------------------------------

BADGE_SIZES = (32, 64, 128, 256)
# The alpha-2 codes of the complete countries, which name their folders.
BADGE_COUNTRY_CODES = {14: "GB", 21: "DE", 45: "ES"}
BADGE_NAME_LENGTH = 29
BADGE_NAME_REPLACED = set('\\/:*?"<>|.')
# The team colours a club's first badge parameter chooses: the list of the
# badge page, one "name,RRGGBB|RRGGBB" line (decimal) after each index.
TEAM_COLOURS = os.path.join(HERE, "..", "data", "trdata", "eng", "TeamColour.txt")
BADGE_RIM = (0x40, 0x40, 0x40)
TGA_RUN_LENGTH_TRUE_COLOUR = 10
TGA_TOP_LEFT_WITH_ALPHA = 0x28


def read_team_colours(path):
    with open(path, "rb") as f:
        lines = f.read().decode("utf-8-sig").split("\r\n")
    colours = []
    for line in lines[2:2 + 2 * int(lines[0]):2]:
        pair = line.rsplit(",", 1)[1].split("|")
        colours.append([((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF) for value in map(int, pair)])
    return colours


def badge_file_name(club_name):
    return "".join("_" if c in BADGE_NAME_REPLACED else c for c in club_name[:BADGE_NAME_LENGTH]) + ".tga"


def shield_row(y, size, first, second):
    """The pixels of row y (from the top) of a shield: a chief in the second
    colour over a field parted in both, inside a rim, on a clear ground;
    below two thirds the sides draw in to the point."""
    margin, rim = size // 16, max(1, size // 32)
    half = size // 2 - margin
    taper_from = size * 2 // 3
    if y >= taper_from:
        half = half * (size - margin - y) // (size - margin - taper_from)
    if y < margin or half <= 0:
        return [None] * size
    chief = y < margin + size // 5
    inner_top, inner_bottom = margin + rim, y >= size - margin - rim or half <= rim
    row = []
    for x in range(size):
        offset = x - size // 2
        if offset < -half or offset >= half:
            row.append(None)
        elif y < inner_top or inner_bottom or offset < rim - half or offset >= half - rim:
            row.append(BADGE_RIM)
        else:
            row.append(second if chief or offset >= 0 else first)
    return row


def run_length_row(row):
    """TGA run packets of one row: BGRA, a clear pixel white, so that a
    reader without alpha, as the badge page, shows the shield on white."""
    out = bytearray()
    x = 0
    while x < len(row):
        length = 1
        while x + length < len(row) and length < 128 and row[x + length] == row[x]:
            length += 1
        colour = row[x]
        out.append(0x80 | (length - 1))
        out += bytes([0xFF, 0xFF, 0xFF, 0]) if colour is None else bytes([colour[2], colour[1], colour[0], 0xFF])
        x += length
    return out


def write_badge(size, first, second):
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, TGA_RUN_LENGTH_TRUE_COLOUR, 0, 0, 0, 0, 0, size, size, 32,
                         TGA_TOP_LEFT_WITH_ALPHA)
    return header + b"".join(run_length_row(shield_row(y, size, first, second)) for y in range(size))


def badge_files(world):
    team_colours = read_team_colours(TEAM_COLOURS)
    files = {}
    for country in world:
        code = BADGE_COUNTRY_CODES.get(country["info"].id)
        for club in country["clubs"] if code else []:
            first, second = team_colours[club["badge_params"][0]]
            for size in BADGE_SIZES:
                path = os.path.join(code, "Badge%d" % size, badge_file_name(club["names"][0]))
                files[path] = write_badge(size, first, second)
    return files


# ---------------------------------------------------------------------------
# Name files: the random names of the editor and the name lists of the game
# database. Windows-1252 without a byte-order mark, CR LF line ends; a line
# "%N" keys the names after it by language id N, key 0 holding the
# international names every language falls back to.
# ---------------------------------------------------------------------------

NAME_FILES = (("MaleNames.txt", 0, 15), ("FemaleNames.txt", 1, 15), ("Surnames.txt", 2, 19))
INTERNATIONAL_LIMITS = (80, 50, 120)
NAME_PUNCTUATION = set(" -'")


def load_person_names():
    import importlib.util
    path = os.path.join(HERE, "person_names.py")
    module_spec = importlib.util.spec_from_file_location("person_names", path)
    module = importlib.util.module_from_spec(module_spec)
    module_spec.loader.exec_module(module)
    return module.NAMES


def international_names(tables, column):
    """Key 0: for first names those shared by the most languages, for
    surnames a few of every language in turn."""
    limit = INTERNATIONAL_LIMITS[column]
    if column == 2:
        rounds = [tables[lang][2][i] for i in range(2) for lang in sorted(tables) if i < len(tables[lang][2])]
        return list(dict.fromkeys(rounds))[:limit]
    languages = {}
    for lang in sorted(tables):
        for name in tables[lang][column]:
            languages.setdefault(name, set()).add(lang)
    ranked = sorted(languages, key=lambda name: (-len(languages[name]), name))
    return sorted(ranked[:limit])


def checked_names(names, longest):
    """The names as they go into a file; a name breaking the file's rules
    stops the generator instead of being written."""
    seen = set()
    for name in names:
        name.encode("cp1252")
        if not (0 < len(name) <= longest) or name in seen or name != name.strip():
            raise ValueError("bad name %r" % name)
        if not all(c.isalpha() or c in NAME_PUNCTUATION for c in name):
            raise ValueError("bad name %r" % name)
        seen.add(name)
    return names


def name_files():
    tables = load_person_names()
    files = {}
    for file_name, column, longest in NAME_FILES:
        lines = ["%0"] + checked_names(international_names(tables, column), longest)
        for lang in sorted(tables):
            lines.append("%%%d" % lang)
            lines += checked_names(tables[lang][column], longest)
        files[file_name] = "".join(line + "\r\n" for line in lines).encode("cp1252")
    return files


def save(folder, name, data):
    path = os.path.join(folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    temporary = path + ".tmp"
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("mode", choices=["small", "full", "fixtures", "scripts", "badges"])
    parser.add_argument("folder")
    parser.add_argument("--seed", type=int, default=2007)
    parser.add_argument("--countries", default=DEFAULT_COUNTRIES)
    args = parser.parse_args(argv)
    countries = read_countries(args.countries)
    if args.mode == "fixtures":
        write_fixtures(countries, args.seed, args.folder)
        return 0
    if args.mode == "scripts":
        for name, data in sorted(script_files().items()):
            save(args.folder, name, data)
        return 0
    if args.mode == "badges":
        _, world, _ = build_small(countries, args.seed)
        for name, data in sorted(badge_files(world).items()):
            save(args.folder, name, data)
        return 0
    build = build_small if args.mode == "small" else build_full
    builder, world, free_agents = build(countries, args.seed)
    files = world_files(world, free_agents, builder.rng)
    if args.mode == "small":
        files["TownDataUniques.txt"] = write_towns(countries, args.seed)
    files.update(name_files())
    for name, data in sorted(files.items()):
        save(args.folder, name, data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
