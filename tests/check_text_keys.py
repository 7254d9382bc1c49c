#!/usr/bin/env python3
"""Checks the localisation file against the sources.

The file is parsed here on its own terms (not through the program's
reader): UTF-8 with byte-order mark, CRLF line ends, '#' comment lines and
lines Key|ENG|FRE|GER|ITA|SPA|POL. Every key the sources write as a u"..."_tk
literal, every text of the dialog templates and menus in resources/*.rc, and
every key of the families in text_key_families.txt, must have six non-empty
texts with the same _TOKENS as the English one. A template text is found
behind the key prefix that a "// Key prefix: X" line names above its
template, or as a key alone. Exit status 1 lists every problem found.
"""

import argparse
import math
import os
import re
import sys

LANGUAGES = ["ENG", "FRE", "GER", "ITA", "SPA", "POL"]
KEY_LITERAL = re.compile(r'u"((?:[^"\\]|\\.)*)"_tk')
# A lookup with a plain literal escapes this check.
PLAIN_LOOKUP = re.compile(r'\bGetText(?:InLanguage)?\(\s*u"(?:[^"\\]|\\.)*"(?!_tk)')
TOKEN = re.compile(r"_[A-Z][A-Z0-9_]*")
SOURCE_SUFFIXES = (".cpp", ".h", ".hpp", ".inl")
SKIPPED_FOLDERS = {"tests", "fuzz", "bench", ".git", "scripts", "cmake", "data"}

DATE_TOKENS = {"_YEAR2", "_YEAR4", "_ALPHASHORTMONTH", "_ALPHAMONTH", "_SHORTMONTH", "_MONTH", "_SHORTDAY", "_DAY"}
TIME_TOKENS = {"_HOUR2", "_HOUR", "_MINUTE2", "_MINUTE", "_SECOND2", "_SECOND"}
VALUE_TEMPLATES = {"Internal.Number.PercentFormat", "Internal.Number.EnumerateMale",
                   "Internal.Number.EnumerateFemale", "Internal.Currency.Format"}


def hash_key(key):
    """The store's key hash: h * 65599 + unit over the UTF-16 units."""
    h = 0
    data = key.encode("utf-16-le")
    for i in range(0, len(data), 2):
        h = (h * 0x1003F + (data[i] | data[i + 1] << 8)) & 0xFFFFFFFF
    return h


def parse_file(path, problems):
    """Returns {key: [six texts]} and appends every format fault to problems."""
    with open(path, "rb") as f:
        raw = f.read()
    if not raw.startswith(b"\xef\xbb\xbf"):
        problems.append("%s: no UTF-8 byte-order mark" % path)
    else:
        raw = raw[3:]
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        problems.append("%s: not UTF-8 (%s)" % (path, error))
        text = raw.decode("utf-8", "replace")
    if text and not text.endswith("\r\n"):
        problems.append("%s: the last line does not end with CR LF" % path)
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    entries = {}
    hashes = {}
    for number, line in enumerate(lines, 1):
        where = "%s:%d" % (os.path.basename(path), number)
        if "\r" in line or "\n" in line:
            problems.append("%s: line end other than CR LF" % where)
        if line == "" or line.startswith("#"):
            continue
        fields = line.split("|")
        if len(fields) != 7:
            problems.append("%s: %d fields instead of 7" % (where, len(fields)))
            continue
        key, texts = fields[0], fields[1:]
        if key in entries:
            problems.append("%s: key %s repeats" % (where, key))
            continue
        h = hash_key(key)
        if h in hashes:
            problems.append("%s: keys %s and %s share the hash 0x%08X" % (where, hashes[h], key, h))
            continue
        hashes[h] = key
        entries[key] = texts
        for language, value in zip(LANGUAGES, texts):
            if value == "":
                problems.append("%s: %s has no %s text" % (where, key, language))
            elif value != value.strip(" \t"):
                problems.append("%s: %s %s text has leading or trailing blanks" % (where, key, language))
    return entries


def check_texts(entries, problems):
    for key, texts in entries.items():
        english = sorted(set(TOKEN.findall(texts[0])))
        for language, value in zip(LANGUAGES[1:], texts[1:]):
            tokens = sorted(set(TOKEN.findall(value)))
            if tokens != english:
                problems.append("%s: %s tokens %s differ from the English %s" % (key, language, tokens, english))
        if key.startswith("Internal."):
            check_locale_text(key, texts, problems)
    folder = entries.get("Database.Folder")
    for language, value in zip(LANGUAGES, folder or []):
        if not value or any(c in value for c in "\\/:") or ".." in value:
            problems.append("Database.Folder: %s text %r is not a plain folder name" % (language, value))
    thousands = entries.get("Internal.Number.Thousand")
    decimal = entries.get("Internal.Number.Decimal")
    if thousands and decimal:
        for language, a, b in zip(LANGUAGES, thousands, decimal):
            if a == b:
                problems.append("Internal.Number: %s thousands separator equals the decimal separator" % language)


