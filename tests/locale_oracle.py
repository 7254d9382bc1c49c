#!/usr/bin/env python3
"""Cross-checks the text store and its locale formatters.

An independent implementation of the key hash, the localisation file rules
and the formatters (in IEEE doubles, like the program) is run on generated
inputs, 100,000 per operation, and compared with the answers of the driver
program built from the real code. Usage:

    locale_oracle.py --driver PATH [--emulator CMD] [--count N] [--seed S]
"""

import argparse
import csv
import io
import math
import random
import re
import struct
import subprocess
import sys
import time
from array import array

CAP = 512
MAX_LINES = 65536
LOCALE_KEYS = ["Internal.Locale.Name", "Internal.Locale.Abbrevation", "Internal.Number.Thousand",
               "Internal.Number.Decimal", "Internal.Number.Negative", "Internal.Number.PercentFormat",
               "Internal.Number.EnumerateMale", "Internal.Number.EnumerateFemale", "Internal.Currency.Format",
               "Internal.Currency.Decimals", "Internal.Currency.EuroMultiplier"]
(NAME, ABBREVIATION, THOUSAND, DECIMAL, NEGATIVE, PERCENT, MALE, FEMALE, MONEY, MONEY_DECIMALS,
 MULTIPLIER) = range(11)
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
          "November", "December"]
SHORT_MONTH_KEYS = ["Internal.Chrono.Month.Short." + m for m in MONTHS]
LONG_MONTH_KEYS = ["Internal.Chrono.Month.Long." + m for m in MONTHS]
TIME_KEYS = ["Internal.Chrono.Time." + s for s in ("Short", "Long", "SecondsOnly", "MinutesOnly", "HoursOnly")]
DATE_TOKENS = ["_YEAR2", "_YEAR4", "_ALPHASHORTMONTH", "_ALPHAMONTH", "_SHORTMONTH", "_MONTH", "_SHORTDAY", "_DAY"]
TIME_TOKENS = ["_HOUR2", "_HOUR", "_MINUTE2", "_MINUTE", "_SECOND2", "_SECOND"]
ENGLISH_SUFFIXES = ["th", "st", "nd", "rd", "th", "th", "th", "th", "th", "th"]
INT_MIN, INT_MAX = -2 ** 31, 2 ** 31 - 1
PLAIN_NUMBER = re.compile(r"[0-9]+(?:\.[0-9]*)?|\.[0-9]+")


# --- UTF-16 units: every text here is a str holding one UTF-16 unit per character.

def units(text):
    data = array("H")
    data.frombytes(text.encode("utf-16-le", "surrogatepass"))
    return "".join(map(chr, data))


def to_hex(text):
    if text is None:
        return "null"
    return text.encode("utf-16-le", "surrogatepass").hex() or "."


def hash_key(key):
    h = 0
    for c in key:
        h = (h * 0x1003F + ord(c)) & 0xFFFFFFFF
    return h


def c_div(a, b):
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q


def c_mod(a, b):
    return a - b * c_div(a, b)


def double_hex(value):
    return "%x" % struct.unpack("<Q", struct.pack("<d", value))[0]


def replace_tokens(source, pairs):
    out = []
    i, n = 0, len(source)
    while i < n:
        for token, replacement in pairs:
            if source.startswith(token, i):
                out.append(replacement)
                i += len(token)
                break
        else:
            out.append(source[i])
            i += 1
    return "".join(out)[:CAP - 1]


