#!/usr/bin/env python3
"""Reads the lists of the enumeration scripts and the kit fix's outputs as
their users do: the lists with the csv module (UTF-16 with its mark, tabs),
the kit fix's tables as UTF-16LE count-then-pairs files."""

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


def check_list(folder, name, header):
    with open(os.path.join(folder, name), encoding="utf-16", newline="") as handle:
        rows = list(csv.reader(handle, delimiter="\t"))
    assert rows and rows[0] == header, (name, rows[:1])
    assert len(rows) > 1, name
    for row in rows[1:]:
        assert len(row) == len(header), (name, row)
    return len(rows) - 1


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
        check_list(folder, name, header)
    assert check_pairs(folder, "Output - Starheads.txt") == 1
    for language in range(6):
        assert check_pairs(folder, f"Output - Kits {language}.txt") == 1
    lines = open(os.path.join(folder, "Output - Playerlist.txt"), "rb").read().decode("utf-16-le").split("\r\n")
    assert lines[0] == "[StarHead-ID]\t[Player]\t[Club]", lines[0]
    assert all(len(line.split("\t")) == 3 for line in lines[1:-1])
    print("enumeration lists read by Python:", len(LISTS), "lists, kit tables and the player list")


if __name__ == "__main__":
    main()
