#!/usr/bin/env python3
"""Reads the lists of the enumeration scripts and the kit fix's outputs as
their users do: the lists with the csv module (UTF-16 with its mark, tabs),
the kit fix's tables as UTF-16LE count-then-pairs files. Besides their
shapes, the lists' names must be the English ones and the club list's kit
colours those of the right slots."""

import csv
import os
import sys

LISTS = {
    "Clubs.txt": ["Qaro ID", "Country", "League", "Club"],
    "PlayerImages.txt": ["Country", "League", "Club", "Last Name", "First Name", "Picture", "Has Picture"],
    "PlayersSerbia.txt": ["Country", "League", "Club", "Last Name", "First Name", "Nationality 1", "Nationality 2"],
    "Mobile - Player.txt": ["Qaro-ID", "Country", "League", "Club", "First Name", "Last Name", "Main Position",
                            "Main Alt 1", "Main Alt 2", "Secondary 1", "Secondary 2", "Secondary 3", "Loyality"],
    "Mobile - Club.txt": ["QaroID", "Country", "League", "Club"]
    + [f"{kit} {part} {n}" for kit in ("Home", "Away")
       for part, count in (("Shirt", 3), ("Short", 3), ("Socks", 2)) for n in range(1, count + 1)],
    "Legal - Clubnames.txt": ["Club ID", "Country", "League"]
    + [name for label in ("English", "French", "German", "Italian", "Spanish", "Polish")
       for name in (f"Full Name [{label}]", f"Short Name [{label}]", f"Abbreviation [{label}]",
                    f"Town [{label}]", f"Stadium [{label}]", "")],
    "Legal - Competitions.txt": ["Competition ID", "Country"]
    + [f"[{label}]" for label in ("English", "French", "German", "Italian", "Spanish", "Polish")],
    "Legal - Countries.txt": ["CountryID"]
    + [name for label in ("English", "French", "German", "Italian", "Spanish", "Polish")
       for name in (f"Name [{label}]", f"Abbreviation [{label}]")],
}


# The test names every club "C<id> <tag>" with the tag of the name's
# language, and gives the countries their English names "Country <id>".
LANGUAGE_TAGS = {"English": "en", "French": "fr", "German": "de", "Italian": "it", "Spanish": "es", "Polish": "pl"}
LISTS_WITH_PLACES = ("Clubs.txt", "PlayerImages.txt", "PlayersSerbia.txt", "Mobile - Player.txt", "Mobile - Club.txt")

# The kit palette's first four rows (entries 0 to 31) as RRGGBB.
PALETTE = ["FF5555", "0EB102", "01BADC", "FFF000", "AC7928", "98CED8", "DC0191", "FFFFFF",
           "FF0000", "0B9201", "019DB9", "FFD200", "896020", "779DA4", "DC01B5", "E6E3E3",
           "E30404", "087400", "00758B", "FFC000", "62420F", "5D7B80", "DC01D4", "C9C9C9",
           "C90000", "02B165", "009CFF", "FFA200", "B96D35", "90CA88", "CA01DC", "AAA7A7"]
# The club whose kits the test colours: colour c of slot s of kit k is
# palette entry 16k + 4s + c.
COLOURED_CLUB_QARO_ID = "26"
KIT_COLUMNS = (("Shirt", 0, 3), ("Short", 2, 3), ("Socks", 3, 2))


def read_list(folder, name, header):
    with open(os.path.join(folder, name), encoding="utf-16", newline="") as handle:
        rows = list(csv.reader(handle, delimiter="\t"))
    assert rows and rows[0] == header, (name, rows[:1])
    assert len(rows) > 1, name
    for row in rows[1:]:
        assert len(row) == len(header), (name, row)
    return rows[1:]


def column(header, row, name):
    return row[header.index(name)]


def check_places(name, header, rows):
    """The country and the club of a row are named in English."""
    for row in rows:
        country, club = column(header, row, "Country"), column(header, row, "Club")
        assert country.startswith("Country "), (name, country)
        assert club.startswith("C") and club.endswith(" en"), (name, club)


def check_legal_club_names(header, rows):
    for row in rows:
        assert column(header, row, "Country").startswith("Country "), row
        for label, tag in LANGUAGE_TAGS.items():
            full = column(header, row, "Full Name [%s]" % label)
            assert full.endswith(" " + tag), (label, full)


def check_kit_colours(header, rows):
    coloured = [row for row in rows if column(header, row, "QaroID") == COLOURED_CLUB_QARO_ID]
    assert len(coloured) == 1, coloured
    for kit_index, kit in enumerate(("Home", "Away")):
        for part, slot, count in KIT_COLUMNS:
            for n in range(1, count + 1):
                expected = "FF" + PALETTE[16 * kit_index + 4 * slot + n - 1]
                actual = column(header, coloured[0], "%s %s %d" % (kit, part, n))
                assert actual == expected, (kit, part, n, actual, expected)


def check_pairs(folder, name):
    text = open(os.path.join(folder, name), "rb").read().decode("utf-16-le")
    lines = text.split("\r\n")
    assert lines[-1] == "", name
    count = int(lines[0])
    records = lines[1:-1]
    assert len(records) == 2 * count, (name, count, len(records))
    for index in range(1, len(records), 2):
        int(records[index])
    return count


def main():
    folder = sys.argv[1]
    for name, header in LISTS.items():
        rows = read_list(folder, name, header)
        if name in LISTS_WITH_PLACES:
            check_places(name, header, rows)
    check_legal_club_names(LISTS["Legal - Clubnames.txt"], read_list(folder, "Legal - Clubnames.txt",
                                                                     LISTS["Legal - Clubnames.txt"]))
    check_kit_colours(LISTS["Mobile - Club.txt"], read_list(folder, "Mobile - Club.txt", LISTS["Mobile - Club.txt"]))
    assert check_pairs(folder, "Output - Starheads.txt") == 1
    for language in range(6):
        assert check_pairs(folder, f"Output - Kits {language}.txt") == 1
    lines = open(os.path.join(folder, "Output - Playerlist.txt"), "rb").read().decode("utf-16-le").split("\r\n")
    assert lines[0] == "[StarHead-ID]\t[Player]\t[Club]", lines[0]
    assert all(len(line.split("\t")) == 3 for line in lines[1:-1])
    print("enumeration lists read by Python:", len(LISTS), "lists, kit tables and the player list")


if __name__ == "__main__":
    main()