class Store:
    """The text store as the file rules and formatter steps describe it."""

    def __init__(self):
        self.entries = {}
        self.language = 0
        self.longest = False
        self.locale = [[""] * 11 for _ in range(6)]

    # File rules.
    def load(self, data):
        self.entries = {}
        self.fill_locale()
        text = self.decode(data)
        if text is None:
            return False
        nul = text.find("\0")
        if nul >= 0:
            text = text[:nul]
        for line in text.replace("\r", "").split("\n", MAX_LINES - 1):
            if not line or line[0] == "#":
                continue
            fields = line.split("|", 7)
            if len(fields) < 2:
                continue
            entry = self.entries.setdefault(hash_key(fields[0]), [None] * 6)
            for language in range(min(6, len(fields) - 1)):
                if entry[language] is None:
                    entry[language] = fields[language + 1]
        if not self.entries:
            return False
        self.fill_locale()
        return True

    @staticmethod
    def decode(data):
        if not data or len(data) >= 0x1000000:
            return None
        if len(data) >= 4 and data[:3] == b"\xef\xbb\xbf":
            return units(data[3:].decode("utf-8", "replace"))
        if len(data) >= 3 and data[:2] == b"\xff\xfe":
            body = data[2:]
            words = array("H")
            words.frombytes(body[:len(body) // 2 * 2])
            return "".join(map(chr, words))
        try:
            return units(data.decode("utf-8"))
        except UnicodeDecodeError:
            return None

    def lookup(self, h, language):
        entry = self.entries.get(h)
        if entry is None:
            return None
        if not self.longest:
            return entry[language]
        best = None
        for text in entry:
            if text is not None and (best is None or len(text) > len(best)):
                best = text
        return best

    def text_in_language(self, key, language):
        if not 0 <= language < 6:
            return None
        return self.lookup(hash_key(key), language)

    def text(self, key):
        found = self.lookup(hash_key(key), self.language)
        return key if found is None else found

    def fill_locale(self):
        for language in range(6):
            for index, key in enumerate(LOCALE_KEYS):
                found = self.lookup(hash_key(key), language) if self.entries else None
                self.locale[language][index] = (found or "")[:63]

    def set_language(self, language):
        if 0 <= language < 6:
            self.language = language

    def set_longest(self, on):
        if on != self.longest:
            self.longest = on
            self.fill_locale()

    def loc(self, index):
        return self.locale[self.language][index]

    # Formatters.
    def grouped(self, negative, magnitude):
        digits = str(magnitude)
        separator = self.loc(THOUSAND)
        out = [self.loc(NEGATIVE)] if negative else []
        count = len(digits)
        for i, digit in enumerate(digits):
            out.append(digit)
            left = count - 1 - i
            if left > 0 and left % 3 == 0:
                out.append(separator)
        return "".join(out)[:CAP - 1]

    def format_int(self, value):
        return self.grouped(value < 0, abs(value))

    def format_float(self, value, decimals):
        if math.isnan(value):
            value = 0.0
        decimals = max(0, min(decimals, 8))
        step = 1.0
        for _ in range(decimals):
            step *= 0.1
        rounded = value + 0.5 * step if value >= 0 else value - 0.5 * step
        magnitude = abs(rounded)
        if magnitude < 2.0 ** 63:
            integer = int(magnitude)
            fraction = magnitude - float(integer)
        else:
            integer, fraction = 2 ** 63 - 1, 0.0
        text = self.grouped(rounded < 0, integer)
        if decimals == 0:
            return text
        separator = self.loc(DECIMAL)
        if len(text) + len(separator) >= CAP:
            return text
        digits = []
        for _ in range(decimals):
            fraction *= 10.0
            digit = int(fraction) % 10
            fraction -= float(digit)
            digits.append(chr(48 + digit))
        return (text + separator + "".join(digits))[:CAP - 1]

    def parse_int(self, text):
        separator = self.loc(DECIMAL)
        negative = overflow = False
        collected = value = 0
        for i, c in enumerate(text):
            if "0" <= c <= "9":
                if collected == 63:
                    continue
                collected += 1
                if not overflow:
                    value = value * 10 + ord(c) - 48
                    overflow = value > INT_MAX
            elif c == "-" and collected == 0:
                negative = True
            elif separator == "" or text.startswith(separator, i):
                break
        if overflow:
            return INT_MIN if negative else INT_MAX
        return -value if negative else value

    def parse_float(self, text):
        separator = self.loc(DECIMAL)
        plain = []
        negative = digit_seen = False
        i, n = 0, len(text)
        while i < n:
            c = text[i]
            if "0" <= c <= "9":
                digit_seen = True
                if len(plain) < 63:
                    plain.append(c)
            elif c == "-" and not digit_seen:
                negative = True
            elif separator and text.startswith(separator, i):
                if len(plain) < 63:
                    plain.append(".")
                i += len(separator)
                continue
            i += 1
        match = PLAIN_NUMBER.match("".join(plain))
        if not match:
            return 0.0
        value = float(match.group())
        return -value if negative else value

    def fill(self, template, value):
        value = value[:CAP - 1]
        if template == "":
            return value
        return template.replace("_VALUE", value)[:CAP - 1]

    def format_ordinal(self, value, masculine):
        number = self.format_int(value)
        if self.language != 0:
            return self.fill(self.loc(MALE if masculine else FEMALE), number)
        last_two = c_mod(value, 100)
        suffix = "th" if 11 <= last_two <= 19 else ENGLISH_SUFFIXES[abs(value) % 10]
        return (number + suffix)[:CAP - 1]

    def format_percent(self, value):
        return self.fill(self.loc(PERCENT), self.format_int(value))

    def format_currency(self, value):
        first = self.loc(MONEY_DECIMALS)[:1]
        decimals = ord(first) - 48 if first and "0" <= first <= "9" else 0
        return self.fill(self.loc(MONEY), self.format_float(value, decimals))

    def format_date_template(self, template, year, month, day):
        year, month, day = max(1, min(year, 9999)), max(1, min(month, 12)), max(1, min(day, 31))
        values = ["%02d" % (year % 100), "%04d" % year, self.text(SHORT_MONTH_KEYS[month - 1]),
                  self.text(LONG_MONTH_KEYS[month - 1]), "%d" % month, "%02d" % month, "%d" % day, "%02d" % day]
        return replace_tokens(template, list(zip(DATE_TOKENS, values)))

    def time_value(self, value, padded):
        if 0 <= value <= 999:
            return ("%02d" if padded else "%d") % value
        return self.grouped(value < 0, abs(value))

    def format_time(self, style, hours, minutes, seconds):
        if not 0 <= style <= 4:
            return None
        total = (hours * 60 + minutes) * 60 + seconds
        h = m = s = 0
        if style <= 1:
            h = c_div(total, 3600)
            m = c_mod(c_div(total, 60), 60)
            s = total - (h * 60 + m) * 60
        elif style == 2:
            s = total
        elif style == 3:
            m = hours * 60 + minutes + c_div(seconds, 60)
        else:
            h = hours + c_div(minutes, 60) + c_div(seconds, 3600)
        values = []
        for value in (h, m, s):
            values += [self.time_value(value, True), self.time_value(value, False)]
        return replace_tokens(self.text(TIME_KEYS[style]), list(zip(TIME_TOKENS, values)))


# --- Input generation.

class Generator:
    def __init__(self, seed):
        self.random = random.Random(seed)
        self.alphabet = list("abcXYZ019 .,-_|#%'") + ["\u00a0", "\u00e9", "\u0142", "\u20ac", "\U0001F600"]

    def text(self, low=0, high=12, alphabet=None):
        r = self.random
        return "".join(r.choices(alphabet or self.alphabet, k=r.randint(low, high)))

    def int32(self):
        r = self.random
        kind = r.random()
        if kind < 0.15:
            return r.choice([0, 1, -1, 999, 1000, -1000, 999999, 1000000, INT_MIN, INT_MAX, INT_MIN + 1, 11, 12,
                             13, 111, 112, 1001, -11, -21])
        if kind < 0.5:
            return r.randint(-100000, 100000)
        return r.randint(INT_MIN, INT_MAX)

    def double(self):
        r = self.random
        kind = r.random()
        if kind < 0.05:
            return r.choice([0.0, -0.0, 0.5, -0.5, 2.5, -2.5, 2.675, 999.995, 1.005, float("nan"), float("inf"),
                             -float("inf"), 2.0 ** 63, -(2.0 ** 63), 9.3e18, 1e300, 5e-324])
        if kind < 0.35:
            return (r.randint(-10 ** 7, 10 ** 7) + 0.5) / 10 ** r.randint(0, 8)
        if kind < 0.7:
            return r.uniform(-1, 1) * 10 ** r.randint(-6, 20)
        if kind < 0.85:
            return r.randint(INT_MIN, INT_MAX) / 100.0
        return struct.unpack("<d", struct.pack("<Q", r.getrandbits(64)))[0]

    def separator(self):
        r = self.random
        kind = r.random()
        if kind < 0.8:
            return r.choice([",", ".", "\u00a0", " ", "'", ""])
        if kind < 0.95:
            return self.text(2, 4)
        return self.text(60, 70)

    def template(self):
        r = self.random
        kind = r.random()
        if kind < 0.15:
            return ""
        if kind < 0.6:
            return r.choice(["_VALUE", "_VALUE %", "_VALUE%", "%_VALUE", "_VALUE/_VALUE", "x_VALUEy_VALUE_VAL",
                             "%s%d_VALUE%%", "€_VALUE", "_VALUE€"])
        return self.text(0, 8) + "_VALUE" + self.text(0, 8)

    def locale_file(self):
        r = self.random
        values = {
            "Internal.Number.Thousand": self.separator(),
            "Internal.Number.Decimal": self.separator(),
            "Internal.Number.Negative": r.choice(["-", "-", "\u2212", "", "minus ", self.text(60, 70)]),
            "Internal.Number.PercentFormat": self.template(),
            "Internal.Number.EnumerateMale": self.template(),
            "Internal.Number.EnumerateFemale": self.template(),
            "Internal.Currency.Format": self.template(),
            "Internal.Currency.Decimals": r.choice(["2", "0", "5", "9", "x", "", "12"]),
        }
        for key in SHORT_MONTH_KEYS + LONG_MONTH_KEYS:
            values[key] = self.text(0, 10)
        for key in TIME_KEYS:
            values[key] = self.time_template()
        lines = ["# generated locale"]
        for key, value in values.items():
            if r.random() < 0.08:
                continue
            lines.append("|".join([key] + [value] * 6))
        return b"\xef\xbb\xbf" + "\r\n".join(lines).encode("utf-8", "surrogatepass")

    def date_template(self):
        pieces = DATE_TOKENS + ["_YEAR", "_", "_ALPHA", "/", ".", " de ", "x"]
        return "".join(self.random.choices(pieces, k=self.random.randint(0, 8)))

    def time_template(self):
        pieces = TIME_TOKENS + ["_HOU", "_", ":", " h ", "2", "m"]
        return "".join(self.random.choices(pieces, k=self.random.randint(0, 7)))

    def number_text(self, separators):
        r = self.random
        pieces = list("0123456789") * 3 + ["-", " ", "a", "\u00a0", "+", "e"] + [s for s in separators if s]
        text = "".join(r.choices(pieces, k=r.randint(0, 20)))
        if r.random() < 0.1:
            text += "9" * r.randint(10, 80)
        return text

    def key(self):
        r = self.random
        if r.random() < 0.1:
            return r.choice(["", "bbb.", "AaAm", "A", "Dialog.FileNotFound"])
        return self.text(1, 12, list("ABab.12_") + ["\u00e9", "\U0001F600"])

    def store_file(self, pool, lines_per_file):
        r = self.random
        lines = []
        for _ in range(lines_per_file):
            kind = r.random()
            if kind < 0.05:
                lines.append("# " + self.text())
            elif kind < 0.08:
                lines.append("")
            else:
                fields = [r.choice(pool)] + [self.text(0, 8) for _ in range(r.randint(0, 9))]
                lines.append("|".join(fields))
        newline = r.choice(["\r\n", "\n", "\r\n"])
        # Keys come as UTF-16 units; join their surrogate pairs again.
        text = newline.join(lines).encode("utf-16-le", "surrogatepass").decode("utf-16-le")
        kind = r.random()
        if kind < 0.55:
            data = b"\xef\xbb\xbf" + text.encode("utf-8")
        elif kind < 0.8:
            data = b"\xff\xfe" + text.encode("utf-16-le")
        else:
            data = text.encode("utf-8")
        if r.random() < 0.15:
            data = bytearray(data)
            for _ in range(r.randint(1, 4)):
                data.insert(r.randint(3, len(data)), r.choice([0xFF, 0x80, 0xC3, 0xED, 0xF0, 0x00, 0xE2]))
            data = bytes(data)
        if r.random() < 0.05:
            data = data[:r.randint(0, len(data))]
        return data


HEADINGS = [("[English]", 1), ("[French]", 2), ("[German]", 0), ("[Italian]", 4), ("[Spanish]", 3),
            ("[Polish]", 5)]
UNSET = "\ue002"


def saved_cells(names, rows):
    """The cells a saved table holds: every heading, a language falling back
    to language 0, as many extra columns as any row or name uses."""
    def clean(text):
        return "" if text is None else text.replace("\t", " ").replace("\r", " ").replace("\n", " ")
    kept = {}
    for row in rows:
        kept.setdefault(row[0], row)
    rows = list(kept.values())
    width = 0
    for i, name in enumerate(names):
        if name is not None:
            width = i + 1
    for row in rows:
        for i, column in enumerate(row[7:]):
            if column is not None:
                width = max(width, i + 1)
    cells = [["Index"] + [h for h, _ in HEADINGS] +
             [clean(names[i] if i < len(names) else None) for i in range(width)]]
    for row in rows:
        texts = row[1:7]
        line = [str(row[0])]
        for _, language in HEADINGS:
            line.append(clean(texts[language] if texts[language] is not None else texts[0]))
        columns = row[7:]
        line += [clean(columns[i] if i < len(columns) else None) for i in range(width)]
        cells.append(line)
    return cells


def table_case(generator):
    """(command, expected answer) for one table saved by the program and
    read back with Python's csv module."""
    r = generator.random
    alphabet = list("ab \t\r\n\"';,#") + ["\u00e9", "\u0142", "\u2028", "\U0001F600"]

    def cell():
        return None if r.random() < 0.2 else generator.text(0, 10, alphabet)
    names = [cell() for _ in range(r.randint(0, 16))]
    rows = []
    for _ in range(r.randint(0, 8)):
        rows.append([r.randint(-1000, 1000)] + [cell() for _ in range(6 + r.randint(0, 16))])
    encoded_table = "\ue001".join("\ue000".join(UNSET if c is None else c for c in names_or_row)
                         for names_or_row in [["names"] + names] + [[str(row[0])] + row[1:] for row in rows])
    return "S " + to_hex(units(encoded_table)), saved_cells(names, rows)


def read_saved_table(answer):
    data = bytes.fromhex(answer)
    text = data.decode("utf-8-sig")
    return [row for row in csv.reader(io.StringIO(text, newline=""), delimiter="\t", quoting=csv.QUOTE_NONE)]


def build_cases(generator, count):
    """Returns (commands, expected answers, operation name per command)."""
    r = generator.random
    store = Store()
    commands, expected, names = [], [], []

    def add(command, answer, name):
        commands.append(command)
        expected.append(answer)
        names.append(name)

    # Key hash.
    for _ in range(count):
        key = units(generator.key())
        add("H " + to_hex(key), str(hash_key(key)), "HashKey")

    # File rules: files of 100 lines, then lookups in them.
    files = max(1, count // 100)
    for _ in range(files):
        pool = [units(generator.key()) for _ in range(40)] + ["bbb.", "AaAm"]
        data = generator.store_file(pool, 100)
        add("L " + (data.hex() or "."), "1" if store.load(data) else "0", "LoadFile")
        longest = r.random() < 0.2
        add("W %d" % longest, "ok", "LongestTextMode")
        store.set_longest(longest)
        for _ in range(100):
            key = r.choice(pool) if r.random() < 0.8 else units(generator.key())
            language = r.randint(-1, 6)
            found = store.text_in_language(key, language)
            add("Q %d %s" % (language, to_hex(key)), "=" if found is None else to_hex(found), "GetTextInLanguage")
        store.set_longest(False)
        add("W 0", "ok", "LongestTextMode")

    # Saved tables, read back by Python's csv module.
    for _ in range(max(1, count // 100)):
        command, cells = table_case(generator)
        add(command, cells, "CTabbedConfig::Save")

    # Formatters, in blocks that share a generated locale.
    blocks = 50
    per_block = max(1, count // blocks)
    for _ in range(blocks):
        data = generator.locale_file()
        add("L " + data.hex(), "1" if store.load(data) else "0", "LoadFile")
        language = r.randint(0, 5)
        store.set_language(language)
        add("Z %d" % language, "ok", "SetLanguage")
        separators = [store.loc(THOUSAND), store.loc(DECIMAL)]
        for _ in range(per_block):
            value = generator.int32()
            add("I %d" % value, to_hex(store.format_int(value)), "FormatInt")
            number = generator.double()
            decimals = r.randint(-2, 12)
            add("F %s %d" % (double_hex(number), decimals), to_hex(store.format_float(number, decimals)),
                "FormatFloat")
            text = units(generator.number_text(separators))
            add("P " + to_hex(text), str(store.parse_int(text)), "ParseInt")
            add("R " + to_hex(text), double_hex(store.parse_float(text)), "ParseFloat")
            masculine = r.random() < 0.5
            add("O %d %d" % (value, masculine), to_hex(store.format_ordinal(value, masculine)), "FormatOrdinal")
            add("C %d" % value, to_hex(store.format_percent(value)), "FormatIntPercent")
            add("M " + double_hex(number), to_hex(store.format_currency(number)), "FormatCurrency")
            template = units(generator.date_template())
            year, month, day = r.randint(-5, 12000), r.randint(-2, 15), r.randint(-2, 40)
            add("D %s %d %d %d" % (to_hex(template), year, month, day),
                to_hex(store.format_date_template(template, year, month, day)), "FormatDateTemplate")
            style = r.randint(-1, 5)
            h, m, s = generator.int32(), generator.int32(), generator.int32()
            if r.random() < 0.7:
                h, m, s = r.randint(-2, 30), r.randint(-5, 200), r.randint(-100, 100000)
            add("T %d %d %d %d" % (style, h, m, s), to_hex(store.format_time(style, h, m, s)), "FormatTime")
    return commands, expected, names


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--driver", required=True)
    parser.add_argument("--emulator", default="")
    parser.add_argument("--count", type=int, default=100000)
    parser.add_argument("--seed", type=int, default=20070703)
    args = parser.parse_args()

    started = time.time()
    commands, expected, names = build_cases(Generator(args.seed), args.count)
    built = time.time()
    run = ([args.emulator] if args.emulator else []) + [args.driver]
    result = subprocess.run(run, input="\n".join(commands) + "\n", capture_output=True, text=True)
    answers = [line.rstrip("\r") for line in result.stdout.split("\n")]
    if result.returncode != 0 or len(answers) < len(commands):
        print("driver failed (exit %d, %d answers for %d commands)" % (result.returncode, len(answers),
                                                                        len(commands)))
        print(result.stderr[-2000:])
        return 1
    failures = {}
    counts = {}
    for command, want, got, name in zip(commands, expected, answers, names):
        counts[name] = counts.get(name, 0) + 1
        if isinstance(want, list):
            got = read_saved_table(got)
            want, got = repr(want), repr(got)
        if want != got:
            failures.setdefault(name, []).append((command, want, got))
    for name, cases in sorted(failures.items()):
        print("%s: %d mismatches" % (name, len(cases)))
        for command, want, got in cases[:5]:
            print("  %s\n    expected %s\n    got      %s" % (command[:300], want[:300], got[:300]))
    print("checked %s in %.1f s (generation and oracle %.1f s)" % (
        ", ".join("%s %d" % item for item in sorted(counts.items())), time.time() - started, built - started))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