def check_locale_text(key, texts, problems):
    for language, value in zip(LANGUAGES, texts):
        where = "%s (%s)" % (key, language)
        if key in VALUE_TEMPLATES and value.count("_VALUE") != 1:
            problems.append("%s: template needs exactly one _VALUE" % where)
        elif key.startswith("Internal.Chrono.Date."):
            unknown = set(TOKEN.findall(value)) - DATE_TOKENS
            if unknown:
                problems.append("%s: unknown date tokens %s" % (where, sorted(unknown)))
        elif key.startswith("Internal.Chrono.Time."):
            unknown = set(TOKEN.findall(value)) - TIME_TOKENS
            if unknown:
                problems.append("%s: unknown time tokens %s" % (where, sorted(unknown)))
        elif key == "Internal.Currency.Decimals" and not re.fullmatch(r"[0-9]", value):
            problems.append("%s: decimals must be one digit" % where)
        elif key == "Internal.Currency.EuroMultiplier":
            try:
                number = float(value)
            except ValueError:
                number = float("nan")
            if not (math.isfinite(number) and number > 0) or not re.fullmatch(r"[0-9]+(\.[0-9]*)?", value):
                problems.append("%s: multiplier %r is not a positive number" % (where, value))


def used_keys(root, problems):
    """{key: first place of use} of every _tk literal below root."""
    keys = {}
    for folder, subfolders, files in os.walk(root):
        relative = os.path.relpath(folder, root)
        if relative == ".":
            subfolders[:] = [s for s in subfolders if s not in SKIPPED_FOLDERS and not s.startswith("build")]
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    place = "%s:%d" % (os.path.relpath(path, root), number)
                    for key in KEY_LITERAL.findall(line):
                        keys.setdefault(key, place)
                    if PLAIN_LOOKUP.search(line):
                        problems.append("%s: key literal without _tk" % place)
    return keys


RC_TEXT = re.compile(r'^\s*(?:CAPTION|LTEXT|RTEXT|CTEXT|PUSHBUTTON|DEFPUSHBUTTON|GROUPBOX|CHECKBOX|AUTOCHECKBOX'
                     r'|RADIOBUTTON|AUTORADIOBUTTON|AUTO3STATE|STATE3|CONTROL|MENUITEM|POPUP)\s+"((?:[^"]|"")*)"')
RC_PREFIX = re.compile(r"^\s*//\s*Key prefix:\s*(\S+)")
RC_TEMPLATE_START = re.compile(r"^\s*\w+\s+(?:DIALOGEX|DIALOG|MENU|MENUEX)\b")


def resource_texts(root):
    """[(text, prefix, place)] of every non-empty template and menu text."""
    folder = os.path.join(root, "resources")
    found = []
    if not os.path.isdir(folder):
        return found
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".rc"):
            continue
        path = os.path.join(folder, name)
        prefix = None
        pending = None
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                marker = RC_PREFIX.match(line)
                if marker:
                    pending = marker.group(1)
                    continue
                if RC_TEMPLATE_START.match(line):
                    prefix, pending = pending, None
                text = RC_TEXT.match(line)
                if text and text.group(1):
                    found.append((text.group(1).replace('""', '"'), prefix, "resources/%s:%d" % (name, number)))
    return found


def check_resources(root, entries, problems):
    for text, prefix, place in resource_texts(root):
        if text in entries or (prefix and "%s.%s" % (prefix, text) in entries):
            continue
        problems.append("%s: template text %s names no key of the localisation file" % (place, text))


def family_keys(path, problems):
    keys = {}
    if not os.path.exists(path):
        return keys
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            try:
                pattern, first, last = line.split()
                for n in range(int(first), int(last) + 1):
                    keys[pattern % n] = "%s:%d" % (os.path.basename(path), number)
            except (ValueError, TypeError):
                problems.append("%s:%d: not 'pattern first last'" % (path, number))
    return keys


def run(root, file_path, families_path, scan_sources):
    problems = []
    entries = parse_file(file_path, problems)
    check_texts(entries, problems)
    if scan_sources:
        needed = used_keys(root, problems)
        needed.update(family_keys(families_path, problems))
        check_resources(root, entries, problems)
        for key, place in sorted(needed.items()):
            if key not in entries:
                problems.append("%s: key %s is missing from the localisation file" % (place, key))
    return problems


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", default=os.path.dirname(here))
    parser.add_argument("--file", help="localisation file (default: the shipped one)")
    parser.add_argument("--families", help="list of run-time key families")
    parser.add_argument("--no-sources", action="store_true", help="check the file only")
    args = parser.parse_args()
    file_path = args.file or os.path.join(args.root, "data", "trdata", "DatabaseEditor.txt")
    families_path = args.families or os.path.join(here, "text_key_families.txt")
    problems = run(args.root, file_path, families_path, not args.no_sources)
    for problem in problems:
        print(problem)
    if problems:
        print("%d problem(s)" % len(problems))
        return 1
    print("localisation file OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
