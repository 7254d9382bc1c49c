#!/usr/bin/env python3
"""Reads an exported assessment file with Python's csv module (tab dialect,
UTF-8 with byte-order mark) and checks its columns and the values the test
wrote: country k has the coefficient k * 100 + year in year "Year -year"."""

import csv
import sys

with open(sys.argv[1], encoding="utf-8-sig", newline="") as handle:
    rows = list(csv.reader(handle, dialect="excel-tab"))
header = rows[0]
wanted = ["Index", "[English]", "[French]", "[German]", "[Italian]", "[Spanish]", "[Polish]",
          "Year -6", "Year -5", "Year -4", "Year -3", "Year -2", "Year -1"]
if header != wanted:
    sys.exit("header %r" % header)
if len(rows) < 2:
    sys.exit("no rows")
for row in rows[1:]:
    country = int(row[0])
    for year in range(1, 7):
        value = row[header.index("Year -%d" % year)]
        expected = "%d.%02d" % divmod(country * 100 + year, 100)
        if value != expected:
            sys.exit("country %d year %d: %s, not %s" % (country, year, value, expected))
print("assessment export: %d rows read" % (len(rows) - 1))
