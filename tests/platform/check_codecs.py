#!/usr/bin/env python3
"""Cross-checks our text codecs against Python's codecs on a corpus that
covers every byte of Windows-1252, surrogate pairs and broken UTF-8."""
import random
import subprocess
import sys

probe = sys.argv[1]


def run(mode, data):
    return subprocess.run([probe, mode], input=data, stdout=subprocess.PIPE, check=True).stdout


def cp1252_decode(data):
    # Windows maps the five unassigned bytes to the C1 controls of the same value.
    return "".join(bytes([b]).decode("cp1252") if b not in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else chr(b) for b in data)


failures = 0


def check(name, got, expected):
    global failures
    if got != expected:
        failures += 1
        print(f"MISMATCH {name}: got {got[:80]!r} expected {expected[:80]!r}")


every_byte = bytes(range(256))
check("cp1252 decode", run("cp1252-to-utf8", every_byte), cp1252_decode(every_byte).encode("utf-8"))
exact = cp1252_decode(every_byte)
check("cp1252 encode", run("utf8-to-cp1252", exact.encode("utf-8")), every_byte)

rng = random.Random(1252)
samples = ["Łódź", "Ærø", "\U0001F600\U00010000\U0010FFFF", "plain ASCII", "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"]
for _ in range(200):
    samples.append("".join(chr(rng.choice([rng.randint(0x20, 0x7E), rng.randint(0xA0, 0x17F),
                                             rng.randint(0x370, 0x3FF), rng.randint(0x10000, 0x10FFFF),
                                             rng.randint(0xE000, 0xFFFD)])) for _ in range(rng.randint(0, 40))))
for text in samples:
    check("utf8->utf16le " + repr(text[:10]), run("utf8-to-utf16le", text.encode("utf-8")), text.encode("utf-16-le"))
    check("utf16le->utf8", run("utf16le-to-utf8", text.encode("utf-16-le")), text.encode("utf-8"))
    check("utf16be->utf8", run("utf16be-to-utf8", text.encode("utf-16-be")), text.encode("utf-8"))

broken = [b"a\xffb", b"\xc3", b"\xc0\xaf", b"\xed\xa0\x80", b"\xf4\x90\x80\x80", b"\xe2\x82x", b"\xf0\x9f\x98"]
for data in broken:
    expected = data.decode("utf-8", errors="replace").encode("utf-16-le")
    check("broken " + repr(data), run("utf8-to-utf16le", data), expected)

print(f"{len(samples) * 3 + len(broken) + 2} conversions checked, {failures} mismatches")
sys.exit(1 if failures else 0)
